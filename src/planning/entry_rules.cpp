#include "planning/entry_rules.h"

#include <algorithm>

#include "core/fields.h"

namespace tandarel {

bool isProtected(std::string_view cell) { return cell == kOutOfSchoolTime || cell == kUnavailable; }
bool isProtectedTrimmed(std::string_view cell) { return isProtected(trimmed(cell)); }

SelectionEffect selectCell(WeekGrid& grid, int row, int column) {
    SelectionEffect effect;
    const bool aboveSection = row < grid.firstNonReplacementRow();
    if (isDayCell(grid, row, column)) {
        const auto text = trimmed(grid.cell(row, column));
        if (isSchoolRow(row) && !isProtected(text)) {
            effect.schoolList = SelectionEffect::SchoolList::FirstSchool;
            effect.editing = false;
        } else if (!isProtected(text) && aboveSection) {
            effect.showMotifGroup = true;
        } else if (text == kOutOfSchoolTime && row > 1) {
            grid.setCell(row, column, "");
            grid.setCell(plagePartner(row), column, "");
            effect.gridChanged = true;
        }
    } else {
        effect.editing = false;
    }
    if (row >= lastSubstituteRow(grid.rowCount())) effect.schoolList = SelectionEffect::SchoolList::Disabled;

    // Only day cells of a block can be extended, copied or cleared: the labels, the
    // header and the counts are never touched by those commands.
    const bool filled = isPlanningCell(grid, row, column) && !isBlank(grid.cell(row, column));
    if (filled && isHalfDayFirstRow(row)) {
        effect.enableExtend = true;
        effect.clearDayEnabled = true;
    }
    effect.copyEnabled = filled;
    effect.clearPlageEnabled = filled;
    return effect;
}

std::string withMotif(std::string_view cell, char letter) {
    const std::string mark = std::string(1, letter) + std::string(kMotifMarker);
    if (trimmed(cell) == kOutOfSchoolTime) return mark;
    if (const auto marked = splitMarked(cell)) return mark + marked->rest;
    return mark + std::string(cell);
}

bool chooseMotif(WeekGrid& grid, int row, int column, char letter) {
    if (!isPlanningCell(grid, row, column)) return false;
    grid.setCell(row, column, withMotif(grid.cell(row, column), letter));
    return true;
}

bool chooseSchool(WeekGrid& grid, int row, int column, const std::string& school) {
    // A hand-edited list line holding ";" would shift every later field of the row.
    if (!isPlanningCell(grid, row, column) || school.find(';') != std::string::npos) return false;
    grid.setCell(row, column, school);
    return true;
}

bool markOutOfSchoolTime(WeekGrid& grid, int row, int column) {
    if (!isPlanningCell(grid, row, column) || row < 2) return false;
    grid.setCell(row, column, std::string(kOutOfSchoolTime));
    grid.setCell(row - 1, column, std::string(kOutOfSchoolTime));
    return true;
}

int readCount(std::string_view cell) {
    const auto marked = splitMarked(trimmed(cell));
    if (!marked || !allDigits(marked->rest)) return 0;
    // Longer counts (hand edits, files of earlier versions) read as their value, held
    // back at a bound that no "+" or "-" could overflow.
    if (marked->rest.size() > 6) return 999999;
    return parseDigits(marked->rest).value_or(0);
}

bool stepCount(WeekGrid& grid, int row, int column, int step) {
    if (!isDayCell(grid, row, column) || !grid.isNonReplacementRow(row)) return false;
    const int n = readCount(grid.cell(row, column));
    int next = n;
    if (step > 0 && n < kMaxCount) next = n + 1;
    if (step < 0 && n > 0) next = std::min(n - 1, kMaxCount);
    if (next == n) return false;
    const char letter = kMotifLetters[static_cast<std::size_t>(row - grid.firstNonReplacementRow())];
    grid.setCell(row, column, std::string(1, letter) + std::string(kMotifMarker) + std::to_string(next));
    return true;
}

bool toggleColumnOutOfSchoolTime(WeekGrid& grid, int column) {
    if (!isDayCell(grid, 1, column)) return false;
    const std::string value(grid.cell(1, column) == kOutOfSchoolTime ? "" : kOutOfSchoolTime);
    for (int row = 1; row < grid.rowCount(); ++row) grid.setCell(row, column, value);
    return true;
}

bool toggleUnavailableDay(WeekGrid& grid, int row, int column) {
    if (!isPlanningCell(grid, row, column) || !isBlockFirstRow(row)) return false;
    const std::string value(grid.cell(row, column) == kUnavailable ? "" : kUnavailable);
    const int end = std::min(row + kBlockRows, grid.firstNonReplacementRow());
    for (int r = row; r < end; ++r)
        if (grid.cell(r, column) != kOutOfSchoolTime) grid.setCell(r, column, value);
    return true;
}

Point motifGroupPosition(Point mouse, int groupWidth, int groupHeight, int screenWidth, int screenHeight) {
    Point at{mouse.x, mouse.y - 37};
    if (screenWidth < at.x + groupWidth + 10) at.x -= groupWidth + 10;
    if (screenHeight < at.y + groupHeight + 60) at.y -= groupHeight + 60;
    return {std::max(at.x, 0), std::max(at.y, 0)};
}

}  // namespace tandarel
