#pragma once

#include <QFrame>
#include <QPersistentModelIndex>
#include <QTableView>

#include "ui/text_guard.h"

class QLineEdit;

namespace tandarel {

namespace ui {
class Messages;
}

// The scrolling part of the planning grid: the day cells of the substitutes' rows. It
// alone takes clicks and keys; ";", "+" and "-" typed outside an editor are reported.
class PlanningTableView final : public QTableView {
    Q_OBJECT
public:
    using QTableView::QTableView;

signals:
    void keyTyped(QChar key);
    // A left click on the cell that is already the current one: the selection does not
    // change, yet the planner expects the cell's selection to run again.
    void currentClickedAgain(const QModelIndex& index);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyboardSearch(const QString&) override {}  // typing never moves the selection
};

// Every cell in its fill colour, the text in black 2 pixels from the corner, a frame on
// the current cell; the editor writes each change through to the grid as it is typed.
class CellDelegate final : public ui::GuardedItemDelegate {
    Q_OBJECT
public:
    CellDelegate(ui::Messages& messages, QObject* parent);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The planning grid: the header row and the two label columns stay in place while the
// day cells scroll under them. Four views share one model: the corner, the header row,
// the label columns and the body; the three fixed ones follow the body's scrolling.
class FrozenGrid final : public QFrame {
    Q_OBJECT
public:
    FrozenGrid(QAbstractItemModel& model, ui::Messages& messages, QWidget* parent);

    PlanningTableView& body() { return *body_; }
    QTableView& labelColumns() { return *left_; }

    // Where a cell is drawn, in the grid's own coordinates (the fixed cells included).
    QRect cellRect(int row, int column) const;

    // The always-shown editor ("editing on") on one cell, or none.
    void showEditor(const QModelIndex& index);
    void hideEditor();
    QLineEdit* editor() const;

signals:
    // The mouse over the grid, in the grid's own coordinates.
    void mouseAt(QPoint position);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void applyShape();
    void layoutViews();
    int frozenWidth() const;
    int frozenHeight() const;

    QAbstractItemModel& model_;
    PlanningTableView* body_ = nullptr;
    QTableView* top_ = nullptr;
    QTableView* left_ = nullptr;
    QTableView* corner_ = nullptr;
    QPersistentModelIndex editorIndex_;
};

}  // namespace tandarel
