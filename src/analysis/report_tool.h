#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "analysis/period_rules.h"
#include "analysis/replacement_analysis.h"
#include "core/calendar.h"
#include "core/error.h"

namespace tandarel {

// Exit statuses of tandarel-analyse.
inline constexpr int kReportDone = 0;
inline constexpr int kReportNoWeekFile = 1;
inline constexpr int kReportRefused = 2;   // refused period or wrong arguments
inline constexpr int kReportReadError = 3;

// The report tool: the analyses of the windows, run on `dataFolder` from the command
// line (arguments without the program name). Results go to `out`, every message a
// window would show in a box to `err`.
int runAnalysisReport(const std::vector<std::string>& arguments, const std::filesystem::path& dataFolder,
                      const Date& today, std::ostream& out, std::ostream& err);

std::string reportHelp();

// What the analyses and the bilans of the tool share.
// Arguments the tool cannot take: the reason, in French.
struct ReportUsageError : Error {
    using Error::Error;
};
// The kind of period of "annee", "trimestre T [JJ/MM]" or "mois M", whose mode word is
// arguments[0], followed by `yearWords` words (1: the school year "AA/AA", 0: none).
PeriodKind periodKindFromArguments(const std::vector<std::string>& arguments, std::size_t yearWords);
// The period of "annee AA/AA | trimestre AA/AA T [JJ/MM] | mois AA/AA M |
// plage JJ/MM/AA JJ/MM/AA", whose mode word is arguments[first], through the dialogue's checks.
PeriodStep periodFromArguments(const std::vector<std::string>& arguments, std::size_t first, const Date& today,
                               FuturePeriods rule);
// A grid as a text table: the first column as the window shows it, the others trimmed and aligned right.
void printGrid(std::ostream& out, const GridRows& rows);
void printMessages(std::ostream& err, const std::vector<std::string>& messages);

}  // namespace tandarel
