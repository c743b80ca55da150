#pragma once

#include <string>
#include <vector>

namespace tandarel {

// What one change did to a grid of text cells: each cell it changed, with its text before
// and after. Undo writes the texts before, redo the texts after.
struct CellChange {
    int row = 0;
    int column = 0;
    std::string before;
    std::string after;
    bool operator==(const CellChange&) const = default;
};
using CellChanges = std::vector<CellChange>;

enum class Direction { Undo, Redo };

}  // namespace tandarel
