#pragma once

#include <QTableWidget>

#include "ui/text_guard.h"

namespace tandarel::ui {
class Messages;
}

namespace tandarel {

// The editable text grid of the list windows: a heading row (the header), data rows
// of a fixed height, a guarded editor that opens as soon as a cell becomes current,
// ";" refused when typed, and Enter reported instead of moving on.
class ListGrid : public QTableWidget {
    Q_OBJECT
public:
    ListGrid(ui::Messages& messages, int columns, int rowHeight, QWidget* parent);

    // Typing on: the editor is shown on every editable current cell. Off: no editing.
    void setTyping(bool on);
    // An editor still open hands its text to its cell (before the grid is read).
    void commitEditing();

    QString text(int row, int column) const;
    void setText(int row, int column, const QString& text);
    void setHeadings(const QStringList& headings);
    // A column whose cells the user never types into.
    void setColumnReadOnly(int column) { readOnlyColumn_ = column; }

signals:
    // Enter in a cell, whether or not its editor is open.
    void enterPressed();
    // A mouse press anywhere in the grid's cell area.
    void pressedInGrid();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ui::Messages& messages_;
    int readOnlyColumn_ = -1;
};

// The grid's editor: the program's guarded line edit, with Enter handed to the grid.
class ListItemDelegate : public ui::GuardedItemDelegate {
    Q_OBJECT
public:
    ListItemDelegate(ui::Messages& messages, QObject* parent) : ui::GuardedItemDelegate(messages, parent) {}

signals:
    void enterPressed();

protected:
    bool eventFilter(QObject* editor, QEvent* event) override;
};

}  // namespace tandarel
