#include "analysis/bilan_comparison.h"

#include <algorithm>
#include <iterator>
#include <system_error>

#include "analysis/non_replacement_analysis.h"
#include "analysis/replacement_analysis.h"
#include "analysis/week_collection.h"
#include "core/calendar.h"
#include "core/fields.h"
#include "core/utf8_path.h"

namespace tandarel {
namespace {

namespace fs = std::filesystem;

bool holdsWeekFile(const fs::path& folder) {
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error))
        if (parseWeekFileName(utf8FromPath(entry->path().filename()))) return true;
    return false;
}

// The replacement analysis's six categories and the non-replacement analysis's total,
// of the files of one school year's period.
struct YearCounts {
    MotifCounts replacements;
    long missed = 0;
    std::vector<std::string> messages;
};

YearCounts countYear(const WeekFileList& files, const Period& period) {
    YearCounts year;
    if (files.empty()) return year;
    std::vector<MotifCounts> replacements(files.size());
    std::vector<long> missed(files.size(), 0);
    auto walk = walkPeriod(files, period,
                           [&](std::size_t index, const WeekTable& table, ColumnRange columns,
                               std::vector<std::string>& messages) {
                               countReplacements(table, columns, replacements[index]);
                               NonReplacementAnalysis nonReplacements;
                               countNonReplacements(table, columns, nonReplacements, messages);
                               missed[index] = nonReplacements.total;
                           }, readWeekFileBytes, WalkDays::Skipped);
    for (std::size_t i = 0; i < files.size(); ++i) {
        for (std::size_t c = 0; c < kCategoryCount; ++c) year.replacements.counts[c] += replacements[i].counts[c];
        year.missed += missed[i];
    }
    year.messages = std::move(walk.messages);
    return year;
}

}  // namespace

std::string periodKindText(const PeriodKind& kind) {
    switch (kind.mode) {
        case PeriodMode::SchoolYear: return "année scolaire";
        case PeriodMode::Trimester: {
            const auto trimester = std::string(trimmed(kind.trimester)), boundary = std::string(trimmed(kind.boundary));
            if (trimester == "2") return "trimestre 2 (fin le " + boundary + ")";
            if (trimester == "3") return "trimestre 3 (début le " + boundary + ")";
            return "trimestre " + trimester;
        }
        case PeriodMode::Month: {
            const auto month = trimmed(kind.month);
            const int number = allDigits(month) && month.size() <= 2 ? std::stoi(std::string(month)) : 0;
            return number >= 1 && number <= 12 ? "mois de " + frenchMonthName(number) : "mois " + std::string(month);
        }
        case PeriodMode::DateRange: break;
    }
    return "";
}

std::vector<std::string> schoolYearsWithWeekFiles(const fs::path& dataFolder) {
    std::vector<std::pair<int, std::string>> years;  // the second year in full, "aa/aa"
    std::error_code error;
    for (fs::directory_iterator entry(dataFolder, error), end; !error && entry != end; entry.increment(error)) {
        const auto name = utf8FromPath(entry->path().filename());
        std::error_code kind;
        if (!isSchoolYearFolderName(name) || !entry->is_directory(kind) || !holdsWeekFile(entry->path())) continue;
        years.emplace_back(yearFromTwoDigits(std::stoi(name.substr(3, 2))), name.substr(0, 2) + "/" + name.substr(3, 2));
    }
    std::sort(years.begin(), years.end());
    std::vector<std::string> texts;
    for (auto& year : years) texts.push_back(std::move(year.second));
    return texts;
}

Comparison compareSchoolYears(const fs::path& dataFolder, const PeriodKind& kind, const Date& today) {
    Comparison comparison;
    auto& report = comparison.report;
    report.kind = BilanKind::Comparison;
    report.title = bilanTitle(BilanKind::Comparison);
    report.headers = bilanHeaders(BilanKind::Comparison);
    report.periodText = periodKindText(kind);
    for (const auto& year : schoolYearsWithWeekFiles(dataFolder)) {
        const auto step = periodOfKind(kind, year, today, FuturePeriods::CutAtToday);
        if (step.startsAfterToday) continue;
        if (!step.period) {
            // The same entries are refused in every year: the first refusal is the answer.
            comparison.refusal = step.messages;
            report.rows.clear();
            return comparison;
        }
        const auto& period = *step.period;
        const auto files = collectWeekFiles(dataFolder, period.start, period.end);
        auto counts = countYear(files, period);
        std::vector<long> values(counts.replacements.counts.begin(), counts.replacements.counts.end());
        values.push_back(counts.missed);
        report.rows.push_back(makeBilanRow(dateKey(period.start),
                                           step.cutAtToday ? year + " (au " + period.endText + ")" : year,
                                           std::move(values)));
        report.files.insert(report.files.end(), files.shortNames.begin(), files.shortNames.end());
        std::move(counts.messages.begin(), counts.messages.end(), std::back_inserter(report.messages));
    }
    return comparison;
}

}  // namespace tandarel
