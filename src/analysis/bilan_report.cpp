#include "analysis/bilan_report.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <memory>
#include <mutex>

#include "analysis/analysis_format.h"
#include "analysis/bilan_tally.h"
#include "analysis/bilan_week.h"
#include "analysis/motif_slot.h"
#include "analysis/non_replacement_analysis.h"
#include "analysis/result_export.h"
#include "core/fields.h"
#include "core/week_file.h"

namespace tandarel {
namespace {

using bilan::Blocks;
using bilan::RowTally;
using bilan::SlotCounts;

struct KindInfo {
    std::string_view word;
    std::string_view title;
    std::string_view firstHeader;
};
constexpr std::array<KindInfo, kBilanKindCount> kKinds = {{
    {"remplacants", "Bilan par remplaçant", "Remplaçant"},
    {"ecoles", "Bilan par école", "École"},
    {"enseignants", "Bilan par enseignant remplacé", "Enseignant remplacé"},
    {"alertes", "Absences non couvertes alors que des remplaçants étaient disponibles", "Jour"},
    {"comparaison", "Comparaison des années scolaires", "Année scolaire"},
}};
const KindInfo& info(BilanKind kind) { return kKinds[static_cast<std::size_t>(kind)]; }

// A value column of the reports by name: the sum of some motif-line slots.
struct SlotColumn {
    std::string_view header;
    unsigned slots;  // bit i: slot i
};
constexpr unsigned bit(Category category) { return 1u << static_cast<unsigned>(category); }
constexpr unsigned kMotifCodes = bit(Category::Maladie) | bit(Category::Equipe) | bit(Category::ConvPerso) |
                                 bit(Category::Autre);
constexpr unsigned kAllCategories = (1u << kCategoryCount) - 1;
std::string_view label(Category category) { return kCategories[static_cast<std::size_t>(category)].label; }

std::vector<SlotColumn> slotColumns(BilanKind kind) {
    std::vector<SlotColumn> columns;
    for (const auto category : {Category::Maladie, Category::Equipe, Category::ConvPerso, Category::Autre})
        columns.push_back({label(category), bit(category)});
    switch (kind) {
        case BilanKind::Substitutes:
            // The six categories of the replacement analysis make the total; "Indisponible" is apart.
            columns.push_back({label(Category::MiseADisposition), bit(Category::MiseADisposition)});
            columns.push_back({label(Category::Inconnu), bit(Category::Inconnu)});
            columns.push_back({"Indisponible", 1u << kUnavailableSlot});
            columns.push_back({"Total", kAllCategories});
            break;
        case BilanKind::Schools:
            columns.push_back({label(Category::Inconnu), bit(Category::Inconnu)});
            columns.push_back({"Motif non saisi", bit(Category::MiseADisposition)});
            columns.push_back({"Total", kAllCategories});
            break;
        default: columns.push_back({"Total", kMotifCodes}); break;
    }
    return columns;
}

constexpr std::array<std::string_view, 3> kAlertHeaders = {"Non-remplacements", "Mise à disposition", "Couvrable"};

BilanRow totalsOf(const std::vector<BilanRow>& rows, std::size_t columns) {
    std::vector<long> sums(columns, 0);
    for (const auto& row : rows)
        for (std::size_t c = 0; c < columns; ++c) sums[c] += row.quarterDays[c];
    return makeBilanRow("", std::string(kBilanTotalsLabel), std::move(sums));
}

BilanReport emptyReport(BilanKind kind, const Period& period, const WeekFileList& files, PeriodWalk walk) {
    BilanReport report;
    report.kind = kind;
    report.title = info(kind).title;
    report.headers = bilanHeaders(kind);
    report.periodText = periodText(period);
    report.files = files.shortNames;
    report.messages = std::move(walk.messages);
    return report;
}

// The rows of the substitutes, schools or teachers met in one file's retained days,
// counted into `tally`. Each motif cell is classified where it is counted, as the
// replacement analysis does: a line's slots written out and read back cost as much as
// the classification.
void countSubstitutes(const WeekTable& table, ColumnRange columns, RowTally& tally) {
    if (columns.empty()) return;
    const Blocks blocks(table);
    for (int block = 0; block < blocks.count(); ++block) {
        // Four tallies, the days taking them in turn, as in the replacement analysis: a
        // line's cells often fall in one slot, and each addition would wait on the last.
        std::array<SlotCounts, 4> tallies{};
        for (int placement = 0; placement < blocks.placements(block); ++placement)
            table.forEachDayCell(Blocks::motifRow(block, placement), columns.first, columns.last,
                                 [&](int day, std::string_view cell) {
                                     ++tallies[static_cast<std::size_t>(day) % 4][motif::countedSlot(cell)];
                                 });
        auto& counts = tally.counts(tally.row(bilan::substituteKey(table, block)));
        for (const auto& part : tallies)
            for (std::size_t slot = 0; slot < kMotifSlotCount; ++slot) counts[slot] += part[slot];
    }
}

void countSchools(const WeekTable& table, ColumnRange columns, RowTally& tally) {
    const Blocks blocks(table);
    for (int block = 0; block < blocks.count(); ++block)
        for (int placement = 0; placement < blocks.placements(block); ++placement)
            table.forEachDayCellPair(Blocks::schoolRow(block, placement), Blocks::motifRow(block, placement),
                                     columns.first, columns.last,
                                     [&](int, std::string_view school, std::string_view motifCell) {
                                         const auto slot = motif::countedSlot(motifCell);
                                         const auto key = bilan::schoolKey(school, slot);
                                         if (key != bilan::kNoRow) ++tally.counts(tally.row(key))[slot];
                                     });
}

// A block's motif codes are gathered first, without a branch on what each cell holds,
// then looked up: whether a cell is a code follows no order, and a lookup after each
// test would be thrown away at every mispredicted one.
void countTeachers(const WeekTable& table, ColumnRange columns, RowTally& tally) {
    struct Code {
        std::string_view cell;  // as stored
        std::size_t slot;
    };
    std::array<Code, kBlockRows / kPlageRows * kMaxWeekColumns> codes;
    const Blocks blocks(table);
    for (int block = 0; block < blocks.count(); ++block) {
        std::size_t taken = 0;
        for (int placement = 0; placement < blocks.placements(block); ++placement)
            table.forEachDayCell(Blocks::motifRow(block, placement), columns.first, columns.last,
                                 [&](int, std::string_view cell) {
                                     const auto slot = motif::countedSlot(cell);
                                     codes[taken] = {cell, slot};
                                     taken += bilan::isMotifCode(slot);
                                 });
        for (std::size_t i = 0; i < taken; ++i) {
            const auto key = bilan::teacherOfCode(bilan::trimmedCell(codes[i].cell));
            ++tally.counts(tally.row(key))[codes[i].slot];
        }
    }
}

// Room for the substitutes, schools or teachers of a few weeks: a hundred or so.
constexpr std::size_t kNamesOfWeeks = 128;

BilanReport tallyReport(BilanKind kind, const WeekFileList& files, const Period& period) {
    // A file counts into whichever tally no other file is using: the rows are sorted by
    // key and their counts are sums, so the order the files are counted in does not show.
    // A tally per file would be made, filled and merged 52 times a year.
    std::mutex mutex;
    std::vector<std::unique_ptr<RowTally>> idle;
    auto walk = walkPeriod(files, period,
                           [&](std::size_t, const WeekTable& table, ColumnRange columns,
                               std::vector<std::string>&) {
                               std::unique_ptr<RowTally> tally;
                               {
                                   const std::lock_guard lock(mutex);
                                   if (!idle.empty()) {
                                       tally = std::move(idle.back());
                                       idle.pop_back();
                                   }
                               }
                               if (!tally) tally = std::make_unique<RowTally>(kNamesOfWeeks);
                               switch (kind) {
                                   case BilanKind::Substitutes: countSubstitutes(table, columns, *tally); break;
                                   case BilanKind::Schools: countSchools(table, columns, *tally); break;
                                   default: countTeachers(table, columns, *tally); break;
                               }
                               const std::lock_guard lock(mutex);
                               idle.push_back(std::move(tally));
                           }, readWeekFileBytes, WalkDays::Skipped);
    RowTally all;
    for (const auto& tally : idle) all.add(*tally);
    auto report = emptyReport(kind, period, files, std::move(walk));
    const auto columns = slotColumns(kind);
    for (std::size_t r = 0; r < all.size(); ++r) {
        std::vector<long> values;
        for (const auto& column : columns) {
            long sum = 0;
            for (std::size_t slot = 0; slot < kMotifSlotCount; ++slot)
                if (column.slots & (1u << slot)) sum += all.counts(r)[slot];
            values.push_back(sum);
        }
        report.rows.push_back(makeBilanRow(std::string(all.key(r)), WeekTable::text(all.key(r)), std::move(values)));
    }
    std::sort(report.rows.begin(), report.rows.end(),
              [](const BilanRow& a, const BilanRow& b) { return a.key < b.key; });
    report.totals = totalsOf(report.rows, columns.size());
    return report;
}

// A day's key: its date as "yyyymmdd", or its header as stored when that is not a date.
std::string dayKey(const WeekTable& table, int day) {
    return longDateKey(table.header(day)).value_or(table.header(day));
}

constexpr auto kFree = static_cast<std::size_t>(Category::MiseADisposition);

// Per retained day: n, the quarter-days left without replacement (as the non-replacement
// analysis reads them), and m, the empty motif lines; a day with both is an alert.
std::vector<BilanRow> alertRows(const WeekTable& table, ColumnRange columns, std::vector<std::string>& messages) {
    std::vector<BilanRow> rows;
    if (columns.empty()) return rows;
    NonReplacementAnalysis missed;
    countNonReplacements(table, columns, missed, messages);
    std::array<long, kMaxWeekColumns> free{};
    const Blocks blocks(table);
    for (int block = 0; block < blocks.count(); ++block)
        for (int placement = 0; placement < blocks.placements(block); ++placement)
            table.forEachDayCell(Blocks::motifRow(block, placement), columns.first, columns.last,
                                 [&](int day, std::string_view cell) {
                                     free[static_cast<std::size_t>(day)] += motif::countedSlot(cell) == kFree;
                                 });
    for (int day = columns.first; day <= columns.last; ++day) {
        const long n = missed.days[static_cast<std::size_t>(day - columns.first)].total;
        const long m = free[static_cast<std::size_t>(day)];
        if (n > 0 && m > 0) rows.push_back(makeBilanRow(dayKey(table, day), table.header(day), {n, m, std::min(n, m)}));
    }
    return rows;
}

BilanReport alertReport(const WeekFileList& files, const Period& period) {
    std::vector<std::vector<BilanRow>> fileRows(files.size());
    auto walk = walkPeriod(files, period,
                           [&](std::size_t index, const WeekTable& table, ColumnRange columns,
                               std::vector<std::string>& messages) {
                               fileRows[index] = alertRows(table, columns, messages);
                           }, readWeekFileBytes, WalkDays::Skipped);
    auto report = emptyReport(BilanKind::Alerts, period, files, std::move(walk));
    // The files and their days are in date order already.
    for (auto& rows : fileRows) std::move(rows.begin(), rows.end(), std::back_inserter(report.rows));
    report.totals = totalsOf(report.rows, kAlertHeaders.size());
    return report;
}

}  // namespace

std::string_view bilanWord(BilanKind kind) { return info(kind).word; }

std::optional<BilanKind> bilanKindOfWord(std::string_view word) {
    for (std::size_t i = 0; i < kBilanKindCount; ++i)
        if (kKinds[i].word == word) return static_cast<BilanKind>(i);
    return std::nullopt;
}

std::string_view bilanTitle(BilanKind kind) { return info(kind).title; }

std::vector<std::string> bilanHeaders(BilanKind kind) {
    std::vector<std::string> headers{std::string(info(kind).firstHeader)};
    switch (kind) {
        case BilanKind::Alerts: headers.insert(headers.end(), kAlertHeaders.begin(), kAlertHeaders.end()); break;
        case BilanKind::Comparison:
            for (const auto& category : kCategories) headers.emplace_back(category.label);
            headers.emplace_back("Non-remplacements");
            break;
        default:
            for (const auto& column : slotColumns(kind)) headers.emplace_back(column.header);
            break;
    }
    return headers;
}

BilanRow makeBilanRow(std::string key, std::string label, std::vector<long> quarterDays) {
    BilanRow row{std::move(key), std::move(label), std::move(quarterDays), {}};
    for (const long q : row.quarterDays) row.texts.push_back(formatDays(q));
    return row;
}

std::vector<std::string> bilanCells(const BilanRow& row) {
    std::vector<std::string> cells{row.label};
    cells.insert(cells.end(), row.texts.begin(), row.texts.end());
    return cells;
}

BilanReport runBilan(BilanKind kind, const WeekFileList& files, const Period& period) {
    if (kind == BilanKind::Alerts) return alertReport(files, period);
    return tallyReport(kind, files, period);
}

std::vector<BilanDetail> bilanDetails(BilanKind kind, std::string_view rowKey, const WeekFileList& files,
                                      const Period& period) {
    std::vector<std::vector<BilanDetail>> fileDetails(files.size());
    if (kind == BilanKind::Comparison) return {};
    walkPeriod(files, period, [&](std::size_t index, const WeekTable& table, ColumnRange columns,
                                  std::vector<std::string>&) {
        const Blocks blocks(table);
        for (int day = columns.first; day <= columns.last; ++day) {
            const bool alertDay = kind == BilanKind::Alerts && dayKey(table, day) == rowKey;
            for (int block = 0; block < blocks.count(); ++block) {
                const auto name = bilan::substituteKey(table, block);
                for (int placement = 0; placement < blocks.placements(block); ++placement) {
                    const auto school = table.cell(Blocks::schoolRow(block, placement), day);
                    const auto motif = table.cell(Blocks::motifRow(block, placement), day);
                    const auto slot = motif::countedSlot(motif);
                    bool behind = false;
                    switch (kind) {
                        case BilanKind::Substitutes: behind = slot != kHtsSlot && name == rowKey; break;
                        case BilanKind::Schools: behind = slot != kHtsSlot && bilan::schoolKey(school, slot) == rowKey; break;
                        case BilanKind::Teachers: behind = bilan::teacherKey(motif, slot) == rowKey; break;
                        case BilanKind::Alerts: behind = alertDay && slot == kFree; break;
                        case BilanKind::Comparison: break;
                    }
                    if (behind)
                        fileDetails[index].push_back({table.header(day), files.shortNames[index], WeekTable::text(name),
                                                      WeekTable::text(trimmed(school)), WeekTable::text(trimmed(motif))});
                }
            }
        }
    }, readWeekFileBytes, WalkDays::Skipped);
    std::vector<BilanDetail> details;
    for (auto& file : fileDetails) std::move(file.begin(), file.end(), std::back_inserter(details));
    return details;
}

}  // namespace tandarel
