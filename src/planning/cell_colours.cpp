#include "planning/cell_colours.h"

namespace tandarel {

std::uint32_t cellColour(const WeekGrid& grid, int row, int column) {
    if (grid.cell(row, column) == kOutOfSchoolTime) return 0xF0F0F0;
    if (row == 0) return 0xC8B9C7;
    const bool dayColumn = column >= kFirstDayColumn;
    if (dayColumn && grid.isNonReplacementRow(row)) return 0x00D0FF;
    const bool evenBlock = blockOf(row) % 2 == 0;
    if (dayColumn) return evenBlock ? 0x99FBFD : 0xD7FDDB;
    return evenBlock ? 0xDCDEDC : 0xC8B9C7;
}

}  // namespace tandarel
