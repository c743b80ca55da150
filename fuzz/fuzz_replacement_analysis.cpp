// The replacement analysis of one week file of any shape, for a period and a place in
// the list of files derived from the first bytes: the table agrees with the field walk,
// the counts with their total, the percentages add up to 100 (98 or 102 left as they
// are) and the pie to 360 degrees.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <string>
#include <vector>

#include "analysis/replacement_analysis.h"
#include "core/fields.h"
#include "core/file_error.h"
#include "fuzz_support.h"
#include "week_table_check.h"

namespace {

using namespace tandarel;
using tandarel::fuzz::width;

long sum(const MotifCounts& counts) { return std::accumulate(counts.counts.begin(), counts.counts.end(), 0L); }

void checkPercentages(const MotifCounts& counts) {
    const auto percent = percentages(counts);
    const int total = std::accumulate(percent.values.begin(), percent.values.end(), 0);
    FUZZ_CHECK(total == percent.sum);
    if (counts.total <= 0) {
        FUZZ_CHECK(percent.sum == 0);
        for (const int p : percent.values) FUZZ_CHECK(p == 0);
    } else {
        // Six roundings stray by two points at most; only one point is put right.
        FUZZ_CHECK(percent.sum == 100 || percent.sum == 98 || percent.sum == 102);
        for (std::size_t i = 0; i < kCategoryCount; ++i) {
            const int p = percent.values[i];
            FUZZ_CHECK(p >= 0 && p <= 100);
            // Within half a point of the exact share (a rounding), a point and a half
            // when a sum of 99 or 101 was corrected.
            const long stray = percent.sum == 100 ? 3L : 1L;
            FUZZ_CHECK(std::labs(2L * p * counts.total - 200L * counts.counts[i]) <= stray * counts.total);
            if (counts.counts[i] == 0) FUZZ_CHECK(p == 0);
            if (counts.counts[i] == counts.total) FUZZ_CHECK(p == 100);
        }
    }
    const auto angles = pieAngles(percent);
    const int degrees = std::accumulate(angles.begin(), angles.end(), 0);
    for (const int a : angles) FUZZ_CHECK(a >= 0 && a <= 360);
    FUZZ_CHECK(degrees == (percent.sum > 0 ? 360 : 0));
    int next = 0;
    for (const auto& sector : pieSectors(percent)) {
        FUZZ_CHECK(sector.startDegrees == next && sector.spanDegrees > 0);
        next += sector.spanDegrees;
    }
    FUZZ_CHECK(next == degrees);
}

void checkGrid(const MotifCounts& counts) {
    const auto grid = replacementGrid(counts, percentages(counts));
    FUZZ_CHECK(grid.size() == kCategoryCount + 2);
    for (const auto& row : grid) FUZZ_CHECK(row.size() == 3);
}

// The counting rule as it reads, cell by cell (checkWeekTable holds the cells to the core
// field walk): the reference the table's faster count must agree with.
MotifCounts referenceCount(const WeekTable& table, ColumnRange columns) {
    MotifCounts counts;
    const auto marker = WeekTable::storedMarker();
    const int first = std::max(columns.first, 0), last = std::min(columns.last, table.dayCount() - 1);
    for (int row = 2; row <= table.rowCount() - 5; row += 2)
        for (int day = first; day <= last; ++day) {
            const auto cell = trimmed(table.cell(row, day));
            Category category = Category::Inconnu;
            if (cell == "HTS" || cell == "Indisponible") continue;
            if (cell.empty())
                category = Category::MiseADisposition;
            else if (cell.substr(1, marker.size()) == marker)
                switch (cell.front()) {
                    case 'M': category = Category::Maladie; break;
                    case 'E': category = Category::Equipe; break;
                    case 'C': category = Category::ConvPerso; break;
                    case 'A': category = Category::Autre; break;
                    default: break;
                }
            ++counts.counts[static_cast<std::size_t>(category)];
            ++counts.total;
        }
    return counts;
}

// Six counts of up to 16 bits, scaled by up to 2^15: far more than a year of files holds.
MotifCounts countsFrom(fuzz::InputBytes& input) {
    MotifCounts counts;
    const int shift = input.below(16);
    for (auto& c : counts.counts) {
        c = static_cast<long>(input.next() | input.next() << 8) << shift;
        counts.total += c;
    }
    return counts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputBytes input(data, size);
    Period period;
    fuzz::periodBounds(input, period.start, period.end);
    period.startText = frenchShortDate(period.start);
    period.endText = frenchShortDate(period.end);
    const std::size_t fileCount = 1 + static_cast<std::size_t>(input.below(3));
    checkPercentages(countsFrom(input));
    const std::string bytes(input.rest());

    fuzz::checkWeekTable(bytes);
    const WeekTable table(bytes);
    const auto startKey = dateKey(period.start), endKey = dateKey(period.end);
    fuzz::checkColumns(table, startKey, endKey);

    // Counting on the analysed columns, for each place a file can hold.
    const int rows = table.rowCount(), substituteLines = std::max(0, rows - 5);
    const int blocks = (substituteLines + 7) / 8, motifLines = substituteLines / 2;
    MotifCounts all;
    FUZZ_CHECK(countReplacements(table, {0, table.dayCount() - 1}, all) == blocks);
    FUZZ_CHECK(all.total == sum(all));
    FUZZ_CHECK(all.total <= static_cast<long>(motifLines) * table.dayCount());
    checkPercentages(all);
    checkGrid(all);
    MotifCounts perPlace[4];
    for (const auto place : {FilePlace::Only, FilePlace::First, FilePlace::Middle, FilePlace::Last}) {
        auto& counts = perPlace[static_cast<int>(place)];
        const auto columns = analysedColumns(table, place, startKey, endKey);
        FUZZ_CHECK(countReplacements(table, columns, counts) == blocks);
        const auto reference = referenceCount(table, columns);
        FUZZ_CHECK(counts.counts == reference.counts && counts.total == reference.total);
        FUZZ_CHECK(counts.total == sum(counts));
        FUZZ_CHECK(counts.total <= static_cast<long>(motifLines) * width(columns));
        for (std::size_t i = 0; i < kCategoryCount; ++i) FUZZ_CHECK(counts.counts[i] <= all.counts[i]);
        checkPercentages(counts);
    }

    // The same file read as the whole list of a period: the walk and the analysis agree
    // with the counting of each file on its own place.
    const auto files = fuzz::sameWeekFiles(fileCount);
    // A file too large to be a week stops the analysis with its reason.
    ReplacementAnalysis analysis;
    try {
        analysis = analyseReplacements(files, period, {blocks + 1, blocks + 1}, fuzz::bytesReader(bytes));
    } catch (const FileError&) {
        FUZZ_CHECK(table.shapeProblem().has_value());
        return 0;
    }
    FUZZ_CHECK(!table.shapeProblem().has_value());
    MotifCounts expected;
    std::size_t days = fileCount - 1;  // a blank line between two files
    for (std::size_t i = 0; i < fileCount; ++i) {
        const auto place = filePlace(i, fileCount);
        const auto& counts = perPlace[static_cast<int>(place)];
        for (std::size_t c = 0; c < kCategoryCount; ++c) expected.counts[c] += counts.counts[c];
        expected.total += counts.total;
        days += static_cast<std::size_t>(width(analysedColumns(table, place, startKey, endKey)));
    }
    FUZZ_CHECK(analysis.counts.counts == expected.counts && analysis.counts.total == expected.total);
    FUZZ_CHECK(analysis.substitutes.minimum == blocks && analysis.substitutes.maximum == blocks + 1);
    FUZZ_CHECK(analysis.walk.files.size() == fileCount);
    FUZZ_CHECK(analysis.walk.days.size() == days);
    // Each analysed day under its date, red when all "HTS", else in its file's colour;
    // a blank line between two files; the range from the first day to the last.
    std::size_t entry = 0;
    std::vector<std::string> shown;
    for (std::size_t i = 0; i < fileCount; ++i) {
        const auto columns = analysedColumns(table, filePlace(i, fileCount), startKey, endKey);
        const auto colour = (i + 1) % 2 == 0 ? kEvenFileColour : kOddFileColour;
        FUZZ_CHECK(analysis.walk.files[i].colour == colour);
        for (int day = columns.first; day <= columns.last; ++day) {
            const auto& listed = analysis.walk.days[entry++];
            FUZZ_CHECK(listed.text == table.header(day));
            FUZZ_CHECK(listed.colour == (table.allHts(day) ? kHtsDayColour : colour));
            shown.push_back(listed.text);
        }
        if (i + 1 < fileCount) FUZZ_CHECK(analysis.walk.days[entry++].text.empty());
    }
    FUZZ_CHECK(analysis.walk.rangeStart == (shown.empty() ? period.startText : shown.front()));
    FUZZ_CHECK(analysis.walk.rangeEnd == (shown.empty() ? period.endText : shown.back()));
    const bool lonelyAndEmpty = fileCount == 1 && analysedColumns(table, FilePlace::Only, startKey, endKey).empty();
    FUZZ_CHECK(analysis.walk.messages.size() == (lonelyAndEmpty ? 1u : 0u));
    (void)substituteLine(analysis.substitutes);
    return 0;
}
