#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/calendar.h"
#include "core/week_grid.h"

namespace tandarel {

// The stored grid of the week of `monday`, or nothing when that week has no file yet.
// Throws FileError when the file exists but cannot be read, or is refused by weekShapeProblem.
std::optional<WeekGrid> loadWeek(const std::filesystem::path& dataFolder, const Date& monday);

// Writes the week's file, creating its school-year folder when missing. A file that
// already holds exactly these bytes is left alone. Throws FileError, with
// "Impossible de créer le sous-dossier " + folder when the folder cannot be made.
void saveWeek(const std::filesystem::path& dataFolder, const Date& monday, const WeekGrid& grid);

}  // namespace tandarel
