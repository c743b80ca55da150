// The non-replacement analysis of one week file of any shape, for a period and a place
// in the list of files derived from the first bytes: the totals are the sum of their
// motifs, each day's total the sum of its counts, and the bars fill the frame as drawn.
#include <algorithm>
#include <cstdint>
#include <numeric>
#include <string>
#include <vector>

#include "analysis/non_replacement_analysis.h"
#include "core/file_error.h"
#include "fuzz_support.h"
#include "week_table_check.h"

namespace {

using namespace tandarel;
using tandarel::fuzz::width;

constexpr std::string_view kRefusedPrefix = "Je ne traite pas la donnée suivante : ";

void checkAnalysis(const NonReplacementAnalysis& analysis, const std::vector<std::string>& messages) {
    FUZZ_CHECK(analysis.total == std::accumulate(analysis.totals.begin(), analysis.totals.end(), 0L));
    std::array<long, kMotifCount> dayTotals{};
    for (const auto& day : analysis.days) {
        for (std::size_t m = 0; m < kMotifCount; ++m) {
            FUZZ_CHECK(day.counts[m] >= 0 && day.counts[m] <= 999);
            dayTotals[m] += day.counts[m];
        }
        const int sum = std::accumulate(day.counts.begin(), day.counts.end(), 0);
        FUZZ_CHECK(day.total == (day.hts ? 0 : sum));
    }
    // A day's count is one cell; the period total has every counted cell of its motif.
    for (std::size_t m = 0; m < kMotifCount; ++m) FUZZ_CHECK(dayTotals[m] <= analysis.totals[m]);
    for (const auto& message : messages) {
        FUZZ_CHECK(message.starts_with(kRefusedPrefix) && message.ends_with(" !"));
    }
    const auto grid = nonReplacementGrid(analysis);
    FUZZ_CHECK(grid.size() == kMotifCount + 2);
    for (const auto& row : grid) FUZZ_CHECK(row.size() == 2);
}

void checkChart(const std::vector<DayCounts>& days) {
    const auto chart = barChart(days);
    int shown = 0, largest = 0;
    for (const auto& day : days)
        if (!day.hts) {
            ++shown;
            largest = std::max(largest, day.total);
        }
    FUZZ_CHECK(chart.unitWidth == barUnitWidth(shown) && chart.unitWidth >= 1 && chart.unitWidth <= 16);
    FUZZ_CHECK(chart.unitHeight == barUnitHeight(largest) && chart.unitHeight >= 1 && chart.unitHeight <= 256);
    if (largest == 0) {
        FUZZ_CHECK(chart.empty());
        return;
    }
    FUZZ_CHECK(chart.bars.size() == static_cast<std::size_t>(shown));
    const int w = chart.unitWidth, h = chart.unitHeight;
    const auto& frame = chart.frame;
    FUZZ_CHECK(frame.x == kChartLeft && frame.y + frame.height == kChartBaseline);
    FUZZ_CHECK(frame.height == largest * h + 30 && frame.width == 2 * w * shown + 20);
    std::size_t bar = 0;
    int x = kChartLeft + 10;
    for (const auto& day : days) {
        if (day.hts) continue;
        const auto& b = chart.bars[bar++];
        FUZZ_CHECK(b.line.x == x && b.line.height == day.total * h && b.line.y + b.line.height == kChartBaseline);
        FUZZ_CHECK(b.line.y >= frame.y && b.line.x + 2 * w <= frame.x + frame.width);
        // Stacked without gap from the baseline, as high as the line.
        int top = kChartBaseline;
        for (const auto& segment : b.segments) {
            FUZZ_CHECK(segment.rect.height > 0 && segment.rect.y + segment.rect.height == top);
            FUZZ_CHECK(segment.rect.x == x + 1 && segment.rect.width == 2 * w - 1);
            top = segment.rect.y;
        }
        FUZZ_CHECK(top == b.line.y);
        x += 2 * w;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputBytes input(data, size);
    Period period;
    fuzz::periodBounds(input, period.start, period.end);
    period.startText = frenchShortDate(period.start);
    period.endText = frenchShortDate(period.end);
    const std::size_t fileCount = 1 + static_cast<std::size_t>(input.below(3));
    const std::string bytes(input.rest());

    fuzz::checkWeekTable(bytes);
    const WeekTable table(bytes);
    const auto startKey = dateKey(period.start), endKey = dateKey(period.end);
    fuzz::checkColumns(table, startKey, endKey);

    NonReplacementAnalysis perPlace[4];
    std::vector<std::string> placeMessages[4];
    for (const auto place : {FilePlace::Only, FilePlace::First, FilePlace::Middle, FilePlace::Last}) {
        auto& analysis = perPlace[static_cast<int>(place)];
        auto& messages = placeMessages[static_cast<int>(place)];
        const auto columns = analysedColumns(table, place, startKey, endKey);
        countNonReplacements(table, columns, analysis, messages);
        FUZZ_CHECK(analysis.days.size() == static_cast<std::size_t>(width(columns)));
        FUZZ_CHECK(messages.size() <= 4 * analysis.days.size());
        checkAnalysis(analysis, messages);
        checkChart(analysis.days);
    }

    // The same file as the whole list of a period: the walk gives what each place gave.
    const auto files = fuzz::sameWeekFiles(fileCount);
    // A file too large to be a week stops the analysis with its reason.
    NonReplacementAnalysis analysis;
    try {
        analysis = analyseNonReplacements(files, period, fuzz::bytesReader(bytes));
    } catch (const FileError&) {
        FUZZ_CHECK(table.shapeProblem().has_value());
        return 0;
    }
    FUZZ_CHECK(!table.shapeProblem().has_value());
    std::vector<DayCounts> days;
    std::vector<std::string> messages;
    long total = 0;
    for (std::size_t i = 0; i < fileCount; ++i) {
        const auto place = static_cast<int>(filePlace(i, fileCount));
        days.insert(days.end(), perPlace[place].days.begin(), perPlace[place].days.end());
        messages.insert(messages.end(), placeMessages[place].begin(), placeMessages[place].end());
        total += perPlace[place].total;
    }
    FUZZ_CHECK(analysis.days == days && analysis.total == total);
    const bool lonelyAndEmpty = fileCount == 1 && analysedColumns(table, FilePlace::Only, startKey, endKey).empty();
    FUZZ_CHECK(analysis.walk.messages.size() == messages.size() + (lonelyAndEmpty ? 1u : 0u));
    FUZZ_CHECK(analysis.walk.files.size() == fileCount);
    checkAnalysis(analysis, {});
    checkChart(analysis.days);
    return 0;
}
