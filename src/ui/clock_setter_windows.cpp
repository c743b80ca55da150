#include "ui/clock_setter.h"
#include "ui/windows_clock.h"

namespace tandarel::ui {
namespace {

class WindowsClockSetter final : public ClockSetter {
public:
    void setSystemTime(const QDateTime& utc) override {
        const QDate date = utc.date();
        const QTime time = utc.time();
        setWindowsClock(
            {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second(), time.msec()});
    }
};

}  // namespace

std::unique_ptr<ClockSetter> makeSystemClockSetter() { return std::make_unique<WindowsClockSetter>(); }

}  // namespace tandarel::ui
