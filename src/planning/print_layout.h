#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/week_grid.h"

namespace tandarel {

// Widths of the planning grid's columns on screen, in pixels.
inline constexpr int kDefaultColumnWidth = 160;
inline constexpr int kDefaultRowHeight = 18;
int screenColumnWidth(int column);

// The printed week, in printer device units: the header row on top of every page, then
// up to 48 grid rows; the non-replacement rows are not printed.
struct PrintRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PrintRect&) const = default;
};
struct PrintCell {
    PrintRect rect;
    std::uint32_t fill = 0xFFFFFF;  // 0xBBGGRR
    std::string text;
};
struct PrintPage {
    std::vector<PrintCell> cells;
};

inline constexpr int kPrintLeft = 100;
inline constexpr int kPrintTop = 100;
inline constexpr int kPrintRowHeight = 5 * kDefaultRowHeight;
inline constexpr int kPrintRowsPerPage = 48;

// 7 for fewer than 7 columns, 6 for 7, 5 for more.
int printScale(int columnCount);
// Screen width x scale, plus 100 for column 1 and for the day columns after the first.
int printColumnWidth(int column, int columnCount);

std::vector<PrintPage> layoutPrint(const WeekGrid& grid);

// The pages `from` to `to` (1-based, both included, cut to the pages there are), as a
// print dialog's range names them; every page when `from` is 0.
std::vector<PrintPage> pagesInRange(const std::vector<PrintPage>& pages, int from, int to);

}  // namespace tandarel
