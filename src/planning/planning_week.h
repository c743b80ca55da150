#pragma once

#include <filesystem>
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
    // otherwise a new grid. On a FileError nothing changes (the old week stays shown).
    void moveTo(const Date& date);
    void moveToPreviousWeek() { moveTo(addDays(monday_, -7)); }
    void moveToNextWeek() { moveTo(addDays(monday_, 7)); }

    // Writes the grid to the week's file (FileError on failure, the grid stays).
    void save() const;

    const Date& currentDate() const { return current_; }
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
    Date current_;
    Date monday_;
    WeekGrid grid_;
};

}  // namespace tandarel
