#pragma once

#include <QString>
#include <QUndoStack>
#include <optional>
#include <vector>

#include "core/cell_change.h"
#include "core/reference_files.h"
#include "lists/list_chrome.h"
#include "lists/list_rows.h"
#include "ui/modal_window.h"

class QKeyEvent;

namespace tandarel {

class ListGrid;
class TransferSteps;

// The substitutes list: saved at every cell change, saved again on "Quitter" as
// edited (personnels.tmp) and sorted (personnels.pln), after which the timetables
// of the week files are handed on to the edited names.
class Personnels : public ui::ModalWindow {
    Q_OBJECT
public:
    Personnels(ui::AppContext& context, QWidget* parent);

    static constexpr int kActivityColumn = 4;

    ListGrid& grid() { return *grid_; }
    const ListChrome& chrome() const { return chrome_; }
    TransferSteps& transfer() { return *transfer_; }
    // Ctrl+Z: the last flip of an activity or edit of a cell, undone and saved.
    QUndoStack& history() { return history_; }

protected:
    void FormActivate() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Cell {
        int row;
        int column;
    };

    void onPressedInGrid();
    void onCellSelected(int row, int column);
    void insertRow(InsertPlace place);
    void removeRow();
    void onQuitter();

    std::vector<Substitute> records() const;
    void showRecords(const std::vector<Substitute>& records);
    void setTitles(bool fileMissing);
    void applyHeight();
    bool writeRecords(std::string_view fileName, const std::vector<Substitute>& records);
    std::optional<std::size_t> currentRecord() const;
    void afterRowChange();
    void record(int row, int column, const QString& before, const QString& after);
    void applyRecorded(const CellChanges& changes, Direction direction);

    ListGrid* grid_ = nullptr;
    ListChrome chrome_;
    TransferSteps* transfer_ = nullptr;
    std::optional<Cell> current_;
    std::optional<Cell> previous_;
    QString previousText_;
    bool modified_ = false;
    bool selectingByProgram_ = false;
    QUndoStack history_;
};

}  // namespace tandarel
