#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/calendar.h"
#include "core/reference_files.h"
#include "core/week_grid.h"

namespace tandarel {

// The substitute table of the planning window: every record line of personnels.pln,
// an empty activity read as "Oui"; one "Non identifié(e)" substitute when the file holds
// no record line.
std::vector<Substitute> planningSubstitutes(const std::vector<std::string>& fileLines);

// The school list: every line after the title, whole, in Windows-1252 order (stable);
// "Ecole non identifiée" alone when the file holds no school line.
std::vector<std::string> planningSchools(const std::vector<std::string>& fileLines);

// The week on screen: its dates and its grid, the one copy of the planning data.
class PlanningWeek {
public:
    void setSources(std::filesystem::path dataFolder, std::vector<Substitute> substitutes,
                    WorkingWeekSlots workingWeek);

    // Shows the week of `date`: its stored grid, unchanged, when its file exists,
    // otherwise a new grid. A file the program cannot keep (damaged, unreadable, a folder
    // under its name) is shown as far as it reads, as wide as its first line, and the
    // week is read-only: the planner can still look at it and step past it.
    void moveTo(const Date& date);

    // Why the week on screen is read-only (the French reason), or nothing.
    const std::optional<std::string>& readOnlyReason() const { return readOnlyReason_; }
    bool readOnly() const { return readOnlyReason_.has_value(); }

    // Writes the grid to the week's file (FileError on failure, the grid stays). A
    // read-only week is never written: its file stays as the planner left it.
    void save() const;

    const Date& monday() const { return monday_; }
    std::string title() const { return weekTitle(monday_); }
    std::filesystem::path file() const { return weekFilePath(dataFolder_, monday_); }

    WeekGrid& grid() { return grid_; }
    const WeekGrid& grid() const { return grid_; }

    const std::vector<Substitute>& substitutes() const { return substitutes_; }
    // The substitute of the table whose block holds `row`, by position; nothing when the
    // table has no entry there (a stored week may hold more blocks than the table).
    const Substitute* substituteOfRow(int row) const;

private:
    std::filesystem::path dataFolder_;
    std::vector<Substitute> substitutes_;
    WorkingWeekSlots workingWeek_;
    Date monday_;
    WeekGrid grid_;
    std::optional<std::string> readOnlyReason_;
};

}  // namespace tandarel
