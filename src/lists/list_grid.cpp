#include "lists/list_grid.h"

#include <QHeaderView>
#include <QKeyEvent>

#include "ui/messages.h"

namespace tandarel {
namespace {
bool isEnter(const QKeyEvent& key) { return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter; }
}  // namespace

bool ListItemDelegate::eventFilter(QObject* editor, QEvent* event) {
    if (event->type() == QEvent::KeyPress && isEnter(*static_cast<QKeyEvent*>(event))) {
        if (auto* widget = qobject_cast<QWidget*>(editor)) {
            emit commitData(widget);
            emit closeEditor(widget, QAbstractItemDelegate::NoHint);
        }
        emit enterPressed();
        return true;
    }
    return ui::GuardedItemDelegate::eventFilter(editor, event);
}

ListGrid::ListGrid(ui::Messages& messages, int columns, int rowHeight, QWidget* parent)
    : QTableWidget(0, columns, parent), messages_(messages) {
    auto* delegate = new ListItemDelegate(messages, this);
    setItemDelegate(delegate);
    // The row operations rebuild the rows: they run once the editor's own key handling is over.
    connect(delegate, &ListItemDelegate::enterPressed, this, &ListGrid::enterPressed, Qt::QueuedConnection);

    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    verticalHeader()->setMinimumSectionSize(rowHeight);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setFixedHeight(rowHeight);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    // Focus only by a click: the window does not open an editor by itself on showing.
    setFocusPolicy(Qt::ClickFocus);
    viewport()->installEventFilter(this);
    setTyping(false);
}

void ListGrid::setTyping(bool on) {
    if (!on) commitEditing();
    setEditTriggers(on ? QAbstractItemView::AllEditTriggers : QAbstractItemView::NoEditTriggers);
}

void ListGrid::commitEditing() {
    const auto index = currentIndex();
    if (!index.isValid()) return;
    if (auto* editor = indexWidget(index)) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

QString ListGrid::text(int row, int column) const {
    const auto* cell = item(row, column);
    return cell ? cell->text() : QString();
}

void ListGrid::setText(int row, int column, const QString& text) {
    auto* cell = item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        if (column == readOnlyColumn_) cell->setFlags(cell->flags() & ~Qt::ItemIsEditable);
        setItem(row, column, cell);
    }
    cell->setText(text);
}

void ListGrid::setHeadings(const QStringList& headings) { setHorizontalHeaderLabels(headings); }

void ListGrid::keyPressEvent(QKeyEvent* event) {
    if (isEnter(*event)) {
        event->accept();
        emit enterPressed();
        return;
    }
    if (event->text().contains(QLatin1Char(';'))) {
        event->accept();
        messages_.inform(ui::kSemicolonRefused);
        return;
    }
    QTableWidget::keyPressEvent(event);
}

bool ListGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == viewport() && event->type() == QEvent::MouseButtonPress) emit pressedInGrid();
    return QTableWidget::eventFilter(watched, event);
}

}  // namespace tandarel
