#include "planning/print_layout.h"

#include <algorithm>

namespace tandarel {
namespace {
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBand = 0xEBE60E;

void addRow(PrintPage& page, const WeekGrid& grid, int row, int top, bool header, int counter) {
    const bool evenBlock = blockOf(counter) % 2 == 0;
    int left = kPrintLeft;
    for (int column = 0; column < grid.columnCount(); ++column) {
        const int width = printColumnWidth(column, grid.columnCount());
        std::uint32_t fill = kWhite;
        if (!header) {
            const bool labels = column < kFirstDayColumn;
            fill = (labels == evenBlock) ? kBand : kWhite;
        }
        page.cells.push_back({{left, top, width, kPrintRowHeight}, fill, grid.cell(row, column)});
        left += width;
    }
}
}  // namespace

int screenColumnWidth(int column) {
    if (column == 0) return 150;
    if (column == 1) return 35;
    return kDefaultColumnWidth;
}

int printScale(int columnCount) { return columnCount < 7 ? 7 : columnCount == 7 ? 6 : 5; }

int printColumnWidth(int column, int columnCount) {
    const int extra = (column == 1 || column >= 3) ? 100 : 0;
    return screenColumnWidth(column) * printScale(columnCount) + extra;
}

std::vector<PrintPage> layoutPrint(const WeekGrid& grid) {
    std::vector<PrintPage> pages(1);
    addRow(pages.back(), grid, 0, kPrintTop, true, 0);
    int counter = 0;
    for (int row = kFirstBlockRow; row <= lastSubstituteRow(grid.rowCount()); ++row) {
        if (++counter > kPrintRowsPerPage) {
            pages.emplace_back();
            addRow(pages.back(), grid, 0, kPrintTop, true, 0);
            counter = 1;
        }
        addRow(pages.back(), grid, row, kPrintTop + kPrintRowHeight * counter, false, counter);
    }
    return pages;
}

std::vector<PrintPage> pagesInRange(const std::vector<PrintPage>& pages, int from, int to) {
    if (from <= 0) return pages;
    const auto count = static_cast<int>(pages.size());
    const int first = std::min(from, count + 1);
    const int last = to <= 0 ? count : std::clamp(to, first - 1, count);
    return {pages.begin() + (first - 1), pages.begin() + last};
}

}  // namespace tandarel
