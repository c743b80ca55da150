#include "planning/print_layout.h"

#include <gtest/gtest.h>

#include "grid_fixtures.h"
#include "planning/cell_colours.h"

using namespace tandarel;
using namespace tandarel::testing;

namespace {

constexpr std::uint32_t kBand = 0xEBE60E;
constexpr std::uint32_t kWhite = 0xFFFFFF;

TEST(PrintLayout, FortyEightRowsAPageUnderTheHeader) {
    const WeekGrid six = newWeek(6);
    const auto one = layoutPrint(six);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].cells.size(), 49u * 7);
    EXPECT_EQ(one[0].cells.back().rect.top, 100 + 90 * 48);

    const WeekGrid seven = newWeek(7);
    const auto two = layoutPrint(seven);
    ASSERT_EQ(two.size(), 2u);
    ASSERT_EQ(two[1].cells.size(), 9u * 7);  // the header again, then rows 49-56
    EXPECT_EQ(two[1].cells[0].text, "Remplaçant / Affectation");
    EXPECT_EQ(two[1].cells[0].rect, (PrintRect{100, 100, 1050 - 150, 90}));
    EXPECT_EQ(two[1].cells[7].text, "NOM 7");
    EXPECT_EQ(two[1].cells[7].rect.top, 190);
    for (const auto& page : two)
        for (const auto& cell : page.cells) EXPECT_NE(cell.text, "Non-remplacements");
}

TEST(PrintLayout, ScaleAndWidthsFollowTheColumnCount) {
    struct Case {
        int columns;
        int scale;
        std::vector<int> widths;
    };
    for (const Case& c : {Case{5, 7, {1050, 345, 1120, 1220, 1220}}, Case{7, 6, {900, 310, 960, 1060, 1060, 1060, 1060}},
                          Case{8, 5, {750, 275, 800, 900, 900, 900, 900, 900}}}) {
        EXPECT_EQ(printScale(c.columns), c.scale);
        std::vector<int> widths;
        for (int column = 0; column < c.columns; ++column) widths.push_back(printColumnWidth(column, c.columns));
        EXPECT_EQ(widths, c.widths) << c.columns;
    }
    const WeekGrid saturday = newWeek(1, WorkingWeekSlots(kSlotCodes.begin(), kSlotCodes.end()));
    const auto pages = layoutPrint(saturday);
    const auto& cells = pages[0].cells;
    EXPECT_EQ(cells[7].rect.left + cells[7].rect.width, 100 + 750 + 275 + 800 + 5 * 900);
}

TEST(PrintLayout, BlocksAlternateTheirFill) {
    const auto page = layoutPrint(newWeek(2))[0];
    auto fill = [&](int line, int column) { return page.cells[static_cast<std::size_t>(line * 7 + column)].fill; };
    EXPECT_EQ(fill(0, 0), kWhite);
    EXPECT_EQ(fill(0, 3), kWhite);
    EXPECT_EQ(fill(1, 1), kBand);
    EXPECT_EQ(fill(8, 2), kWhite);
    EXPECT_EQ(fill(9, 0), kWhite);
    EXPECT_EQ(fill(16, 6), kBand);
}

TEST(CellColours, TableAndOverrides) {
    WeekGrid grid = newWeek(2);
    grid.setCell(18, 3, "HTS");
    struct Case {
        int row, column;
        std::uint32_t colour;
    };
    for (const Case& c : {Case{0, 0, 0xC8B9C7}, Case{0, 4, 0xC8B9C7}, Case{1, 0, 0xDCDEDC}, Case{8, 1, 0xDCDEDC},
                          Case{9, 1, 0xC8B9C7}, Case{1, 2, 0x99FBFD}, Case{16, 6, 0xD7FDDB}, Case{5, 4, 0xF0F0F0},
                          Case{17, 2, 0x00D0FF}, Case{17, 0, 0xDCDEDC}, Case{18, 3, 0xF0F0F0}}) {
        EXPECT_EQ(cellColour(grid, c.row, c.column), c.colour) << c.row << "," << c.column;
    }
    grid.setCell(3, 2, " HTS");  // only the exact text is greyed
    EXPECT_EQ(cellColour(grid, 3, 2), 0x99FBFDu);
}

}  // namespace
