#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/error.h"

namespace tandarel {

inline constexpr std::string_view kDateRefused = "Je refuse la date saisie... (Rappel du format : jj mm aaaa)";
inline constexpr std::string_view kTimeRefused = "Je refuse l'heure saisie... (Rappel du format : hh mm ss)";

// The six fields of the system date window as typed, and the milliseconds of the
// moment they were filled.
struct ClockEntry {
    std::string day, month, year;
    std::string hours, minutes, seconds;
    int milliseconds = 0;
};

// A local date and time as entered (before any time-zone conversion).
struct LocalDateTime {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
    bool operator==(const LocalDateTime&) const = default;
};

struct ClockEntryCheck {
    // Set when a field does not hold a whole number: then nothing else is judged.
    Refusal notWholeNumber;
    bool dateValid = false;  // a real calendar date, year 1000 to 9999
    bool timeValid = false;  // 0-23 : 0-59 : 0-59, milliseconds 0-999
    LocalDateTime value;
};

// A whole number as typed: optional blanks around, an optional sign, digits only,
// within the range of an int.
std::optional<int> parseWholeNumber(std::string_view text);

ClockEntryCheck checkClockEntry(const ClockEntry& entry);

}  // namespace tandarel
