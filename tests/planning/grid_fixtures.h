#pragma once

#include <string>
#include <vector>

#include "core/week_grid.h"

namespace tandarel::testing {

inline const WorkingWeekSlots kUsualWeek{"LUM", "LUAM", "MAM", "MAAM", "MEM", "", "JEM", "JEAM", "VEM", "VEAM", "", ""};
inline constexpr Date kMonday{2005, 4, 25};

inline std::vector<Substitute> substitutes(int count) {
    std::vector<Substitute> list;
    for (int i = 0; i < count; ++i)
        list.push_back({"NOM " + std::to_string(i + 1), "Vernelle", "Elém Pradoux", "03", i % 2 ? "Non" : "Oui"});
    return list;
}

// A new week of `count` substitutes, Monday to Friday, Wednesday afternoon "HTS".
inline WeekGrid newWeek(int count, const WorkingWeekSlots& slots = kUsualWeek) {
    return buildNewWeek(substitutes(count), slots, kMonday);
}

// One column of a grid, rows first .. first + count - 1.
inline std::vector<std::string> columnCells(const WeekGrid& grid, int column, int first, int count) {
    std::vector<std::string> cells;
    for (int row = first; row < first + count; ++row) cells.push_back(grid.cell(row, column));
    return cells;
}

}  // namespace tandarel::testing
