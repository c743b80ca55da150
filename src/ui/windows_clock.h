#pragma once

#include <string>

namespace tandarel::ui {

// The Windows half of the clock setter, without Qt, so that the Windows build of the
// Qt-free part (where no Qt is at hand) compiles it too.
struct UtcClockTime {
    int year, month, day, hour, minute, second, millisecond;
};

// Sets the system clock and tells the taskbar. On refusal returns false and fills
// `reason` with the system's wording (UTF-8).
bool setWindowsClock(const UtcClockTime& utc, std::string& reason);

}  // namespace tandarel::ui
