#include "ui/clock_setter.h"
#include "ui/qt_text.h"
#include "ui/windows_clock.h"

namespace tandarel::ui {
namespace {

class WindowsClockSetter final : public ClockSetter {
public:
    bool setSystemTime(const QDateTime& utc, QString& reason) override {
        const QDate date = utc.date();
        const QTime time = utc.time();
        std::string refusal;
        if (setWindowsClock({date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second(),
                             time.msec()},
                            refusal))
            return true;
        reason = toQ(refusal);
        return false;
    }
};

}  // namespace

std::unique_ptr<ClockSetter> makeSystemClockSetter() { return std::make_unique<WindowsClockSetter>(); }

}  // namespace tandarel::ui
