#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/calendar.h"
#include "core/week_grid.h"

namespace tandarel {

// A week has at most 2 + 6 columns and 8 rows per substitute: these bounds are far beyond
// anything the program writes, and keep a damaged file from asking for gigabytes.
inline constexpr int kMaxWeekColumns = 64;
inline constexpr int kMaxWeekRows = 100000;
// Why lines cannot be a week file's, if they cannot: too many lines or columns, or a line
// holding text beyond the fields of the first line (which the grid would not show and
// the next save would drop).
std::optional<std::string> weekShapeProblem(const std::vector<std::string>& lines);

// The stored grid of the week of `monday`, or nothing when that week has no file yet.
// Throws FileError when the file exists but cannot be read.
std::optional<WeekGrid> loadWeek(const std::filesystem::path& dataFolder, const Date& monday);

// Writes the week's file, creating its school-year folder when missing. A file that
// already holds exactly these bytes is left alone. Throws FileError, with
// "Impossible de créer le sous-dossier " + folder when the folder cannot be made.
void saveWeek(const std::filesystem::path& dataFolder, const Date& monday, const WeekGrid& grid);

// The same for an explicit path (the timetable transfer rewrites listed files).
void saveWeekFile(const std::filesystem::path& file, const WeekGrid& grid);

}  // namespace tandarel
