#pragma once

#include <string>
#include <vector>

#include "analysis/bilan_report.h"

namespace tandarel {

// A bilan as a spreadsheet reads it: the header line, the rows, then "Totaux" (UTF-8
// with a byte-order mark, CR LF, ";"). The report tool's "--csv" and the window's export.
std::string bilanCsv(const BilanReport& report);

// The suggested file name, without extension: "bilan-remplacants".
std::string bilanFileStem(const BilanReport& report);

// The bar chart's rows: at most `count` rows of the largest Total (the last column),
// equal totals in the report's order. None for a report without a chart.
inline constexpr std::size_t kBilanChartRows = 15;
// Only the three reports of people and schools have one Total worth ranking.
constexpr bool bilanHasChart(BilanKind kind) {
    return kind == BilanKind::Substitutes || kind == BilanKind::Schools || kind == BilanKind::Teachers;
}
std::vector<const BilanRow*> bilanChartRows(const BilanReport& report, std::size_t count = kBilanChartRows);

}  // namespace tandarel
