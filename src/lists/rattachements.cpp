#include "lists/rattachements.h"

#include <QKeyEvent>
#include <QMetaObject>
#include <QPushButton>

#include "core/text_file.h"
#include "lists/list_grid.h"
#include "lists/list_order.h"
#include "ui/file_errors.h"
#include "ui/messages.h"
#include "ui/qt_text.h"
#include "ui/screen.h"

namespace tandarel {
namespace {
const QString kHeading = QStringLiteral("Rattachements");
}

Rattachements::Rattachements(ui::AppContext& context, QWidget* parent)
    : ui::ModalWindow(context, parent),
      grid_(new ListGrid(context.messages, 1, 18, this)),
      chrome_(*this, QStringLiteral("Cliquez dans une cellule")) {
    grid_->setHeadings({kHeading});
    grid_->setColumnWidth(0, 150);
    connect(grid_, &ListGrid::pressedInGrid, this, &Rattachements::onPressedInGrid);
    connect(grid_, &QTableWidget::currentCellChanged, this,
            [this](int row, int column, int, int) { onCellSelected(row, column); });
    connect(grid_, &ListGrid::enterPressed, this, [this] { insertRow(InsertPlace::Below); });
    connect(chrome_.insertAbove, &QPushButton::clicked, this, [this] { insertRow(InsertPlace::Above); });
    connect(chrome_.insertBelow, &QPushButton::clicked, this, [this] { insertRow(InsertPlace::Below); });
    connect(chrome_.remove, &QPushButton::clicked, this, &Rattachements::removeRow);
    connect(chrome_.quit, &QPushButton::clicked, this, &Rattachements::onQuitter);
}

void Rattachements::FormActivate() {
    setWindowTitle(QStringLiteral("Tandarel - Gestion des Rattachements     -     "));
    ui::fillScreen(*this);
    current_.reset();
    previous_.reset();
    previousText_.clear();
    pendingSave_ = false;

    grid_->setGeometry(200, 65, 180, grid_->height());
    grid_->setHeadings({kHeading});
    grid_->setTyping(false);
    grid_->show();
    chrome_.showWaiting();

    std::vector<std::string> schools{std::string()};
    const auto file = context_.file(kSchoolsFile);
    const bool loaded = ui::reportingFileErrors(context_.messages, [&] {
        if (entryExists(file)) schools = parseSchools(readTextLines(file));
    });
    showSchools(schools);
    selectingByProgram_ = true;
    grid_->setCurrentCell(-1, -1);
    selectingByProgram_ = false;
    grid_->setTyping(true);
    // An unreadable list is never edited, lest the next save replace it with nothing.
    if (!loaded) QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
}

void Rattachements::keyPressEvent(QKeyEvent* event) {
    // Escape does not close the window: "Quitter" (or the close box) does.
    if (event->key() == Qt::Key_Escape) return;
    ui::ModalWindow::keyPressEvent(event);
}

std::vector<std::string> Rattachements::schools() const {
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(grid_->rowCount()));
    for (int row = 0; row < grid_->rowCount(); ++row) out.push_back(ui::fromQ(grid_->text(row, 0)));
    return out;
}

void Rattachements::showSchools(const std::vector<std::string>& schools) {
    selectingByProgram_ = true;
    grid_->setRowCount(static_cast<int>(schools.size()));
    for (int row = 0; row < grid_->rowCount(); ++row)
        grid_->setText(row, 0, ui::toQ(schools[static_cast<std::size_t>(row)]));
    selectingByProgram_ = false;
    applyHeight();
}

void Rattachements::applyHeight() {
    grid_->resize(180, schoolsGridHeight(grid_->rowCount() + 1, ui::screenSize().height()));
}

bool Rattachements::writeList(const std::vector<std::string>& schools) {
    return ui::reportingFileErrors(context_.messages,
                                   [&] { writeTextLines(context_.file(kSchoolsFile), formatSchools(schools)); });
}

void Rattachements::onPressedInGrid() { chrome_.showEditing(grid_->rowCount() >= 1); }

void Rattachements::onCellSelected(int row, int column) {
    if (selectingByProgram_ || row < 0 || column < 0) return;
    current_ = Cell{row, column};
    if (previous_ && grid_->text(previous_->row, previous_->column) != previousText_) pendingSave_ = true;
    // Saved unsorted, in the order shown, so that nothing typed is lost if the window is closed.
    if (pendingSave_ && writeList(schools())) pendingSave_ = false;
    previous_ = current_;
    previousText_ = grid_->text(row, column);
}

void Rattachements::insertRow(InsertPlace place) {
    grid_->commitEditing();
    auto rows = schools();
    std::optional<std::size_t> current;
    if (current_ && current_->row < grid_->rowCount()) current = static_cast<std::size_t>(current_->row);
    const auto at = static_cast<int>(insertBlankRecord(rows, current, place));
    showSchools(rows);

    selectingByProgram_ = true;
    grid_->setCurrentCell(at, 0);
    selectingByProgram_ = false;
    current_ = previous_ = Cell{at, 0};
    previousText_.clear();
    grid_->setFocus();
    grid_->edit(grid_->currentIndex());
    afterRowChange();
}

void Rattachements::removeRow() {
    grid_->commitEditing();
    auto rows = schools();
    std::optional<std::size_t> current;
    if (current_ && current_->row < grid_->rowCount()) current = static_cast<std::size_t>(current_->row);
    if (removeRecord(rows, current)) showSchools(rows);

    selectingByProgram_ = true;
    grid_->setCurrentCell(-1, -1);
    selectingByProgram_ = false;
    current_.reset();
    previous_.reset();
    afterRowChange();
}

void Rattachements::afterRowChange() {
    chrome_.showAfterRowChange();
    pendingSave_ = true;
}

void Rattachements::onQuitter() {
    grid_->commitEditing();
    chrome_.hideAll();
    grid_->setHeadings({kHeading});
    auto rows = schools();
    if (rows.size() > 1) {
        sortSchools(rows);
        showSchools(rows);
    }
    grid_->setTyping(false);
    if (rows.empty()) {
        context_.messages.inform(QStringLiteral("Aucune école saisie, je n'enregistre pas !"));
    } else {
        if (!writeList(rows)) {
            chrome_.showWaiting();
            chrome_.quit->show();
            grid_->setTyping(true);
            return;
        }
        pendingSave_ = false;
        context_.messages.inform(QStringLiteral("Tri et enregistrement effectués !"));
    }
    grid_->hide();
    accept();
}

}  // namespace tandarel
