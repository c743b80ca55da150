#include "planning/copy_rules.h"

#include <gtest/gtest.h>

#include "grid_fixtures.h"

using namespace tandarel;
using namespace tandarel::testing;
using Cells = std::vector<std::string>;

namespace {

WeekGrid withColumn(WeekGrid grid, int column, int first, const Cells& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) grid.setCell(first + static_cast<int>(i), column, cells[i]);
    return grid;
}

TEST(Extend, DayCopiesThePlageExceptOntoProtectedCells) {
    WeekGrid grid = withColumn(newWeek(2), 3, 9, {"Vernelle", "M¤DUPONT", "", "Indisponible", "x", "", "HTS", ""});
    ASSERT_TRUE(extendToDay(grid, 9, 3));
    EXPECT_EQ(columnCells(grid, 3, 9, 8),
              (Cells{"Vernelle", "M¤DUPONT", "Vernelle", "Indisponible", "Vernelle", "M¤DUPONT", "HTS", "M¤DUPONT"}));
    EXPECT_EQ(columnCells(grid, 3, 1, 8), Cells(8, ""));
}

TEST(Extend, DayRefusesWhatWouldOnlyWipe) {
    for (const char* school : {"", "  ", " HTS", "Indisponible"}) {
        WeekGrid grid = withColumn(newWeek(1), 2, 1, {school, "M¤X", "Vernelle", "C¤Y"});
        const WeekGrid before = grid;
        EXPECT_FALSE(extendToDay(grid, 1, 2)) << school;
        EXPECT_EQ(grid, before) << school;
    }
    WeekGrid grid = withColumn(newWeek(1), 2, 5, {"Vernelle", "M¤X"});
    EXPECT_FALSE(extendToDay(grid, 5, 2));  // only from "M 1"
    EXPECT_TRUE(extendOffersChoice(grid, 1));
    EXPECT_FALSE(extendOffersChoice(grid, 5));
    EXPECT_FALSE(extendOffersChoice(grid, 9));  // the counts of a one-substitute week
}

TEST(Extend, HalfDayGoesToTheOtherPlageOfTheHalfDay) {
    struct Case {
        const char* name;
        int row;  // in the morning of block 1, rows 1-4
        Cells before;
        Cells after;
    };
    const Case cases[] = {
        {"FromFirstSchool", 1, {" Vernelle ", "M¤A ", "HTS", "HTS"}, {" Vernelle ", "M¤A ", "Vernelle", "M¤A"}},
        {"FromFirstName", 2, {"Vernelle", "M¤A", "", ""}, {"Vernelle", "M¤A", "Vernelle", "M¤A"}},
        {"FromSecondSchool", 3, {"", "", "Aubrin", "E¤B"}, {"Aubrin", "E¤B", "Aubrin", "E¤B"}},
        {"FromSecondName", 4, {"x", "y", "Aubrin", "E¤B"}, {"Aubrin", "E¤B", "Aubrin", "E¤B"}},
        {"EmptyCellExtendsNothing", 4, {"x", "y", "Aubrin", " "}, {"x", "y", "Aubrin", " "}},
    };
    for (const Case& c : cases) {
        WeekGrid grid = withColumn(newWeek(1), 2, 1, c.before);
        extendToHalfDay(grid, c.row, 2);
        EXPECT_EQ(columnCells(grid, 2, 1, 4), c.after) << c.name;
        EXPECT_EQ(columnCells(grid, 2, 5, 4), Cells(4, "")) << c.name;
    }
}

TEST(Copy, SpanSetsTheSourceRows) {
    const WeekGrid grid = withColumn(newWeek(2), 2, 9, {"a", "b", "c", "d", "e", "f", "g", "h"});
    struct Case {
        int row;
        CopySpan span;
        int first;
        Cells texts;
    };
    for (const Case& c : {Case{13, CopySpan::Day, 9, {"a", "b", "c", "d", "e", "f", "g", "h"}},
                          Case{16, CopySpan::HalfDay, 13, {"e", "f", "g", "h"}},
                          Case{12, CopySpan::Plage, 11, {"c", "d"}}}) {
        const CopyToRight copy(grid, c.row, 2, c.span);
        EXPECT_EQ(copy.firstRow(), c.first);
        EXPECT_EQ(copy.texts(), c.texts);
    }
    EXPECT_EQ(CopyToRight(grid, 17, 2, CopySpan::Plage).texts(), Cells{});  // counts are not copied
}

TEST(Copy, NeverOverProtectedCellsNorCopiesHts) {
    WeekGrid grid = withColumn(newWeek(1), 2, 1, {"Vernelle", "HTS", "Indisponible", "M¤X", "", "", "", ""});
    grid = withColumn(grid, 3, 1, {"HTS", "old", "", "Indisponible", "y", "z", "", ""});
    CopyToRight copy(grid, 1, 2, CopySpan::Day);
    ASSERT_TRUE(copy.copyNext(grid));
    EXPECT_EQ(columnCells(grid, 3, 1, 8), (Cells{"HTS", "old", "Indisponible", "Indisponible", "", "", "", ""}));
    EXPECT_EQ(copy.column(), 3);
}

TEST(Copy, GoesOnIntoTheNextWeekWhileItsBlocksExist) {
    WeekGrid grid = withColumn(newWeek(3), 6, 17, {"Vernelle", "M¤X"});
    CopyToRight copy(grid, 17, 6, CopySpan::Plage);
    ASSERT_TRUE(copy.needsNextWeek(grid));  // Friday is the last column

    WeekGrid next = newWeek(3);
    copy.startNextWeek();
    ASSERT_TRUE(copy.copyNext(next));
    EXPECT_EQ(columnCells(next, 2, 17, 2), (Cells{"Vernelle", "M¤X"}));

    // A following week built for two substitutes has no third block: nothing is
    // written, least of all into its counts.
    WeekGrid shorter = newWeek(2);
    copy.startNextWeek();
    EXPECT_FALSE(copy.fits(shorter));
    EXPECT_FALSE(copy.copyNext(shorter));
    EXPECT_EQ(shorter, newWeek(2));
    EXPECT_EQ(copyStopReason(shorter), kCopyStopsShortWeek);
    EXPECT_EQ(copyStopReason(newWeek(2, WorkingWeekSlots(12, ""))), kCopyStopsNoDay);
}

TEST(Clear, DayFromFirstRowOnly) {
    const Cells day{"Vernelle", "M¤X", "HTS", "HTS", "Indisponible", "C¤Y", "Aubrin", "A¤Z"};
    WeekGrid grid = withColumn(newWeek(2), 5, 9, day);
    EXPECT_EQ(clearDay(grid, 13, 5), ClearResult::Nothing);  // "AM 1"
    EXPECT_EQ(columnCells(grid, 5, 9, 8), day);
    EXPECT_EQ(clearDay(grid, 9, 5), ClearResult::Cleared);
    EXPECT_EQ(columnCells(grid, 5, 9, 8), (Cells{"", "", "HTS", "HTS", "Indisponible", "", "", ""}));
    grid.setCell(9, 5, " HTS");
    EXPECT_EQ(clearDay(grid, 9, 5), ClearResult::Refused);
}

TEST(Clear, PlageTakesItsPartner) {
    const Cells day{"Vernelle", "M¤X", "Aubrin", "E¤Y", "HTS", "HTS", "", ""};
    WeekGrid grid = withColumn(newWeek(1), 2, 1, day);
    EXPECT_EQ(clearPlage(grid, 1, 2), ClearResult::Cleared);
    EXPECT_EQ(clearPlage(grid, 4, 2), ClearResult::Cleared);
    EXPECT_EQ(clearPlage(grid, 5, 2), ClearResult::Refused);
    EXPECT_EQ(clearPlage(grid, 9, 2), ClearResult::Nothing);  // counts
    EXPECT_EQ(columnCells(grid, 2, 1, 8), (Cells{"", "", "", "", "HTS", "HTS", "", ""}));
}

}  // namespace
