#include "planning/copy_rules.h"

#include <algorithm>

#include "core/fields.h"
#include "planning/entry_rules.h"

namespace tandarel {
namespace {
void setUnlessProtected(WeekGrid& grid, int row, int column, const std::string& text) {
    if (!isProtected(grid.cell(row, column))) grid.setCell(row, column, text);
}
}  // namespace

bool extendOffersChoice(const WeekGrid& grid, int row) {
    return isBlockFirstRow(row) && row < grid.firstNonReplacementRow();
}

bool extendToDay(WeekGrid& grid, int row, int column) {
    if (!isPlanningCell(grid, row, column) || !isBlockFirstRow(row)) return false;
    if (row + kBlockRows > grid.firstNonReplacementRow()) return false;
    const std::string school = grid.cell(row, column);
    const std::string name = grid.cell(row + 1, column);
    if (isProtectedTrimmed(school) || isBlank(school)) return false;
    for (int offset = kPlageRows; offset < kBlockRows; offset += kPlageRows) {
        setUnlessProtected(grid, row + offset, column, school);
        setUnlessProtected(grid, row + offset + 1, column, name);
    }
    return true;
}

bool extendToHalfDay(WeekGrid& grid, int row, int column) {
    if (!isPlanningCell(grid, row, column) || isBlank(grid.cell(row, column))) return false;
    // Source and target rows by the place of the row in its half-day.
    static constexpr int kFrom[4] = {0, -1, 0, -1};
    static constexpr int kTo[4] = {2, 1, -2, -3};
    const int m = offsetInBlock(row) % kHalfDayRows;
    const int from = row + kFrom[m];
    const int to = row + kTo[m];
    const int section = grid.firstNonReplacementRow();
    if (to < 1 || to + 1 >= section || from + 1 >= section) return false;
    const std::string school = trim(grid.cell(from, column));
    const std::string name = trim(grid.cell(from + 1, column));
    grid.setCell(to, column, school);
    grid.setCell(to + 1, column, name);
    return true;
}

CopyToRight::CopyToRight(const WeekGrid& grid, int row, int column, CopySpan span) : column_(column) {
    const int size = span == CopySpan::Day ? kBlockRows : span == CopySpan::HalfDay ? kHalfDayRows : kPlageRows;
    firstRow_ = row - (row - kFirstBlockRow) % size;
    if (!isPlanningCell(grid, row, column)) return;  // nothing to copy
    for (int r = firstRow_; r < firstRow_ + size; ++r) texts_.push_back(grid.cell(r, column));
}

bool CopyToRight::fits(const WeekGrid& grid) const {
    const int target = column_ + 1;
    const int lastRow = firstRow_ + static_cast<int>(texts_.size()) - 1;
    return !texts_.empty() && isPlanningCell(grid, firstRow_, target) && isPlanningCell(grid, lastRow, target);
}

bool CopyToRight::copyNext(WeekGrid& grid) {
    if (!fits(grid)) return false;
    ++column_;
    for (std::size_t i = 0; i < texts_.size(); ++i) {
        const int row = firstRow_ + static_cast<int>(i);
        if (texts_[i] != kOutOfSchoolTime) setUnlessProtected(grid, row, column_, texts_[i]);
    }
    return true;
}

std::string copyStopReason(const WeekGrid& grid) {
    return grid.columnCount() <= kFirstDayColumn ? kCopyStopsNoDay : kCopyStopsShortWeek;
}

ClearResult clearDay(WeekGrid& grid, int row, int column) {
    if (!isPlanningCell(grid, row, column) || !isBlockFirstRow(row)) return ClearResult::Nothing;
    if (isProtectedTrimmed(grid.cell(row, column))) return ClearResult::Refused;
    const int end = std::min(row + kBlockRows, grid.firstNonReplacementRow());
    for (int r = row; r < end; ++r) setUnlessProtected(grid, r, column, "");
    return ClearResult::Cleared;
}

ClearResult clearPlage(WeekGrid& grid, int row, int column) {
    if (!isPlanningCell(grid, row, column)) return ClearResult::Nothing;
    if (isProtectedTrimmed(grid.cell(row, column))) return ClearResult::Refused;
    const int partner = plagePartner(row);
    grid.setCell(row, column, "");
    if (isPlanningCell(grid, partner, column)) grid.setCell(partner, column, "");
    return ClearResult::Cleared;
}

}  // namespace tandarel
