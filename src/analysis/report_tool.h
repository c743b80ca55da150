#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "core/calendar.h"

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

}  // namespace tandarel
