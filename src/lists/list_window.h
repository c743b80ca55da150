#pragma once

#include <QString>
#include <QUndoStack>
#include <optional>
#include <string>
#include <vector>

#include "lists/list_chrome.h"
#include "lists/list_edit_session.h"
#include "lists/list_rows.h"
#include "ui/modal_window.h"

class QKeyEvent;

namespace tandarel {

class ListGrid;

// What the two list windows share: a grid saved at every cell change, rows inserted
// (the buttons, Enter) and removed as whole records, Escape that does not close,
// Ctrl+Z that takes back the last edit or switch of a cell. A window says how its
// list is read, written and left ("Quitter").
class ListWindow : public ui::ModalWindow {
    Q_OBJECT
public:
    using Row = std::vector<std::string>;  // the texts of a row's cells, in column order
    using Rows = std::vector<Row>;

    struct Layout {
        QString caption;
        QString clickHint;
        int columns;
        int rowHeight;
        int gridLeft;
        int (*gridHeight)(int rows, int screenHeight);  // the heading row included
        std::optional<ListEditSession::Toggle> toggle;  // a read-only column switched on selection
    };

    ListGrid& grid() { return *grid_; }
    const ListChrome& chrome() const { return chrome_; }

protected:
    ListWindow(ui::AppContext& context, QWidget* parent, Layout layout);

    void FormActivate() override;
    void keyPressEvent(QKeyEvent* event) override;

    // The list file's rows, read at each activation (throws FileError).
    virtual Rows load() = 0;
    // Writes the rows in the order shown; false once a failure is said.
    virtual bool saveAsShown() = 0;
    virtual void onQuitter() = 0;

    Rows rows() const;
    void showRows(const Rows& rows);
    // "Quitter": the list is being saved, nothing more is typed.
    void stopEditing();
    // "Quitter" could not save: the list stays on screen, with "Quitter" to try again.
    void resumeEditing();
    void listSaved() { session_.written(); }

private:
    void onCellSelected(int row, int column);
    void insertRow(InsertPlace place);
    void removeRow();
    void afterRowChange();
    void selectByProgram(int row, int column);
    void applyRecorded(const CellChanges& changes, Direction direction);
    int gridWidth() const;

    const Layout layout_;
    ListGrid* grid_ = nullptr;
    ListChrome chrome_;
    ListEditSession session_;
    // Ctrl+Z: the last switch or edit of a cell, undone and saved; a row operation clears it.
    QUndoStack history_;
    bool selectingByProgram_ = false;
};

}  // namespace tandarel
