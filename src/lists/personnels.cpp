#include "lists/personnels.h"

#include <QAction>
#include <QKeyEvent>
#include <QMetaObject>
#include <QPushButton>

#include "core/atomic_file.h"
#include "core/text_file.h"
#include "lists/list_grid.h"
#include "lists/list_order.h"
#include "lists/transfer_steps.h"
#include "ui/cells_command.h"
#include "ui/file_errors.h"
#include "ui/messages.h"
#include "ui/qt_text.h"
#include "ui/screen.h"

namespace tandarel {
namespace {

constexpr std::string_view kOldListFile = "personnels.alt";
constexpr std::string_view kEditedListFile = "personnels.tmp";
constexpr int kColumnWidth = 150;

std::string Substitute::*const kFields[5] = {&Substitute::Nom, &Substitute::Commune, &Substitute::Etablissement,
                                             &Substitute::Telephone, &Substitute::EnActivite};

}  // namespace

Personnels::Personnels(ui::AppContext& context, QWidget* parent)
    : ui::ModalWindow(context, parent),
      grid_(new ListGrid(context.messages, 5, 24, this)),
      chrome_(*this, QStringLiteral("Cliquez dans une cellule ")),
      transfer_(new TransferSteps(context, *this)) {
    grid_->setColumnReadOnly(kActivityColumn);
    for (int column = 0; column < 5; ++column) grid_->setColumnWidth(column, kColumnWidth);
    setTitles(false);
    connect(grid_, &ListGrid::pressedInGrid, this, &Personnels::onPressedInGrid);
    connect(grid_, &QTableWidget::currentCellChanged, this,
            [this](int row, int column, int, int) { onCellSelected(row, column); });
    connect(grid_, &ListGrid::enterPressed, this, [this] { insertRow(InsertPlace::Below); });
    connect(chrome_.insertAbove, &QPushButton::clicked, this, [this] { insertRow(InsertPlace::Above); });
    connect(chrome_.insertBelow, &QPushButton::clicked, this, [this] { insertRow(InsertPlace::Below); });
    connect(chrome_.remove, &QPushButton::clicked, this, &Personnels::removeRow);
    connect(chrome_.quit, &QPushButton::clicked, this, &Personnels::onQuitter);
    connect(transfer_, &TransferSteps::finished, this, &QDialog::accept);

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

void Personnels::record(int row, int column, const QString& before, const QString& after) {
    history_.push(new ui::CellsCommand({{row, column, ui::fromQ(before), ui::fromQ(after)}},
                                       [this](const CellChanges& c, Direction d) { applyRecorded(c, d); }));
}

void Personnels::applyRecorded(const CellChanges& changes, Direction direction) {
    grid_->commitEditing();
    for (const auto& change : changes) {
        if (change.row >= grid_->rowCount()) continue;
        const QString text = ui::toQ(direction == Direction::Undo ? change.before : change.after);
        grid_->setText(change.row, change.column, text);
        if (previous_ && previous_->row == change.row && previous_->column == change.column) previousText_ = text;
    }
    if (writeRecords(kSubstitutesFile, records())) modified_ = false;
}

void Personnels::setTitles(bool fileMissing) {
    grid_->setHeadings({QStringLiteral("Nom"), QStringLiteral("Commune"),
                        fileMissing ? QStringLiteral("Etablissement") : QStringLiteral("Etablissement de rattachement"),
                        QStringLiteral("Téléphone"), QStringLiteral("En activité")});
}

void Personnels::FormActivate() {
    setWindowTitle(QStringLiteral("Tandarel - Gestion des Remplaçants     -     "));
    ui::fillScreen(*this);
    current_.reset();
    previous_.reset();
    previousText_.clear();
    modified_ = false;
    history_.clear();

    transfer_->reset();
    grid_->setTyping(false);
    grid_->setGeometry(100, 65, 5 * kColumnWidth + 30, grid_->height());
    grid_->show();
    chrome_.showWaiting();

    const auto file = context_.file(kSubstitutesFile);
    const bool missing = !entryExists(file);
    std::vector<Substitute> list(missing ? 1 : 0);
    const bool loaded = ui::reportingFileErrors(context_.messages, [&] {
        if (missing) return;
        // The list as it stands now: what the timetable transfer compares the edited list with.
        const auto bytes = readFileBytes(file);
        replaceFileAtomically(context_.file(kOldListFile), bytes);
        list = parseSubstitutes(readTextLines(file));
    });
    setTitles(missing);
    showRecords(list);
    selectingByProgram_ = true;
    grid_->setCurrentCell(-1, -1);
    selectingByProgram_ = false;
    grid_->setTyping(true);
    // An unreadable list is never edited, lest the next save replace it with nothing.
    if (!loaded) QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
}

void Personnels::keyPressEvent(QKeyEvent* event) {
    // Escape does not close the window: "Quitter" (or the close box) does.
    if (event->key() == Qt::Key_Escape) return;
    ui::ModalWindow::keyPressEvent(event);
}

std::vector<Substitute> Personnels::records() const {
    std::vector<Substitute> out(static_cast<std::size_t>(grid_->rowCount()));
    for (int row = 0; row < grid_->rowCount(); ++row)
        for (int column = 0; column < 5; ++column)
            out[static_cast<std::size_t>(row)].*kFields[column] = ui::fromQ(grid_->text(row, column));
    return out;
}

void Personnels::showRecords(const std::vector<Substitute>& list) {
    selectingByProgram_ = true;
    grid_->setRowCount(static_cast<int>(list.size()));
    for (int row = 0; row < grid_->rowCount(); ++row)
        for (int column = 0; column < 5; ++column)
            grid_->setText(row, column, ui::toQ(list[static_cast<std::size_t>(row)].*kFields[column]));
    selectingByProgram_ = false;
    applyHeight();
}

void Personnels::applyHeight() {
    grid_->resize(5 * kColumnWidth + 30, substitutesGridHeight(grid_->rowCount() + 1, ui::screenSize().height()));
}

bool Personnels::writeRecords(std::string_view fileName, const std::vector<Substitute>& list) {
    return ui::reportingFileErrors(context_.messages,
                                   [&] { writeTextLines(context_.file(fileName), formatSubstitutes(list)); });
}

std::optional<std::size_t> Personnels::currentRecord() const {
    if (current_ && current_->row < grid_->rowCount()) return static_cast<std::size_t>(current_->row);
    return std::nullopt;
}

void Personnels::onPressedInGrid() { chrome_.showEditing(grid_->rowCount() >= 1); }

void Personnels::onCellSelected(int row, int column) {
    if (selectingByProgram_ || row < 0 || column < 0) return;
    current_ = Cell{row, column};
    if (previous_ && grid_->text(previous_->row, previous_->column) != previousText_) {
        modified_ = true;
        record(previous_->row, previous_->column, previousText_, grid_->text(previous_->row, previous_->column));
    }
    // The activity is never typed: each selection switches it.
    if (column == kActivityColumn) {
        const QString before = grid_->text(row, column);
        grid_->setText(row, column, ui::toQ(nextActivity(ui::fromQ(before))));
        record(row, column, before, grid_->text(row, column));
    }
    if (modified_ && writeRecords(kSubstitutesFile, records())) modified_ = false;
    previous_ = current_;
    previousText_ = grid_->text(row, column);
}

void Personnels::insertRow(InsertPlace place) {
    grid_->commitEditing();
    auto list = records();
    const auto at = static_cast<int>(insertBlankRecord(list, currentRecord(), place));
    showRecords(list);

    selectingByProgram_ = true;
    grid_->setCurrentCell(at, 0);
    selectingByProgram_ = false;
    current_ = previous_ = Cell{at, 0};
    previousText_.clear();
    grid_->setFocus();
    grid_->edit(grid_->currentIndex());
    afterRowChange();
}

void Personnels::removeRow() {
    grid_->commitEditing();
    auto list = records();
    if (removeRecord(list, currentRecord())) showRecords(list);

    selectingByProgram_ = true;
    grid_->setCurrentCell(-1, -1);
    selectingByProgram_ = false;
    current_.reset();
    previous_.reset();
    afterRowChange();
}

void Personnels::afterRowChange() {
    chrome_.showAfterRowChange();
    modified_ = true;
    history_.clear();  // the rows the history names have moved
}

void Personnels::onQuitter() {
    grid_->commitEditing();
    auto list = records();
    if (!holdsAnyName(list)) {
        // No one to hand a timetable to: nothing is saved, no week is rewritten.
        context_.messages.inform(QStringLiteral("Aucun personnel saisi, je n'enregistre pas !"));
        chrome_.hideAll();
        grid_->hide();
        transfer_->finish();
        return;
    }
    if (!writeRecords(kEditedListFile, list)) return;
    chrome_.hideAll();
    grid_->setTyping(false);
    if (list.size() >= 2) {
        sortSubstitutes(list);
        showRecords(list);
    }
    setTitles(false);
    if (!writeRecords(kSubstitutesFile, list)) {
        chrome_.showWaiting();
        chrome_.quit->show();
        grid_->setTyping(true);
        return;
    }
    modified_ = false;
    context_.messages.inform(QStringLiteral("Tri (par communes, puis par noms) et enregistrement effectués !"));
    grid_->hide();
    transfer_->start();
}

}  // namespace tandarel
