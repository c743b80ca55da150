#pragma once

#include <string>
#include <vector>

#include "core/calendar.h"
#include "core/reference_files.h"
#include "core/week_layout.h"

namespace tandarel {

// The in-memory week: rows x columns of text cells, one file line per row and one
// field per column, laid out as week_layout.h says.
class WeekGrid {
public:
    WeekGrid() = default;
    WeekGrid(int rows, int columns);

    int rowCount() const { return rows_; }
    int columnCount() const { return columns_; }
    bool contains(int row, int column) const;

    // Out-of-range reads give an empty text; out-of-range writes are ignored.
    const std::string& cell(int row, int column) const;
    void setCell(int row, int column, std::string text);

    int firstNonReplacementRow() const { return tandarel::firstNonReplacementRow(rows_); }
    bool isNonReplacementRow(int row) const { return row >= firstNonReplacementRow() && row < rows_; }
    // Number of whole substitute blocks the rows hold.
    int substituteCount() const;

    bool operator==(const WeekGrid&) const = default;

private:
    int rows_ = 0;
    int columns_ = 0;
    std::vector<std::string> cells_;
};

// A stored week: as many rows as lines, as many columns as fields in line 0; each
// line split at ";" from column 0 (extra fields ignored, missing ones empty).
WeekGrid parseWeekLines(const std::vector<std::string>& lines);
// One line per row: every cell trimmed and followed by ";".
std::vector<std::string> formatWeekLines(const WeekGrid& grid);

// A week not yet planned: the header, 8 labelled rows per substitute, the four
// non-replacement rows and "HTS" in every half-day that the working week leaves out.
WeekGrid buildNewWeek(const std::vector<Substitute>& substitutes, const WorkingWeekSlots& slots,
                      const Date& monday);

}  // namespace tandarel
