#include "core/error.h"
#include "ui/clock_setter.h"

namespace tandarel::ui {
namespace {

class UnsupportedClockSetter final : public ClockSetter {
public:
    void setSystemTime(const QDateTime&) override {
        throw Error("ce système ne permet pas de régler l'heure depuis le programme");
    }
};

}  // namespace

std::unique_ptr<ClockSetter> makeSystemClockSetter() { return std::make_unique<UnsupportedClockSetter>(); }

}  // namespace tandarel::ui
