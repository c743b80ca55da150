#include "analysis/replacement_analysis.h"

#include <algorithm>

#include "analysis/analysis_format.h"
#include "analysis/motif_slot.h"
#include "core/fields.h"

namespace tandarel {
namespace {

// Index of the largest value, the first in grid order among equals.
template <typename Values>
std::size_t largest(const Values& values) {
    return static_cast<std::size_t>(std::max_element(values.begin(), values.end()) - values.begin());
}

// round(100 * part / whole), a half going to the even neighbour.
int roundedPercent(long part, long whole) {
    const long scaled = 100 * part;
    long quotient = scaled / whole;
    const long twiceRemainder = 2 * (scaled % whole);
    if (twiceRemainder > whole || (twiceRemainder == whole && quotient % 2 != 0)) ++quotient;
    return static_cast<int>(quotient);
}

}  // namespace

int countReplacements(const WeekTable& table, ColumnRange columns, MotifCounts& counts) {
    // A block begun counts as a substitute.
    const int lastSubstituteLine = lastSubstituteRow(table.rowCount());
    const int substitutes = lastSubstituteLine >= kFirstBlockRow ? blockOf(lastSubstituteLine) + 1 : 0;
    const int first = std::max(columns.first, 0);
    const int last = std::min(columns.last, table.dayCount() - 1);
    // Four tallies, the days taking them in turn: the cells of a line often fall in the
    // same category, and adding to one counter cell after cell waits on each addition.
    std::array<std::array<long, kMotifSlotCount>, 4> tallies{};
    // The motif lines: the second of each plage.
    for (int row = kFirstBlockRow + 1; row <= lastSubstituteLine; row += kPlageRows)
        table.forEachDayCell(row, first, last, [&](int day, std::string_view cell) {
            ++tallies[static_cast<std::size_t>(day) % 4][motif::countedSlot(cell)];
        });
    for (const auto& tally : tallies)
        for (std::size_t i = 0; i < kCategoryCount; ++i) {
            counts.counts[i] += tally[i];
            counts.total += tally[i];
        }
    return substitutes;
}

int substituteSeed(std::size_t lines) { return lines == 0 ? 0 : static_cast<int>(lines - 1); }

ReplacementAnalysis analyseReplacements(const WeekFileList& files, const Period& period, SubstituteRange seed,
                                        const WeekBytesReader& read) {
    struct FileCount {
        MotifCounts counts;
        int substitutes = 0;
    };
    std::vector<FileCount> fileCounts(files.size());
    ReplacementAnalysis analysis;
    analysis.walk = walkPeriod(files, period,
                               [&](std::size_t index, const WeekTable& table, ColumnRange columns,
                                   std::vector<std::string>&) {
                                   auto& file = fileCounts[index];
                                   file.substitutes = countReplacements(table, columns, file.counts);
                               },
                               read);
    analysis.substitutes = seed;
    for (const auto& file : fileCounts) {
        for (std::size_t i = 0; i < kCategoryCount; ++i) analysis.counts.counts[i] += file.counts.counts[i];
        analysis.counts.total += file.counts.total;
        analysis.substitutes.minimum = std::min(analysis.substitutes.minimum, file.substitutes);
        analysis.substitutes.maximum = std::max(analysis.substitutes.maximum, file.substitutes);
    }
    return analysis;
}

Percentages percentages(const MotifCounts& counts) {
    Percentages percent;
    if (counts.total <= 0) return percent;
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        percent.values[i] = roundedPercent(counts.counts[i], counts.total);
        percent.sum += percent.values[i];
    }
    // Only 99 and 101 are put right, by the largest percentage. 98 and 102 stand and are
    // shown as such: spreading two points would show equal counts as unequal shares.
    if (percent.sum == 99 || percent.sum == 101) {
        const int step = percent.sum == 99 ? 1 : -1;
        percent.values[largest(percent.values)] += step;
        percent.sum += step;
    }
    return percent;
}

std::array<int, kCategoryCount> pieAngles(const Percentages& percent) {
    std::array<int, kCategoryCount> angles{};
    if (percent.sum <= 0) return angles;
    int sum = 0;
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        angles[i] = 360 * percent.values[i] / percent.sum;
        sum += angles[i];
    }
    angles[largest(angles)] += 360 - sum;
    return angles;
}

std::vector<PieSector> pieSectors(const Percentages& percent) {
    std::vector<PieSector> sectors;
    const auto angles = pieAngles(percent);
    int start = 0;
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        if (angles[i] > 0) sectors.push_back({start, angles[i], kCategories[i].colour});
        start += angles[i];
    }
    return sectors;
}

GridRows initialReplacementGrid() {
    GridRows rows{{"Motifs d'absence", "   Totaux", "      %"}};
    for (const auto& category : kCategories) rows.push_back({std::string(category.label), "0", "0 %"});
    rows.push_back({kTotalRowLabel, "0", "0 %"});
    return rows;
}

GridRows replacementGrid(const MotifCounts& counts, const Percentages& percent) {
    GridRows rows{{"Motifs d'absence", "   Totaux", "      %"}};
    for (std::size_t i = 0; i < kCategoryCount; ++i)
        rows.push_back({std::string(kCategories[i].label), paddedDays(counts.counts[i]),
                        paddedPercent(percent.values[i])});
    rows.push_back({kTotalRowLabel, paddedDays(counts.total), paddedPercent(percent.sum)});
    return rows;
}

SubstituteLine substituteLine(SubstituteRange range) {
    if (range.minimum == range.maximum) return {" Nombre de personnels : ", std::to_string(range.minimum)};
    return {"Nb MIN/MAX de personnels :", std::to_string(range.minimum) + "/" + std::to_string(range.maximum)};
}

}  // namespace tandarel
