#pragma once

#include <string>
#include <vector>

#include "core/calendar.h"
#include "core/week_grid.h"
#include "data_folder.h"

namespace tandarel::testing {

// A week file as the planning window writes it, filled cell by cell.
class WeekBuilder {
public:
    // Every half-day of Monday to Friday worked unless `halfDays` says otherwise.
    WeekBuilder(Date monday, int substitutes,
                WorkingWeekSlots halfDays = {"LUM", "LUAM", "MAM", "MAAM", "MEM", "MEAM", "JEM", "JEAM", "VEM", "VEAM", "", ""})
        : monday_(monday), grid_(buildNewWeek(std::vector<Substitute>(static_cast<std::size_t>(substitutes)), halfDays, monday)) {}

    // The name on the first line of a substitute's block.
    WeekBuilder& name(int substitute, std::string text) {
        grid_.setCell(1 + 8 * substitute, 0, std::move(text));
        return *this;
    }
    // The motif line of plage 0..3 (M 1, M 2, AM 1, AM 2) of a substitute on a day column.
    WeekBuilder& motif(int substitute, int plage, int day, std::string cell) {
        grid_.setCell(2 + 8 * substitute + 2 * plage, kFirstDayColumn + day, std::move(cell));
        return *this;
    }
    WeekBuilder& school(int substitute, int plage, int day, std::string cell) {
        grid_.setCell(1 + 8 * substitute + 2 * plage, kFirstDayColumn + day, std::move(cell));
        return *this;
    }
    // Every line below the header of a day column.
    WeekBuilder& wholeDay(int day, const std::string& cell) {
        for (int row = 1; row < grid_.rowCount(); ++row)
            grid_.setCell(row, kFirstDayColumn + day, cell);
        return *this;
    }
    // Non-replacement line 0..3 (M, E, C, A) of a day column.
    WeekBuilder& missed(int line, int day, std::string cell) {
        grid_.setCell(grid_.firstNonReplacementRow() + line, kFirstDayColumn + day, std::move(cell));
        return *this;
    }
    std::vector<std::string> lines() const { return formatWeekLines(grid_); }
    std::string bytes() const { return cp1252Lines(lines()); }
    std::string relativePath() const { return schoolYearFolder(monday_) + "/" + weekFileName(monday_); }
    void writeTo(const DataFolder& folder) const { folder.writeLines(relativePath(), lines()); }

private:
    Date monday_;
    WeekGrid grid_;
};

}  // namespace tandarel::testing
