#include "analysis/replacement_analysis.h"

#include <algorithm>

#include "analysis/analysis_format.h"
#include "analysis/byte_scan.h"
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

namespace {

// Where a motif line goes, as an index into MotifCounts::counts, kSkipped for "HTS" and
// kUnavailableSlot for "Indisponible". Written without data-dependent branches: motifs
// follow one another at random, and a mispredicted branch per cell costs more than the
// whole test.
constexpr std::size_t kSkipped = kHtsSlot;

// The slot of a cell from its first byte, the second half for cells whose second byte
// is the motif marker.
struct SlotTable {
    std::array<std::uint8_t, 512> slot{};
    constexpr SlotTable() {
        for (auto& s : slot) s = static_cast<std::uint8_t>(Category::Inconnu);
        slot[256 + kIllnessLetter] = static_cast<std::uint8_t>(Category::Maladie);
        slot[256 + kTeamLetter] = static_cast<std::uint8_t>(Category::Equipe);
        slot[256 + kPersonalLetter] = static_cast<std::uint8_t>(Category::ConvPerso);
        slot[256 + kOtherLetter] = static_cast<std::uint8_t>(Category::Autre);
    }
};
constexpr SlotTable kSlots;

// The word a load of the first bytes of a text gives, whatever the byte order; the bytes
// past its end read as 0.
template <typename Word>
Word wordOf(std::string_view text) {
    char bytes[sizeof(Word)] = {};
    text.copy(bytes, sizeof bytes);
    return scan::load<Word>(bytes);
}

// "HTS" and "Indisponible" as the words a load of their stored bytes gives: "HTS" in one
// word, its bytes kept by a mask; "Indisponible" as its first 8 bytes and its last 4.
static_assert(kOutOfSchoolTime.size() <= 4 && kUnavailable.size() > 8 && kUnavailable.size() <= 12);
const std::uint32_t kHtsMask = wordOf<std::uint32_t>(std::string(kOutOfSchoolTime.size(), '\xFF'));
const std::uint32_t kHts = wordOf<std::uint32_t>(kOutOfSchoolTime);
const std::uint64_t kUnavailableHead = wordOf<std::uint64_t>(kUnavailable);
constexpr std::size_t kUnavailableTailAt = kUnavailable.size() - 4;
const std::uint32_t kUnavailableTail = wordOf<std::uint32_t>(kUnavailable.substr(kUnavailableTailAt));

// `stored` is a cell of a WeekTable: the bytes after it can be read (scan::kPadding),
// so the codes are compared as whole words, and the tests are combined without a
// branch on the cell. The byte after a cell shorter than 2 is its ";" or a line end,
// never the marker.
inline std::size_t slotOf(std::string_view stored) {
    const std::size_t n = stored.size();
    const char* p = stored.data();
    const std::size_t marked = p[1] == kStoredMotifMarker;
    std::size_t slot = kSlots.slot[256 * marked + static_cast<unsigned char>(p[0])];
    // Tests as numbers, combined with & and |: with && and ||, a branch each.
    auto bit = [](bool test) { return static_cast<std::size_t>(test); };
    const std::size_t hts =
        bit(n == kOutOfSchoolTime.size()) & bit((scan::load<std::uint32_t>(p) & kHtsMask) == kHts);
    const std::size_t unavailable = bit(n == kUnavailable.size()) &
                                    bit(scan::load<std::uint64_t>(p) == kUnavailableHead) &
                                    bit(scan::load<std::uint32_t>(p + kUnavailableTailAt) == kUnavailableTail);
    // Selections by mask: written as ?:, the compiler turns them back into branches.
    auto choose = [](std::size_t& chosen, std::size_t when, std::size_t value) {
        chosen ^= (chosen ^ value) & (std::size_t{0} - when);
    };
    choose(slot, hts, kSkipped);
    choose(slot, unavailable, kUnavailableSlot);
    choose(slot, bit(n == 0), static_cast<std::size_t>(Category::MiseADisposition));
    return slot;
}

constexpr auto kUnknown = static_cast<std::size_t>(Category::Inconnu);

// Blanks around a code are rare (hand edits), and leave it unknown: only then is the
// cell trimmed.
inline std::size_t countedSlot(std::string_view cell) {
    std::size_t slot = slotOf(cell);
    if (slot == kUnknown) [[unlikely]]
        slot = slotOf(trimmed(cell));
    return slot;
}

}  // namespace

std::size_t motifSlot(std::string_view stored) { return countedSlot(stored); }

void motifLineSlots(const WeekTable& table, int row, ColumnRange columns, std::span<std::uint8_t> slots,
                    std::span<std::string_view> cells) {
    const bool keep = !cells.empty();
    table.forEachDayCell(row, columns.first, columns.last, [&](int day, std::string_view cell) {
        slots[static_cast<std::size_t>(day)] = static_cast<std::uint8_t>(countedSlot(cell));
        if (keep) cells[static_cast<std::size_t>(day)] = cell;
    });
}

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
            ++tallies[static_cast<std::size_t>(day) % 4][countedSlot(cell)];
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
