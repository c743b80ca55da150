#include "analysis/replacement_analysis.h"

#include <algorithm>

#include "analysis/analysis_format.h"
#include "core/fields.h"

namespace tandarel {
namespace {

// Index of the largest value, the first in grid order among equals, among those allowed.
template <typename Values, typename Allowed>
std::size_t largest(const Values& values, Allowed&& allowed) {
    std::size_t best = values.size();
    for (std::size_t i = 0; i < values.size(); ++i)
        if (allowed(i) && (best == values.size() || values[i] > values[best])) best = i;
    return best;
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

namespace {

// Where a motif line goes, as an index into MotifCounts::counts, kSkipped for "HTS" and
// "Indisponible". Written without data-dependent branches: motifs follow one another at
// random, and a mispredicted branch per cell costs more than the whole test.
constexpr std::size_t kSkipped = kCategoryCount;

struct LetterTable {
    std::array<std::uint8_t, 256> slot{};
    constexpr LetterTable() {
        for (auto& s : slot) s = static_cast<std::uint8_t>(Category::Inconnu);
        slot['M'] = static_cast<std::uint8_t>(Category::Maladie);
        slot['E'] = static_cast<std::uint8_t>(Category::Equipe);
        slot['C'] = static_cast<std::uint8_t>(Category::ConvPerso);
        slot['A'] = static_cast<std::uint8_t>(Category::Autre);
    }
};
constexpr LetterTable kLetters;

std::size_t slotOf(std::string_view stored, std::string_view marker) {
    if (stored.empty()) return static_cast<std::size_t>(Category::MiseADisposition);
    if (stored == "HTS" || stored == "Indisponible") return kSkipped;
    if (stored.substr(1, marker.size()) != marker) return static_cast<std::size_t>(Category::Inconnu);
    return kLetters.slot[static_cast<unsigned char>(stored.front())];
}

}  // namespace

int countReplacements(const WeekTable& table, ColumnRange columns, MotifCounts& counts) {
    int substitutes = 0;
    const int lastSubstituteLine = table.rowCount() - 5;
    const int first = std::max(columns.first, 0);
    const int last = std::min(columns.last, table.dayCount() - 1);
    const auto marker = WeekTable::storedMarker();
    std::array<long, kCategoryCount + 1> tally{};
    for (int row = 1; row <= lastSubstituteLine; ++row) {
        if (row % 8 == 1) ++substitutes;
        if (row % 2 != 0) continue;  // school lines; motif lines are the even ones
        int seen = 0;
        table.forEachDayCell(row, first, last, [&](int, std::string_view cell) {
            if (!cell.empty() && (static_cast<unsigned char>(cell.front()) <= 0x20 ||
                                  static_cast<unsigned char>(cell.back()) <= 0x20))
                cell = trimmed(cell);
            ++tally[slotOf(cell, marker)];
            ++seen;
        });
        // A line cut short by a hand edit holds empty cells where its fields are missing.
        if (last >= first) tally[static_cast<std::size_t>(Category::MiseADisposition)] += last - first + 1 - seen;
    }
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        counts.counts[i] += tally[i];
        counts.total += tally[i];
    }
    return substitutes;
}

int substituteSeed(std::size_t lines) { return lines == 0 ? 0 : static_cast<int>(lines - 1); }

ReplacementAnalysis analyseReplacements(const WeekFileList& files, const Period& period, SubstituteRange seed) {
    ReplacementAnalysis analysis;
    analysis.substitutes = seed;
    analysis.walk = walkPeriod(files, period, [&](const WeekTable& table, ColumnRange columns, PeriodWalk&) {
        const int substitutes = countReplacements(table, columns, analysis.counts);
        analysis.substitutes.minimum = std::min(analysis.substitutes.minimum, substitutes);
        analysis.substitutes.maximum = std::max(analysis.substitutes.maximum, substitutes);
    });
    return analysis;
}

Percentages percentages(const MotifCounts& counts) {
    Percentages percent;
    if (counts.total <= 0) return percent;
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        percent.values[i] = roundedPercent(counts.counts[i], counts.total);
        percent.sum += percent.values[i];
    }
    // 99 and 101 are put right by the largest percentage; a wider gap (several
    // roundings the same way) by as many of the largest ones, one point each. A
    // category with nothing counted never gains a point: it would show 1 % of nothing.
    std::array<bool, kCategoryCount> adjusted{};
    while (percent.sum != 100) {
        const int step = percent.sum < 100 ? 1 : -1;
        const auto i = largest(percent.values, [&](std::size_t k) {
            return !adjusted[k] && (step > 0 ? counts.counts[k] > 0 : percent.values[k] > 0);
        });
        if (i == kCategoryCount) break;
        adjusted[i] = true;
        percent.values[i] += step;
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
    angles[largest(angles, [](std::size_t) { return true; })] += 360 - sum;
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
