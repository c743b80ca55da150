#include "ui/clock_setter.h"

namespace tandarel::ui {
namespace {

class UnsupportedClockSetter final : public ClockSetter {
public:
    bool setSystemTime(const QDateTime&, QString& reason) override {
        reason = QStringLiteral("ce système ne permet pas de régler l'heure depuis le programme");
        return false;
    }
};

}  // namespace

std::unique_ptr<ClockSetter> makeSystemClockSetter() { return std::make_unique<UnsupportedClockSetter>(); }

}  // namespace tandarel::ui
