#include "analysis/non_replacement_analysis.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "analysis/analysis_format.h"
#include "core/fields.h"

namespace tandarel {
namespace {

std::optional<std::size_t> motifOf(char letter) {
    for (std::size_t i = 0; i < kMotifCount; ++i)
        if (kMotifs[i].letter == letter) return i;
    return std::nullopt;
}

}  // namespace

void countNonReplacements(const WeekTable& table, ColumnRange columns, NonReplacementAnalysis& analysis,
                          std::vector<std::string>& messages) {
    // Never the header of a short file.
    const int firstLine = std::max(kFirstBlockRow, firstNonReplacementRow(table.rowCount()));
    // The section's few lines are read once each, straight from the file's bytes:
    // table.cell would set up the cells of the whole table for them.
    const int lines = std::max(0, table.rowCount() - firstLine);
    // Days the lines do not reach read as empty, as table.cell reads them.
    std::array<std::array<std::string_view, kMaxWeekColumns>, kNonReplacementRows> section{};
    for (int line = 0; line < lines; ++line)
        table.forEachDayCell(firstLine + line, columns.first, columns.last, [&](int day, std::string_view cell) {
            section[static_cast<std::size_t>(line)][static_cast<std::size_t>(day)] = cell;
        });
    for (int day = columns.first; day <= columns.last; ++day) {
        DayCounts counts;
        for (int line = 0; line < lines; ++line) {
            const auto cell = trimmed(section[static_cast<std::size_t>(line)][static_cast<std::size_t>(day)]);
            if (WeekTable::isHts(cell)) {
                counts.hts = true;
                continue;
            }
            // Stored text: one byte a character, "¤" second.
            const auto marker = WeekTable::storedMarker();
            if (cell.size() <= 2 || cell.substr(1, marker.size()) != marker) continue;
            const auto letter = cell.substr(0, 1), count = cell.substr(1 + marker.size());
            const auto value = count.size() <= 3 ? parseDigits(count) : std::nullopt;
            const int n = value.value_or(0);
            if (!value)
                messages.push_back("Je ne traite pas la donnée suivante : " + WeekTable::text(letter) +
                                   std::string(kMotifMarker) + WeekTable::text(count) + " !");
            // Only the four motifs count: the overall total stays the sum of theirs.
            if (const auto motif = motifOf(letter.front())) {
                analysis.totals[*motif] += n;
                analysis.total += n;
                counts.counts[*motif] = n;
            }
        }
        if (!counts.hts)
            for (const int n : counts.counts) counts.total += n;
        analysis.days.push_back(counts);
    }
}

NonReplacementAnalysis analyseNonReplacements(const WeekFileList& files, const Period& period,
                                              const WeekBytesReader& read) {
    std::vector<NonReplacementAnalysis> fileCounts(files.size());
    NonReplacementAnalysis analysis;
    analysis.walk = walkPeriod(files, period,
                               [&](std::size_t index, const WeekTable& table, ColumnRange columns,
                                   std::vector<std::string>& messages) {
                                   countNonReplacements(table, columns, fileCounts[index], messages);
                               },
                               read);
    for (auto& file : fileCounts) {
        for (std::size_t i = 0; i < kMotifCount; ++i) analysis.totals[i] += file.totals[i];
        analysis.total += file.total;
        std::move(file.days.begin(), file.days.end(), std::back_inserter(analysis.days));
    }
    return analysis;
}

GridRows initialNonReplacementGrid() {
    GridRows rows{{"Non-Remplacements", "  Totaux"}};
    for (const auto& motif : kMotifs) rows.push_back({std::string(motif.label), "0"});
    rows.push_back({kTotalRowLabel, "0"});
    return rows;
}

GridRows nonReplacementGrid(const NonReplacementAnalysis& analysis) {
    GridRows rows{{"Non-Remplacements", "  Totaux"}};
    for (std::size_t i = 0; i < kMotifCount; ++i)
        rows.push_back({std::string(kMotifs[i].label), paddedDays(analysis.totals[i])});
    rows.push_back({kTotalRowLabel, paddedDays(analysis.total)});
    return rows;
}

int barUnitWidth(int days) {
    static constexpr std::array<std::pair<int, int>, 15> steps = {{{192, 1}, {128, 2}, {96, 3}, {77, 4}, {64, 5},
                                                                   {55, 6}, {48, 7}, {42, 8}, {38, 9}, {35, 10},
                                                                   {32, 11}, {29, 12}, {27, 13}, {25, 14}, {24, 15}}};
    for (const auto& [above, width] : steps)
        if (days > above) return width;
    return 16;
}

int barUnitHeight(int largest) {
    static constexpr std::array<std::pair<int, int>, 8> steps = {
        {{128, 1}, {64, 2}, {32, 4}, {16, 8}, {8, 16}, {4, 32}, {2, 64}, {1, 128}}};
    for (const auto& [above, height] : steps)
        if (largest > above) return height;
    return 256;
}

BarChart barChart(const std::vector<DayCounts>& days) {
    BarChart chart;
    int shown = 0, largest = 0;
    for (const auto& day : days) {
        if (day.hts) continue;
        ++shown;
        largest = std::max(largest, day.total);
    }
    chart.unitWidth = barUnitWidth(shown);
    chart.unitHeight = barUnitHeight(largest);
    if (largest == 0) return chart;
    const int w = chart.unitWidth, h = chart.unitHeight;
    const int frameHeight = largest * h + 30;
    chart.frame = {kChartLeft, kChartBaseline - frameHeight, 2 * w * shown + 20, frameHeight};
    // Stacked from the baseline up: Maladie, Equipe, Convenance, Autre.
    static constexpr std::array<Motif, kMotifCount> stack = {Motif::Maladie, Motif::Equipe, Motif::ConvPerso,
                                                            Motif::Autre};
    int x = kChartLeft + 10;
    for (const auto& day : days) {
        if (day.hts) continue;
        DayBar bar;
        bar.line = {x, kChartBaseline - day.total * h, 1, day.total * h};
        int top = kChartBaseline;
        for (const auto motif : stack) {
            const auto i = static_cast<std::size_t>(motif);
            const int height = day.counts[i] * h;
            if (height == 0) continue;
            top -= height;
            bar.segments.push_back({{x + 1, top, 2 * w - 1, height}, kMotifs[i].colour});
        }
        chart.bars.push_back(std::move(bar));
        x += 2 * w;
    }
    return chart;
}

}  // namespace tandarel
