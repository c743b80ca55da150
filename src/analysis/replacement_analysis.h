#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/week_table.h"

namespace tandarel {

// The categories of the replacement analysis, in the order of the result grid.
enum class Category { Maladie, Equipe, ConvPerso, Autre, MiseADisposition, Inconnu };
inline constexpr std::size_t kCategoryCount = 6;

struct CategoryInfo {
    std::string_view label;
    std::uint32_t colour;    // 0xBBGGRR, in the pie chart and (when `inGrid`) behind the grid values
    bool inGrid;
};
inline constexpr std::array<CategoryInfo, kCategoryCount> kCategories = {{
    {"Maladie", 0xC0FFC0, true},
    {"Equipe", 0xBFFA7F, true},
    {"Convenance personnelle", 0x00C0FF, true},
    {"Autre raison", 0x00DFFF, true},
    {"Mise à disposition", 0xFFFFFF, false},
    {"Inconnu (bug)", 0xB0E0DC, true},
}};

// Quarter-days by category over the period, and their total.
struct MotifCounts {
    std::array<long, kCategoryCount> counts{};
    long total = 0;
    long operator[](Category c) const { return counts[static_cast<std::size_t>(c)]; }
};

// Where a motif line counts: the index of its Category, or one of these two slots,
// which no category counts.
inline constexpr std::size_t kHtsSlot = kCategoryCount;
inline constexpr std::size_t kUnavailableSlot = kCategoryCount + 1;  // "Indisponible"
inline constexpr std::size_t kMotifSlotCount = kCategoryCount + 2;

// Counts the motif lines of one file's substitute blocks on the analysed columns;
// returns the file's number of substitute blocks.
int countReplacements(const WeekTable& table, ColumnRange columns, MotifCounts& counts);

struct SubstituteRange {
    int minimum = 0;
    int maximum = 0;
};
// The seed of the range: the lines of personnels.pln less its title (0 without file).
int substituteSeed(std::size_t substituteFileLines);

struct ReplacementAnalysis {
    PeriodWalk walk;
    MotifCounts counts;
    SubstituteRange substitutes;
};
// Throws UnreadableWeekFile when a week file cannot be read.
ReplacementAnalysis analyseReplacements(const WeekFileList& files, const Period& period, SubstituteRange seed,
                                        const WeekBytesReader& read = readWeekFileBytes);

// Whole percentages, rounded half to even. A sum of 99 or 101 is made 100 by the
// largest (the first among equals); 98 and 102 stay as they are. All 0 when nothing
// was counted.
struct Percentages {
    std::array<int, kCategoryCount> values{};
    int sum = 0;
};
Percentages percentages(const MotifCounts& counts);

// Degrees of each category in the pie chart: its share of the percentages' sum,
// the degrees missing to 360 going to the largest (all 0 when the sum is 0).
std::array<int, kCategoryCount> pieAngles(const Percentages& percent);

struct PieSector {
    int startDegrees;  // clockwise on the screen from the rightward axis
    int spanDegrees;
    std::uint32_t colour;
    bool operator==(const PieSector&) const = default;
};
inline constexpr int kPieCentreX = 423, kPieCentreY = 393, kPieRadius = 175;
// The sectors in grid order from angle 0, those of 0 degree left out.
std::vector<PieSector> pieSectors(const Percentages& percent);

using GridRows = std::vector<std::vector<std::string>>;
// The result grid " Résultat de l'analyse (en jours) ": header, six categories, total.
GridRows initialReplacementGrid();
GridRows replacementGrid(const MotifCounts& counts, const Percentages& percent);

// The " Remplaçants " box: its label and its value.
struct SubstituteLine {
    std::string label;
    std::string value;
};
SubstituteLine substituteLine(SubstituteRange range);

inline constexpr std::string_view kMissingWorkingWeekMessage =
    "Problème : je n'ai pas trouvé le fichier semaine.pln ...";

}  // namespace tandarel
