#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "core/calendar.h"

namespace tandarel {

// Whether the tool's arguments ask for a bilan ("bilan" first, "--csv" anywhere).
bool isBilanRequest(const std::vector<std::string>& arguments);

// `tandarel-analyse bilan …` on `dataFolder`: the report (an aligned table with its period
// and files, or with "--csv" its header line and rows) to `out`, the messages a window
// would show to `err`. Returns the tool's exit status; throws ReportUsageError for
// arguments it cannot take and UnreadableWeekFile as the analyses do.
int runBilanTool(const std::vector<std::string>& arguments, const std::filesystem::path& dataFolder,
                 const Date& today, std::ostream& out, std::ostream& err);

// The bilans' part of the tool's help.
std::string bilanHelp();

}  // namespace tandarel
