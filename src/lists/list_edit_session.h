#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/cell_change.h"

namespace tandarel {

struct GridCell {
    int row = 0;
    int column = 0;
    bool operator==(const GridCell&) const = default;
};

// The bookkeeping of a list window that saves at every cell change: the cell last
// selected with its text at that moment, and whether the grid now differs from the
// file. It decides, at each selection, what was edited and whether to write; the
// window applies that to its grid and its file.
class ListEditSession {
public:
    // A column never typed into: each selection of one of its cells switches the text by `next`.
    struct Toggle {
        int column;
        std::string (*next)(std::string_view current);
    };
    using CellText = std::function<std::string(GridCell)>;

    // What one selection asks of the window, in this order: put `switchTo` in the selected
    // cell, record `history` (the edit of the cell left, then the switch) for undo, and
    // write the list when `write` is set, calling written() once it is on disk.
    struct Effects {
        std::optional<std::string> switchTo;
        CellChanges history;
        bool write = false;
    };

    explicit ListEditSession(std::optional<Toggle> toggle = std::nullopt) : toggle_(toggle) {}

    // A fresh list on screen: nothing selected, nothing to write.
    void start();
    Effects select(GridCell cell, const CellText& textOf);
    // A row operation: the grid differs from the file until the next write.
    void rowInserted(int row);
    void rowRemoved();
    // A cell set back (undo, redo): the text it now holds is not an edit of the user's.
    void restored(GridCell cell, const std::string& text);
    void written() { modified_ = false; }

    // The record the row operations act on: the selected one, while the grid still holds it.
    std::optional<std::size_t> currentRow(int rowCount) const;

private:
    std::optional<Toggle> toggle_;
    std::optional<GridCell> selected_;
    std::string textAtSelection_;
    bool modified_ = false;
};

}  // namespace tandarel
