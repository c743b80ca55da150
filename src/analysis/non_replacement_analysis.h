#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/replacement_analysis.h"
#include "analysis/week_table.h"

namespace tandarel {

// The motifs of the non-replacement lines, in the order of their result grid.
enum class Motif { Autre, ConvPerso, Equipe, Maladie };
inline constexpr std::size_t kMotifCount = 4;

struct MotifInfo {
    std::string_view label;
    char letter;
    std::uint32_t colour;  // 0xBBGGRR
};
inline constexpr std::array<MotifInfo, kMotifCount> kMotifs = {{
    {"Autre raison", kOtherLetter, 0x00DFFF},
    {"Convenance personnelle", kPersonalLetter, 0x00C0FF},
    {"Equipe", kTeamLetter, 0xBFFA7F},
    {"Maladie", kIllnessLetter, 0xC0FFC0},
}};

// One analysed day of the period day table: the quarter-days not replaced by motif
// (grid order) and their total; a day marked "HTS" counts nothing and has no bar.
struct DayCounts {
    std::array<int, kMotifCount> counts{};
    int total = 0;
    bool hts = false;
    bool operator==(const DayCounts&) const = default;
};

struct NonReplacementAnalysis {
    PeriodWalk walk;
    std::array<long, kMotifCount> totals{};
    long total = 0;
    std::vector<DayCounts> days;  // the period day table, analysed days only
};

// Reads the non-replacement lines of one file on the analysed columns into `analysis`;
// a count that is not 1 to 3 digits is reported in `messages` and counts 0.
void countNonReplacements(const WeekTable& table, ColumnRange columns, NonReplacementAnalysis& analysis,
                          std::vector<std::string>& messages);

// Throws UnreadableWeekFile when a week file cannot be read.
NonReplacementAnalysis analyseNonReplacements(const WeekFileList& files, const Period& period,
                                              const WeekBytesReader& read = readWeekFileBytes);

GridRows initialNonReplacementGrid();
GridRows nonReplacementGrid(const NonReplacementAnalysis& analysis);

inline constexpr std::string_view kNothingMissedMessage =
    "Aucun quart de journée non remplacé pendant la plage analysée...";

// The stacked bar chart, in window pixels (y grows downwards).
struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const Rect&) const = default;
};
struct BarSegment {
    Rect rect;
    std::uint32_t colour;
    bool operator==(const BarSegment&) const = default;
};
struct DayBar {
    Rect line;  // the black line, the day total high
    std::vector<BarSegment> segments;  // from the baseline up: Maladie, Equipe, Convenance, Autre
};
struct BarChart {
    int unitWidth = 16;   // a bar is twice as wide
    int unitHeight = 256; // pixels per quarter-day
    Rect frame;
    std::vector<DayBar> bars;
    bool empty() const { return bars.empty(); }
};
inline constexpr int kChartLeft = 10, kChartBaseline = 550;

int barUnitWidth(int days);
int barUnitHeight(int largestDayTotal);
// No chart (no bar) when no day has a quarter-day left without replacement.
BarChart barChart(const std::vector<DayCounts>& days);

}  // namespace tandarel
