#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/period_rules.h"
#include "analysis/week_collection.h"

// The bilans: what an inspector's office is asked beyond the two analyses, counted from
// the same week files with the same rules, without Qt (the report tool and the window
// "Bilans" share them). Each report reads each week file of its period once.
//
// A window shows a BilanReport as it is: `headers` above the columns, `rows` (already in
// the order of their first column), then `totals` kept at the bottom. Sorting by a value
// column compares `quarterDays` as numbers; by the first column, `key` byte by byte.
// A double click on a row asks bilanDetails(kind, row.key, files, period) with the same
// files and period as the report.
namespace tandarel {

// In the order of the menu.
enum class BilanKind { Substitutes, Schools, Teachers, Alerts, Comparison };
inline constexpr std::size_t kBilanKindCount = 5;

// The report tool's words: "remplacants", "ecoles", "enseignants", "alertes", "comparaison".
std::string_view bilanWord(BilanKind kind);
std::optional<BilanKind> bilanKindOfWord(std::string_view word);
// "Bilan par remplaçant" ...
std::string_view bilanTitle(BilanKind kind);
// The first column's header, then one per value column (the CSV's header line).
std::vector<std::string> bilanHeaders(BilanKind kind);

struct BilanRow {
    // Names the row to bilanDetails and orders the rows: the stored (Windows-1252) bytes
    // of the first column, trimmed, compared byte by byte as the program orders texts
    // (a placeholder such as "(sans nom)" by its own bytes); for a day (alerts) or a
    // school year (comparison), its first date as "yyyymmdd".
    std::string key;
    std::string label;              // the first column as shown, UTF-8
    std::vector<long> quarterDays;  // one per value column
    std::vector<std::string> texts; // the same in days, two decimals and a comma: "2,25"
};

inline constexpr std::string_view kBilanTotalsLabel = "Totaux";

struct BilanReport {
    BilanKind kind = BilanKind::Substitutes;
    std::string title;
    std::vector<std::string> headers;
    std::vector<BilanRow> rows;
    std::optional<BilanRow> totals;     // each column summed; none in the comparison
    std::string periodText;             // "du 01/08/25 au 14/03/26" (a period cut at today ends today)
    std::vector<std::string> files;     // the analysed week files, shortened, in order
    std::vector<std::string> messages;  // what the analyses would show in boxes, in order
};

// A row of these values, their texts made from them.
BilanRow makeBilanRow(std::string key, std::string label, std::vector<long> quarterDays);
// The value cells of a row as texts, the first column first: a line of the table or CSV.
std::vector<std::string> bilanCells(const BilanRow& row);

// One of the four bilans of one period (not the comparison: compareSchoolYears), from
// the files collected for it. Only the retained days count. Throws UnreadableWeekFile.
BilanReport runBilan(BilanKind kind, const WeekFileList& files, const Period& period);

// One placement behind a row: a school line and the motif line under it, on one day.
struct BilanDetail {
    std::string day;         // "lundi 25 avril 2005"
    std::string week;        // the week file, shortened
    std::string substitute;  // the block's name ("(sans nom)" when it has none)
    std::string school;      // the school line, trimmed
    std::string motif;       // the motif line, trimmed
    bool operator==(const BilanDetail&) const = default;
};

// The placements behind a row of runBilan(kind, files, period), in date order: every
// placement the row stands for but those whose motif line is "HTS" (a school's
// "Indisponible" ones are listed, though they count nothing); for a day of the alerts,
// its empty motif lines (the substitutes who were free). None for the comparison.
// Throws UnreadableWeekFile.
std::vector<BilanDetail> bilanDetails(BilanKind kind, std::string_view rowKey, const WeekFileList& files,
                                      const Period& period);

}  // namespace tandarel
