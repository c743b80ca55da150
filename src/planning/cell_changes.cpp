#include "planning/cell_changes.h"

namespace tandarel {

CellChanges changedCells(const WeekGrid& before, const WeekGrid& after) {
    CellChanges changes;
    if (before.rowCount() != after.rowCount() || before.columnCount() != after.columnCount()) return changes;
    for (int row = 0; row < after.rowCount(); ++row)
        for (int column = 0; column < after.columnCount(); ++column)
            if (before.cell(row, column) != after.cell(row, column))
                changes.push_back({row, column, before.cell(row, column), after.cell(row, column)});
    return changes;
}

void applyChanges(WeekGrid& grid, const CellChanges& changes, Direction direction) {
    for (const auto& change : changes)
        grid.setCell(change.row, change.column, direction == Direction::Undo ? change.before : change.after);
}

}  // namespace tandarel
