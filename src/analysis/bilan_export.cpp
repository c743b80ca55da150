#include "analysis/bilan_export.h"

#include <algorithm>

#include "analysis/result_export.h"

namespace tandarel {

std::string bilanCsv(const BilanReport& report) {
    std::string csv(kCsvByteOrderMark);
    csv += csvLine(report.headers);
    for (const auto& row : report.rows) csv += csvLine(bilanCells(row));
    if (report.totals) csv += csvLine(bilanCells(*report.totals));
    return csv;
}

std::string bilanFileStem(const BilanReport& report) { return "bilan-" + std::string(bilanWord(report.kind)); }

std::vector<const BilanRow*> bilanChartRows(const BilanReport& report, std::size_t count) {
    std::vector<const BilanRow*> rows;
    if (!bilanHasChart(report.kind)) return rows;
    for (const auto& row : report.rows)
        if (!row.quarterDays.empty()) rows.push_back(&row);
    std::stable_sort(rows.begin(), rows.end(),
                     [](const BilanRow* a, const BilanRow* b) { return a->quarterDays.back() > b->quarterDays.back(); });
    if (rows.size() > count) rows.resize(count);
    return rows;
}

}  // namespace tandarel
