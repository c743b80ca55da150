#pragma once

#include <QDateTime>
#include <memory>

namespace tandarel::ui {

// Sets the computer's clock. One implementation per platform (clock_setter_<platform>.cpp).
class ClockSetter {
public:
    virtual ~ClockSetter() = default;
    // `utc` is the new time in UTC. Throws tandarel::Error, the system's reason (in French
    // where the program words it), when the system refuses.
    virtual void setSystemTime(const QDateTime& utc) = 0;
};

std::unique_ptr<ClockSetter> makeSystemClockSetter();

}  // namespace tandarel::ui
