#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "analysis/non_replacement_analysis.h"
#include "analysis/replacement_analysis.h"

namespace tandarel {

// The captions the analysis windows show above their range, lists and grid.
inline constexpr std::string_view kRangeCaption = " Plage retenue pour l'analyse";
inline constexpr std::string_view kFilesListCaption = " Liste des fichiers analysés ";
inline constexpr std::string_view kDaysListCaption = " Liste des jours analysés ";
inline constexpr std::string_view kResultGridCaption = " Résultat de l'analyse (en jours) ";

// What "Exporter…" writes of a result on screen, in either form (CSV or PDF).
struct ResultReport {
    std::string title;     // "Tandarel - Analyse des remplacements"
    std::string fileStem;  // the suggested file name, without extension
    // Label and value, in order: the period, the retained range, and what else the window shows.
    std::vector<std::pair<std::string, std::string>> facts;
    GridRows grid;
    std::vector<std::uint32_t> rowColours;  // behind the value cells of each grid row (0xBBGGRR)
    std::string note;  // said in place of a chart that has nothing to show
    std::vector<ListEntry> files;
    std::vector<ListEntry> days;
};

ResultReport replacementReport(const ReplacementAnalysis& analysis, const Period& period);
ResultReport nonReplacementReport(const NonReplacementAnalysis& analysis, const Period& period);

// "du 01/08/04 au 31/07/05"
std::string periodText(const Period& period);
// "2004-2005" for a school year, "2005-04-18_2005-04-28" otherwise.
std::string periodStem(const Period& period);
// What a day of the list means beyond its date: "jour entièrement HTS" when shown in red.
std::string dayState(const ListEntry& day);

// A spreadsheet opened by a double click on a French system reads UTF-8 only after a
// byte-order mark, and expects ";" between cells and CR LF between lines.
inline constexpr std::string_view kCsvByteOrderMark = "\xEF\xBB\xBF";
inline constexpr std::string_view kCsvLineEnd = "\r\n";
// One CSV line, ended; a cell holding ";", '"' or a line end is quoted.
std::string csvLine(const std::vector<std::string>& cells);
// A grid cell as a spreadsheet reads it: without its aligning blanks nor " %".
std::string csvGridCell(std::string_view cell);

// The whole CSV file: the grid, then the facts, then both lists.
std::string resultCsv(const ResultReport& report);

}  // namespace tandarel
