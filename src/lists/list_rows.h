#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/reference_files.h"

namespace tandarel {

// Row operations of the list windows, on the records of the data rows (index 0 is
// the first row under the heading). Records move whole.
enum class InsertPlace { Above, Below };

// Puts an empty record (`blank`) above or below `current`, or after the last one when no
// record is current. Returns the index of the new record.
template <typename Record>
std::size_t insertBlankRecord(std::vector<Record>& records, std::optional<std::size_t> current, InsertPlace place,
                              Record blank = Record{}) {
    std::size_t at = records.size();
    if (current && *current < records.size()) at = place == InsertPlace::Above ? *current : *current + 1;
    records.insert(records.begin() + static_cast<std::ptrdiff_t>(at), std::move(blank));
    return at;
}

// Removes the current record; a list is never left without one, so a single record
// (or no current record) stays. Returns whether a record was removed.
template <typename Record>
bool removeRecord(std::vector<Record>& records, std::optional<std::size_t> current) {
    if (records.size() < 2 || !current || *current >= records.size()) return false;
    records.erase(records.begin() + static_cast<std::ptrdiff_t>(*current));
    return true;
}

// Grid heights for a number of rows, the heading row included; a long list is
// capped at the screen height less 140 and scrolls.
int schoolsGridHeight(int rows, int screenHeight);
int substitutesGridHeight(int rows, int screenHeight);
int cappedHeight(int wanted, int screenHeight);

// The activity cell on each selection: "Oui" becomes "Non", anything else "Oui".
std::string nextActivity(std::string_view current);

// Whether some record holds a name (blanks alone are no name): a list without one is not saved.
bool holdsAnyName(const std::vector<Substitute>& records);

}  // namespace tandarel
