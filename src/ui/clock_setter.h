#pragma once

#include <QDateTime>
#include <QString>
#include <memory>

namespace tandarel::ui {

// Sets the computer's clock. One implementation per platform (clock_setter_<platform>.cpp).
class ClockSetter {
public:
    virtual ~ClockSetter() = default;
    // `utc` is the new time in UTC. On refusal returns false and fills `reason` (French).
    virtual bool setSystemTime(const QDateTime& utc, QString& reason) = 0;
};

std::unique_ptr<ClockSetter> makeSystemClockSetter();

}  // namespace tandarel::ui
