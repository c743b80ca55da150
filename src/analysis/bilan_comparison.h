#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/bilan_report.h"
#include "analysis/period_rules.h"

namespace tandarel {

// "année scolaire", "trimestre 2 (fin le 15/04)", "mois 3" ...
std::string periodKindText(const PeriodKind& kind);

// The school years of the folders named "YY_YY" (consecutive years, 99_00 included)
// that hold a week file, as "aa/aa", in calendar order.
std::vector<std::string> schoolYearsWithWeekFiles(const std::filesystem::path& dataFolder);

struct Comparison {
    // The entries refused, with the dialogue's messages: nothing was compared.
    std::vector<std::string> refusal;
    // One row per school year whose period does not start after today: "04/05", or
    // "25/26 (au 14/03/26)" when cut at today; zeros when none of its files falls in it.
    BilanReport report;
};
// Each school year's week files read once. Throws UnreadableWeekFile.
Comparison compareSchoolYears(const std::filesystem::path& dataFolder, const PeriodKind& kind, const Date& today);

}  // namespace tandarel
