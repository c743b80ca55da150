#include "lists/list_window.h"

#include <QAction>
#include <QKeyEvent>
#include <QMetaObject>
#include <QPushButton>

#include "lists/list_grid.h"
#include "ui/cells_command.h"
#include "ui/file_errors.h"
#include "ui/qt_text.h"
#include "ui/screen.h"

namespace tandarel {
namespace {
constexpr int kColumnWidth = 150;
constexpr int kGridTop = 65;
}  // namespace

ListWindow::ListWindow(ui::AppContext& context, QWidget* parent, Layout layout)
    : ui::ModalWindow(context, parent),
      layout_(std::move(layout)),
      grid_(new ListGrid(context.messages, layout_.columns, layout_.rowHeight, this)),
      chrome_(*this, layout_.clickHint),
      session_(layout_.toggle) {
    if (layout_.toggle) grid_->setColumnReadOnly(layout_.toggle->column);
    for (int column = 0; column < layout_.columns; ++column) grid_->setColumnWidth(column, kColumnWidth);
    connect(grid_, &ListGrid::pressedInGrid, this, [this] { chrome_.showEditing(grid_->rowCount() >= 1); });
    connect(grid_, &QTableWidget::currentCellChanged, this,
            [this](int row, int column, int, int) { onCellSelected(row, column); });
    connect(grid_, &ListGrid::enterPressed, this, [this] { insertRow(InsertPlace::Below); });
    connect(chrome_.insertAbove, &QPushButton::clicked, this, [this] { insertRow(InsertPlace::Above); });
    connect(chrome_.insertBelow, &QPushButton::clicked, this, [this] { insertRow(InsertPlace::Below); });
    connect(chrome_.remove, &QPushButton::clicked, this, &ListWindow::removeRow);
    connect(chrome_.quit, &QPushButton::clicked, this, &ListWindow::onQuitter);

    // An editor open in a cell keeps Ctrl+Z for its own typing; the grid's undo then
    // takes back whole cells.
    auto* undo = new QAction(this);
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(undo, &QAction::triggered, &history_, &QUndoStack::undo);
    auto* redo = new QAction(this);
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(redo, &QAction::triggered, &history_, &QUndoStack::redo);
    addActions({undo, redo});
}

void ListWindow::FormActivate() {
    setWindowTitle(layout_.caption);
    ui::fillScreen(*this);
    session_.start();
    history_.clear();

    grid_->setTyping(false);
    grid_->setGeometry(layout_.gridLeft, kGridTop, gridWidth(), grid_->height());
    grid_->show();
    chrome_.showWaiting();

    Rows list;
    const bool loaded = ui::reportingFileErrors(context_.messages, [&] { list = load(); });
    showRows(list);
    selectByProgram(-1, -1);
    grid_->setTyping(true);
    // An unreadable list is never edited, lest the next save replace it with nothing.
    if (!loaded) QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
}

void ListWindow::keyPressEvent(QKeyEvent* event) {
    // Escape does not close the window: "Quitter" (or the close box) does.
    if (event->key() == Qt::Key_Escape) return;
    ui::ModalWindow::keyPressEvent(event);
}

int ListWindow::gridWidth() const { return layout_.columns * kColumnWidth + 30; }

ListWindow::Rows ListWindow::rows() const {
    Rows out(static_cast<std::size_t>(grid_->rowCount()));
    for (int row = 0; row < grid_->rowCount(); ++row)
        for (int column = 0; column < layout_.columns; ++column)
            out[static_cast<std::size_t>(row)].push_back(ui::fromQ(grid_->text(row, column)));
    return out;
}

void ListWindow::showRows(const Rows& list) {
    selectingByProgram_ = true;
    grid_->setRowCount(static_cast<int>(list.size()));
    for (int row = 0; row < grid_->rowCount(); ++row)
        for (int column = 0; column < layout_.columns; ++column)
            grid_->setText(row, column, ui::toQ(list[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]));
    selectingByProgram_ = false;
    grid_->resize(gridWidth(), layout_.gridHeight(grid_->rowCount() + 1, ui::screenSize().height()));
}

void ListWindow::selectByProgram(int row, int column) {
    selectingByProgram_ = true;
    grid_->setCurrentCell(row, column);
    selectingByProgram_ = false;
}

void ListWindow::onCellSelected(int row, int column) {
    if (selectingByProgram_ || row < 0 || column < 0) return;
    const auto textOf = [this](GridCell c) { return ui::fromQ(grid_->text(c.row, c.column)); };
    auto effects = session_.select({row, column}, textOf);
    if (effects.switchTo) grid_->setText(row, column, ui::toQ(*effects.switchTo));
    for (auto& change : effects.history)
        history_.push(new ui::CellsCommand({std::move(change)},
                                           [this](const CellChanges& c, Direction d) { applyRecorded(c, d); }));
    // Saved unsorted, in the order shown, so that nothing typed is lost if the window is closed.
    if (effects.write && saveAsShown()) session_.written();
}

void ListWindow::applyRecorded(const CellChanges& changes, Direction direction) {
    grid_->commitEditing();
    for (const auto& change : changes) {
        if (change.row >= grid_->rowCount()) continue;
        const std::string& text = direction == Direction::Undo ? change.before : change.after;
        grid_->setText(change.row, change.column, ui::toQ(text));
        session_.restored({change.row, change.column}, text);
    }
    if (saveAsShown()) session_.written();
}

void ListWindow::insertRow(InsertPlace place) {
    grid_->commitEditing();
    auto list = rows();
    const Row blank(static_cast<std::size_t>(layout_.columns));
    const auto at = static_cast<int>(insertBlankRecord(list, session_.currentRow(grid_->rowCount()), place, blank));
    showRows(list);

    selectByProgram(at, 0);
    session_.rowInserted(at);
    grid_->setFocus();
    grid_->edit(grid_->currentIndex());
    afterRowChange();
}

void ListWindow::removeRow() {
    grid_->commitEditing();
    auto list = rows();
    if (removeRecord(list, session_.currentRow(grid_->rowCount()))) showRows(list);

    selectByProgram(-1, -1);
    session_.rowRemoved();
    afterRowChange();
}

void ListWindow::afterRowChange() {
    chrome_.showAfterRowChange();
    history_.clear();  // the rows the history names have moved
}

void ListWindow::stopEditing() {
    chrome_.hideAll();
    grid_->setTyping(false);
}

void ListWindow::resumeEditing() {
    chrome_.showWaiting();
    chrome_.quit->show();
    grid_->setTyping(true);
}

}  // namespace tandarel
