#include "analysis/result_export.h"

#include <cstdio>

#include "core/fields.h"

namespace tandarel {
namespace {

std::string isoDate(const Date& date) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", date.year, date.month, date.day);
    return buffer;
}

// The facts both analyses share: the period asked for and the days it retained.
ResultReport commonReport(std::string_view subject, const PeriodWalk& walk, const Period& period) {
    ResultReport report;
    report.title = "Tandarel - Analyse des " + std::string(subject);
    report.fileStem = "analyse-" + std::string(subject) + "-" + periodStem(period);
    report.facts = {{"Période", periodText(period)},
                    {std::string(trimmed(kRangeCaption)), "du " + walk.rangeStart + " au " + walk.rangeEnd}};
    report.files = walk.files;
    report.days = walk.days;
    return report;
}

}  // namespace

std::string periodText(const Period& period) { return "du " + period.startText + " au " + period.endText; }

std::string periodStem(const Period& period) {
    if (period.mode == PeriodMode::SchoolYear)
        return std::to_string(period.start.year) + "-" + std::to_string(period.end.year);
    return isoDate(period.start) + "_" + isoDate(period.end);
}

std::string dayState(const ListEntry& day) {
    return !day.text.empty() && day.colour == kHtsDayColour ? "jour entièrement HTS" : "";
}

ResultReport replacementReport(const ReplacementAnalysis& analysis, const Period& period) {
    auto report = commonReport("remplacements", analysis.walk, period);
    const auto substitutes = substituteLine(analysis.substitutes);
    auto label = trimmed(substitutes.label);
    if (label.ends_with(':')) label = trimmed(label.substr(0, label.size() - 1));
    report.facts.emplace_back(std::string(label), substitutes.value);
    report.grid = replacementGrid(analysis.counts, percentages(analysis.counts));
    report.rowColours.assign(report.grid.size(), 0xFFFFFF);
    for (std::size_t i = 0; i < kCategoryCount; ++i) report.rowColours[i + 1] = kCategories[i].colour;
    return report;
}

ResultReport nonReplacementReport(const NonReplacementAnalysis& analysis, const Period& period) {
    auto report = commonReport("non-remplacements", analysis.walk, period);
    report.grid = nonReplacementGrid(analysis);
    report.rowColours.assign(report.grid.size(), 0xFFFFFF);
    for (std::size_t i = 0; i < kMotifCount; ++i) report.rowColours[i + 1] = kMotifs[i].colour;
    if (barChart(analysis.days).empty()) report.note = std::string(kNothingMissedMessage);
    return report;
}

std::string csvLine(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t c = 0; c < cells.size(); ++c) {
        if (c > 0) line += ';';
        const auto& cell = cells[c];
        if (cell.find_first_of(";\"\r\n") == std::string::npos) {
            line += cell;
            continue;
        }
        line += '"';
        for (const char ch : cell) line += ch == '"' ? std::string("\"\"") : std::string(1, ch);
        line += '"';
    }
    return line += kCsvLineEnd;
}

std::string csvGridCell(std::string_view cell) {
    auto text = trimmed(cell);
    if (text.ends_with(" %")) text = trimmed(text.substr(0, text.size() - 2));
    return std::string(text);
}

std::string resultCsv(const ResultReport& report) {
    std::string csv(kCsvByteOrderMark);
    for (const auto& row : report.grid) {
        std::vector<std::string> cells;
        for (const auto& cell : row) cells.push_back(csvGridCell(cell));
        csv += csvLine(cells);
    }
    csv += kCsvLineEnd;
    for (const auto& [label, value] : report.facts) csv += csvLine({label, value});
    if (!report.note.empty()) csv += csvLine({report.note});
    csv += kCsvLineEnd;
    csv += csvLine({std::string(trimmed(kFilesListCaption))});
    for (const auto& file : report.files) csv += csvLine({file.text});
    csv += kCsvLineEnd;
    csv += csvLine({std::string(trimmed(kDaysListCaption))});
    // The blank entry between two files' days stays a blank line, as on screen.
    for (const auto& day : report.days) {
        const auto state = dayState(day);
        csv += state.empty() ? csvLine({day.text}) : csvLine({day.text, state});
    }
    return csv;
}

}  // namespace tandarel
