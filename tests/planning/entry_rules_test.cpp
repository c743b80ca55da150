#include "planning/entry_rules.h"

#include <gtest/gtest.h>

#include "grid_fixtures.h"

using namespace tandarel;
using namespace tandarel::testing;

namespace {

// Monday is column 2, Wednesday (afternoon "HTS") column 4; 3 substitutes, counts in rows 25-28.
struct SelectCase {
    const char* name;
    int row;
    int column;
    const char* text;  // written into the cell first (nullptr: the new week's own text)
    SelectionEffect::SchoolList schoolList;
    bool motif;
    std::optional<bool> editing;
    bool clearDay, copy, clearPlage;
    std::vector<std::string> rowsAfter;  // the cell and the row below, after the selection
};

class SelectCell : public ::testing::TestWithParam<SelectCase> {};

TEST_P(SelectCell, ShowsAndEmptiesAsTheRowKindSays) {
    const auto& c = GetParam();
    WeekGrid grid = newWeek(3);
    if (c.text) grid.setCell(c.row, c.column, c.text);
    const WeekGrid before = grid;
    const auto effect = selectCell(grid, c.row, c.column);
    EXPECT_EQ(effect.schoolList, c.schoolList);
    EXPECT_EQ(effect.showMotifGroup, c.motif);
    EXPECT_EQ(effect.editing, c.editing);
    EXPECT_EQ(effect.clearDayEnabled, c.clearDay);
    EXPECT_EQ(effect.copyEnabled, c.copy);
    EXPECT_EQ(effect.clearPlageEnabled, c.clearPlage);
    EXPECT_EQ(columnCells(grid, c.column, c.row, 2), c.rowsAfter);
    EXPECT_EQ(effect.gridChanged, !(grid == before));
}

using SL = SelectionEffect::SchoolList;
INSTANTIATE_TEST_SUITE_P(
    Rows, SelectCell,
    ::testing::Values(
        SelectCase{"HtsSchoolRowOfSecondBlockEmptiesThePlage", 13, 4, nullptr, SL::Disabled, false, {}, false, false,
                   false, {"", ""}},
        SelectCase{"HtsInRowOneStays", 1, 2, "HTS", SL::Disabled, false, {}, true, true, true, {"HTS", ""}},
        SelectCase{"HtsNameRowEmptiesTheSchoolAbove", 6, 4, nullptr, SL::Disabled, false, {}, false, false, false,
                   {"", "HTS"}},
        SelectCase{"SchoolRowOffersTheList", 9, 2, "Vernelle", SL::FirstSchool, false, false, true, true, true,
                   {"Vernelle", ""}},
        SelectCase{"AfternoonFirstPlageMayClearItsDay", 5, 2, "Vernelle", SL::FirstSchool, false, false, true, true,
                   true, {"Vernelle", ""}},
        SelectCase{"NameRowShowsTheMotifs", 2, 2, "M¤DUPONT", SL::Disabled, true, {}, false, true, true,
                   {"M¤DUPONT", ""}},
        SelectCase{"LastNameRowShowsMotifsWithoutTheList", 24, 2, "x", SL::Disabled, true, {}, false, true, true,
                   {"x", ""}},
        SelectCase{"OddCountRowNeverOffersSchools", 25, 2, "M¤3", SL::Disabled, false, false, false, false, false,
                   {"M¤3", ""}},
        SelectCase{"LabelCellSwitchesEditingOff", 1, 0, nullptr, SL::Disabled, false, false, false, false, false,
                   {"NOM 1", "Elém Pradoux"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Motif, LetterThenMarkerKeepsTheName) {
    struct Case {
        const char* cell;
        char letter;
        const char* expected;
    };
    for (const Case& c : {Case{"", 'M', "M¤"}, Case{"HTS", 'E', "E¤"}, Case{" HTS ", 'A', "A¤"},
                          Case{"M¤DUPONT Jean", 'C', "C¤DUPONT Jean"}, Case{"DUPONT Jean", 'C', "C¤DUPONT Jean"},
                          Case{"A¤", 'M', "M¤"}, Case{"é¤x", 'E', "E¤x"}, Case{"¤x", 'M', "M¤¤x"}}) {
        EXPECT_EQ(withMotif(c.cell, c.letter), c.expected) << c.cell;
    }
}

TEST(Motif, OutOfSchoolTimeMarksThePlage) {
    WeekGrid grid = newWeek(2);
    grid.setCell(11, 3, "Vernelle");
    EXPECT_TRUE(markOutOfSchoolTime(grid, 12, 3));
    EXPECT_EQ(columnCells(grid, 3, 11, 2), (std::vector<std::string>{"HTS", "HTS"}));
    EXPECT_FALSE(markOutOfSchoolTime(grid, 1, 3));   // no plage above the first row
    EXPECT_FALSE(markOutOfSchoolTime(grid, 18, 3));  // counts
    EXPECT_EQ(grid.cell(17, 3), "");
    EXPECT_FALSE(chooseMotif(grid, 19, 2, 'M'));
    EXPECT_FALSE(chooseSchool(grid, 3, 2, "A;B"));
}

TEST(Counts, PlusAndMinusStayWithinThreeDigits) {
    struct Case {
        const char* name;
        int sectionRow;  // 0..3: "M", "E", "C", "A"
        const char* cell;
        int step;
        const char* expected;
    };
    const Case cases[] = {
        {"EmptyCountsUp", 0, "", 1, "M¤1"},
        {"CountsUp", 1, "E¤5", 1, "E¤6"},
        {"StopsAt999", 1, "E¤999", 1, "E¤999"},
        {"ZeroStays", 2, "C¤0", -1, "C¤0"},
        {"EmptyStays", 2, "", -1, ""},
        {"LetterComesFromTheRow", 2, "M¤7", 1, "C¤8"},
        {"OtherTextReadsZero", 1, "HTS", 1, "E¤1"},
        {"OldOverflowComesBack", 1, "E¤1000", -1, "E¤999"},
        {"OldOverflowNotReset", 1, "E¤1000", 1, "E¤1000"},
    };
    for (const Case& c : cases) {
        WeekGrid grid = newWeek(1);
        const int row = grid.firstNonReplacementRow() + c.sectionRow;
        grid.setCell(row, 3, c.cell);
        stepCount(grid, row, 3, c.step);
        EXPECT_EQ(grid.cell(row, 3), c.expected) << c.name;
    }
    WeekGrid grid = newWeek(1);
    EXPECT_FALSE(stepCount(grid, 8, 3, 1));  // a name row
    EXPECT_FALSE(stepCount(grid, 9, 1, 1));  // the label column
    EXPECT_EQ(grid, newWeek(1));
}

TEST(Toggles, ColumnGoesOutOfSchoolTimeAndBack) {
    WeekGrid grid = newWeek(2);
    grid.setCell(3, 2, "Vernelle");
    ASSERT_TRUE(toggleColumnOutOfSchoolTime(grid, 2));
    EXPECT_EQ(columnCells(grid, 2, 1, grid.rowCount() - 1), std::vector<std::string>(20, "HTS"));
    ASSERT_TRUE(toggleColumnOutOfSchoolTime(grid, 2));
    EXPECT_EQ(columnCells(grid, 2, 1, grid.rowCount() - 1), std::vector<std::string>(20, ""));
    EXPECT_EQ(grid.cell(0, 2), "lundi 25 avril 2005");
    EXPECT_FALSE(toggleColumnOutOfSchoolTime(grid, 1));
}

TEST(Toggles, UnavailableDayKeepsOutOfSchoolTime) {
    WeekGrid grid = newWeek(2);
    ASSERT_TRUE(toggleUnavailableDay(grid, 9, 4));  // Wednesday: afternoon "HTS"
    EXPECT_EQ(columnCells(grid, 4, 9, 8),
              (std::vector<std::string>{"Indisponible", "Indisponible", "Indisponible", "Indisponible", "HTS", "HTS",
                                        "HTS", "HTS"}));
    EXPECT_EQ(columnCells(grid, 4, 1, 4), std::vector<std::string>(4, ""));
    ASSERT_TRUE(toggleUnavailableDay(grid, 9, 4));
    EXPECT_EQ(grid, newWeek(2));
    EXPECT_FALSE(toggleUnavailableDay(grid, 10, 4));
}

TEST(MotifGroup, PlacedAboveTheMouseAndKeptOnScreen) {
    struct Case {
        const char* name;
        Point mouse;
        Point expected;
    };
    for (const Case& c : {Case{"Free", {300, 400}, {300, 363}}, Case{"RightEdge", {1130, 400}, {970, 363}},
                          Case{"BottomEdge", {300, 950}, {300, 768}}, Case{"TopEdge", {300, 20}, {300, 0}}}) {
        EXPECT_EQ(motifGroupPosition(c.mouse, 150, 85, 1280, 1024), c.expected) << c.name;
    }
}

}  // namespace
