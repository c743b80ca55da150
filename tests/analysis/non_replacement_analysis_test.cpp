#include <gtest/gtest.h>

#include "analysis/non_replacement_analysis.h"
#include "week_builder.h"

using namespace tandarel;
using tandarel::testing::WeekBuilder;

namespace {

const Date kMonday{2005, 4, 25};

struct Counted {
    NonReplacementAnalysis analysis;
    std::vector<std::string> messages;
};

Counted countAll(const WeekBuilder& week) {
    const WeekTable table(week.bytes());
    Counted c;
    countNonReplacements(table, {0, table.dayCount() - 1}, c.analysis, c.messages);
    return c;
}

TEST(NonReplacementCount, EachCellOfTheFourLines) {
    using Totals = std::array<long, kMotifCount>;  // Autre, Convenance, Equipe, Maladie
    struct Row {
        const char* cell;
        Totals totals;
        std::string message;
        bool hts = false;
    };
    const Row rows[] = {
        {"M¤12", {0, 0, 0, 12}, ""},
        {"M¤007", {0, 0, 0, 7}, ""},
        {" C¤3 ", {0, 3, 0, 0}, ""},
        {"A¤999", {999, 0, 0, 0}, ""},
        {"M¤1234", {0, 0, 0, 0}, "Je ne traite pas la donnée suivante : M¤1234 !"},
        {"E¤abc", {0, 0, 0, 0}, "Je ne traite pas la donnée suivante : E¤abc !"},
        {"Z¤x5", {0, 0, 0, 0}, "Je ne traite pas la donnée suivante : Z¤x5 !"},
        {"Z¤5", {0, 0, 0, 0}, ""},
        {"M¤", {0, 0, 0, 0}, ""},
        {"12", {0, 0, 0, 0}, ""},
        {"HTS", {0, 0, 0, 0}, "", true},
    };
    for (const auto& row : rows) {
        // The letter of the cell, not its line, says the motif: line E here.
        const auto c = countAll(WeekBuilder(kMonday, 1).missed(1, 2, row.cell));
        EXPECT_EQ(c.analysis.totals, row.totals) << row.cell;
        long sum = 0;
        for (const auto n : row.totals) sum += n;
        EXPECT_EQ(c.analysis.total, sum) << row.cell;
        EXPECT_EQ(c.messages, row.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{row.message})
            << row.cell;
        ASSERT_EQ(c.analysis.days.size(), 5u);
        EXPECT_EQ(c.analysis.days[2].hts, row.hts) << row.cell;
        EXPECT_EQ(c.analysis.days[2].total, row.hts ? 0 : static_cast<int>(sum)) << row.cell;
    }
}

TEST(BarChart, UnitsShrinkWithTheDaysAndTheLargestDay) {
    const std::pair<int, int> widths[] = {{0, 16},  {24, 16}, {25, 15}, {26, 14}, {27, 14}, {28, 13},  {30, 12},
                                          {33, 11}, {36, 10}, {39, 9},  {43, 8},  {49, 7},  {56, 6},   {65, 5},
                                          {78, 4},  {97, 3},  {128, 3}, {129, 2}, {192, 2}, {193, 1}, {2000, 1}};
    for (const auto& [days, width] : widths) EXPECT_EQ(barUnitWidth(days), width) << days;
    const std::pair<int, int> heights[] = {{1, 256}, {2, 128}, {3, 64}, {4, 64}, {5, 32},  {8, 32},  {9, 16},
                                           {16, 16}, {17, 8},  {32, 8}, {33, 4}, {64, 4},  {65, 2},  {128, 2},
                                           {129, 1}, {3996, 1}};
    for (const auto& [largest, height] : heights) EXPECT_EQ(barUnitHeight(largest), height) << largest;
}

TEST(BarChart, StackedBarsInAFrameHtsDaysLeftOut) {
    const std::vector<DayCounts> days = {
        {{0, 0, 1, 2}, 3, false},  // Equipe 1, Maladie 2
        {{5, 5, 5, 5}, 0, true},   // "HTS": no bar, whatever it holds
        {{1, 0, 0, 0}, 1, false},  // Autre 1
    };
    const auto chart = barChart(days);
    EXPECT_EQ(chart.unitWidth, 16);
    EXPECT_EQ(chart.unitHeight, 64);
    EXPECT_EQ(chart.frame, (Rect{10, 550 - (3 * 64 + 30), 2 * 16 * 2 + 20, 3 * 64 + 30}));
    ASSERT_EQ(chart.bars.size(), 2u);
    EXPECT_EQ(chart.bars[0].line, (Rect{20, 358, 1, 192}));
    EXPECT_EQ(chart.bars[0].segments,
              (std::vector<BarSegment>{{{21, 422, 31, 128}, 0xC0FFC0}, {{21, 358, 31, 64}, 0xBFFA7F}}));
    EXPECT_EQ(chart.bars[1].line, (Rect{52, 486, 1, 64}));
    EXPECT_EQ(chart.bars[1].segments, (std::vector<BarSegment>{{{53, 486, 31, 64}, 0x00DFFF}}));
}

TEST(BarChart, NothingMissedDrawsNoChart) {
    EXPECT_TRUE(barChart({}).empty());
    EXPECT_TRUE(barChart({DayCounts{}, DayCounts{{0, 0, 0, 0}, 0, true}}).empty());
    // 25 days: one day more than 24 narrows every bar.
    std::vector<DayCounts> month(25, DayCounts{{0, 0, 0, 1}, 1, false});
    month.push_back({{}, 0, true});
    const auto chart = barChart(month);
    EXPECT_EQ(chart.unitWidth, 15);
    EXPECT_EQ(chart.frame.width, 2 * 15 * 25 + 20);
}

}  // namespace
