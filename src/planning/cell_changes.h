#pragma once

#include "core/cell_change.h"
#include "core/week_grid.h"

namespace tandarel {

// The cells whose text differs between two grids of one week (the same shape).
CellChanges changedCells(const WeekGrid& before, const WeekGrid& after);

void applyChanges(WeekGrid& grid, const CellChanges& changes, Direction direction);

}  // namespace tandarel
