#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "data_folder.h"

namespace tandarel::testing {

// One way a data file gets damaged or hand-edited, applied to a sound file of the kind
// that a reader expects, so that each reader meets its own file with that damage.
struct Damage {
    const char* name;
    std::function<std::string(const std::string& sound)> bytes;  // unused for a directory
    bool directory = false;    // a folder stands where the file should be
    bool keepsContent = false;  // reads as the sound file does (only the line ends differ)
};
inline void PrintTo(const Damage& damage, std::ostream* os) { *os << damage.name; }

const std::vector<Damage>& damages();

// gtest names for the table.
struct DamageName {
    template <typename Info>
    std::string operator()(const Info& info) const {
        return info.param.name;
    }
};

// Sound files, as the program writes them (Windows-1252, CR LF).
std::string soundSubstitutes();  // personnels.pln: title and three substitutes
std::string soundSchools();      // Rattachements.pln: title and three schools
std::string soundWorkingWeek();  // semaine.pln: no Wednesday afternoon, no Saturday
// The week of Monday 25 April 2005 (04_05/05_04_25.pln) for the three substitutes of
// soundSubstitutes(), with placements and non-replacement counts.
std::string soundWeek();
std::string soundWeekOf(int year, int month, int day);
inline constexpr std::string_view kThisWeekFile = "04_05/05_04_25.pln";

// Puts the damaged form of `sound` at `relative`.
void plant(const DataFolder& folder, std::string_view relative, const Damage& damage, const std::string& sound);

// What stands at `relative` now, to compare with what was planted: the bytes, or a mark
// for a folder.
std::string contentOf(const DataFolder& folder, std::string_view relative);

// The lines a reader gets from these bytes (CR LF, LF or none), as UTF-8.
std::vector<std::string> linesOf(std::string_view bytes);

}  // namespace tandarel::testing
