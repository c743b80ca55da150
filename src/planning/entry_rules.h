#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/week_grid.h"

namespace tandarel {

// Row kinds of the planning grid: odd rows hold schools, even rows the replaced
// teachers, the last four rows count the absences left without a substitute.
inline bool isDayCell(const WeekGrid& grid, int row, int column) {
    return column >= kFirstDayColumn && column < grid.columnCount() && row > 0 && row < grid.rowCount();
}
// A day cell of a substitute block (above the non-replacement section).
inline bool isPlanningCell(const WeekGrid& grid, int row, int column) {
    return isDayCell(grid, row, column) && row < grid.firstNonReplacementRow();
}
bool isProtected(std::string_view cell);         // exactly "HTS" or "Indisponible"
bool isProtectedTrimmed(std::string_view cell);  // the same once blanks are trimmed

// What selecting a cell does besides saving: the grid change (an "HTS" plage emptied)
// and what the window shows.
struct SelectionEffect {
    enum class SchoolList { FirstSchool, Disabled };
    SchoolList schoolList = SchoolList::Disabled;
    bool showMotifGroup = false;
    std::optional<bool> editing;  // nothing: editing stays as it was
    bool enableExtend = false;    // "Etendre la saisie" is enabled here, never disabled
    bool clearDayEnabled = false;
    bool copyEnabled = false;
    bool clearPlageEnabled = false;
    bool gridChanged = false;
};
SelectionEffect selectCell(WeekGrid& grid, int row, int column);

// The school picked in the list goes into the selected cell of a block.
bool chooseSchool(WeekGrid& grid, int row, int column, const std::string& school);

// The cell once a motif is chosen: letter + "¤", keeping the name and replacing a
// previous motif; an "HTS" cell loses its mark.
std::string withMotif(std::string_view cell, char letter);
bool chooseMotif(WeekGrid& grid, int row, int column, char letter);
// "Hors Temps Scolaire" on a name row: that cell and the school row above := "HTS".
bool markOutOfSchoolTime(WeekGrid& grid, int row, int column);

// The count a non-replacement cell holds: the digits after "X¤", 0 for anything else.
int readCount(std::string_view cell);
inline constexpr int kMaxCount = 999;  // the analyses read counts of 1 to 3 digits
// "+" (step 1) or "-" (step -1) on a day cell of the non-replacement section; the count
// stays within 0..999. Returns whether the cell changed.
bool stepCount(WeekGrid& grid, int row, int column, int step);

// Double click on row 1: the whole column becomes "HTS", or is emptied when its row 1
// already is "HTS".
bool toggleColumnOutOfSchoolTime(WeekGrid& grid, int column);
// Right click on the first row of a block: its day becomes "Indisponible", or is emptied
// when it already is; "HTS" cells are left as they are.
bool toggleUnavailableDay(WeekGrid& grid, int row, int column);

// Top-left corner of the motif group for the mouse at (x, y) of the grid: above the
// mouse, pushed left / up when it would leave the screen.
struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};
Point motifGroupPosition(Point mouse, int groupWidth, int groupHeight, int screenWidth, int screenHeight);

}  // namespace tandarel
