#pragma once

#include <string>
#include <vector>

#include "core/week_grid.h"

namespace tandarel {

// What one planning command did to the week: each cell it changed, with its text before
// and after. Undo writes the texts before, redo the texts after.
struct CellChange {
    int row = 0;
    int column = 0;
    std::string before;
    std::string after;
    bool operator==(const CellChange&) const = default;
};
using CellChanges = std::vector<CellChange>;

// The cells whose text differs between two grids of one week (the same shape).
CellChanges changedCells(const WeekGrid& before, const WeekGrid& after);

enum class Direction { Undo, Redo };
void applyChanges(WeekGrid& grid, const CellChanges& changes, Direction direction);

}  // namespace tandarel
