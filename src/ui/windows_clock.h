#pragma once

namespace tandarel::ui {

// The Windows half of the clock setter, without Qt, so that the Windows build of the
// Qt-free part (where no Qt is at hand) compiles it too.
struct UtcClockTime {
    int year, month, day, hour, minute, second, millisecond;
};

// Sets the system clock and tells the taskbar. Throws tandarel::Error, the system's
// wording, when the system refuses.
void setWindowsClock(const UtcClockTime& utc);

}  // namespace tandarel::ui
