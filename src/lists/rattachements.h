#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "lists/list_chrome.h"
#include "lists/list_rows.h"
#include "ui/modal_window.h"

class QKeyEvent;

namespace tandarel {

class ListGrid;

// The schools of attachment: a one-column list saved at every cell change, sorted
// on its folded key and saved on "Quitter".
class Rattachements : public ui::ModalWindow {
    Q_OBJECT
public:
    Rattachements(ui::AppContext& context, QWidget* parent);

    ListGrid& grid() { return *grid_; }
    const ListChrome& chrome() const { return chrome_; }

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

    std::vector<std::string> schools() const;
    void showSchools(const std::vector<std::string>& schools);
    void applyHeight();
    bool writeList(const std::vector<std::string>& schools);
    void afterRowChange();

    ListGrid* grid_ = nullptr;
    ListChrome chrome_;
    std::optional<Cell> current_;
    std::optional<Cell> previous_;
    QString previousText_;
    bool pendingSave_ = false;
    bool selectingByProgram_ = false;
};

}  // namespace tandarel
