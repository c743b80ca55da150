#include "core/week_grid.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "core/fields.h"

namespace tandarel {

WeekGrid::WeekGrid(int rows, int columns)
    : rows_(rows < 0 ? 0 : rows),
      columns_(columns < 0 ? 0 : columns),
      cells_(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(columns_)) {}

bool WeekGrid::contains(int row, int column) const {
    return row >= 0 && row < rows_ && column >= 0 && column < columns_;
}

const std::string& WeekGrid::cell(int row, int column) const {
    static const std::string empty;
    if (!contains(row, column)) return empty;
    return cells_[static_cast<std::size_t>(row) * columns_ + column];
}

void WeekGrid::setCell(int row, int column, std::string text) {
    if (!contains(row, column)) return;
    cells_[static_cast<std::size_t>(row) * columns_ + column] = std::move(text);
}

int WeekGrid::substituteCount() const { return std::max(0, lastSubstituteRow(rows_)) / kBlockRows; }

WeekGrid parseWeekLines(const std::vector<std::string>& lines) {
    const int columns = lines.empty() ? 0 : static_cast<int>(countFields(lines.front()));
    WeekGrid grid(static_cast<int>(lines.size()), columns);
    for (int row = 0; row < grid.rowCount(); ++row) {
        std::string_view rest = lines[static_cast<std::size_t>(row)];
        for (int column = 0; column < columns && !rest.empty(); ++column) {
            const auto sep = rest.find(';');
            grid.setCell(row, column, std::string(rest.substr(0, sep)));
            rest = sep == std::string_view::npos ? std::string_view{} : rest.substr(sep + 1);
        }
    }
    return grid;
}

std::vector<std::string> formatWeekLines(const WeekGrid& grid) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(grid.rowCount()));
    for (int row = 0; row < grid.rowCount(); ++row) {
        std::string line;
        for (int column = 0; column < grid.columnCount(); ++column) {
            line += trimmed(grid.cell(row, column));
            line += ';';
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

WeekGrid buildNewWeek(const std::vector<Substitute>& substitutes, const WorkingWeekSlots& slots,
                      const Date& monday) {
    std::array<int, 6> presentDays{};
    int dayCount = 0;
    for (int day = 0; day < 6; ++day) {
        const auto morning = kSlotCodes[static_cast<std::size_t>(2 * day)];
        const auto afternoon = kSlotCodes[static_cast<std::size_t>(2 * day + 1)];
        if (slotListContains(slots, morning) || slotListContains(slots, afternoon)) presentDays[dayCount++] = day;
    }

    const int n = static_cast<int>(substitutes.size());
    WeekGrid grid(weekRowCount(n), kFirstDayColumn + dayCount);
    grid.setCell(0, 0, std::string(kSubstituteHeader));
    grid.setCell(0, 1, std::string(kPlageHeader));
    for (int i = 0; i < dayCount; ++i)
        grid.setCell(0, kFirstDayColumn + i, frenchLongDate(addDays(monday, presentDays[i])));

    for (int k = 0; k < n; ++k) {
        const int r = blockFirstRow(k);
        const auto identity = blockIdentity(substitutes[static_cast<std::size_t>(k)]);
        for (std::size_t i = 0; i < identity.size(); ++i)
            grid.setCell(r + static_cast<int>(i), 0, std::string(identity[i]));
        for (std::size_t i = 0; i < kPlageLabels.size(); ++i)
            grid.setCell(r + static_cast<int>(i), 1, std::string(kPlageLabels[i]));
        for (int i = 0; i < dayCount; ++i) {
            const int day = presentDays[i];
            const int column = kFirstDayColumn + i;
            const bool morningWorked = slotListContains(slots, kSlotCodes[static_cast<std::size_t>(2 * day)]);
            const bool afternoonWorked = slotListContains(slots, kSlotCodes[static_cast<std::size_t>(2 * day + 1)]);
            for (int j = 0; j < kHalfDayRows; ++j) {
                if (!morningWorked) grid.setCell(r + j, column, std::string(kOutOfSchoolTime));
                if (!afternoonWorked) grid.setCell(r + kHalfDayRows + j, column, std::string(kOutOfSchoolTime));
            }
        }
    }

    const int section = grid.firstNonReplacementRow();
    grid.setCell(section, 0, std::string(kNonReplacementLabel));
    for (int i = 0; i < kNonReplacementRows; ++i)
        grid.setCell(section + i, 1, std::string(1, kMotifLetters[static_cast<std::size_t>(i)]));
    return grid;
}

}  // namespace tandarel
