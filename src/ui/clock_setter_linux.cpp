#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>

#include "ui/clock_setter.h"

namespace tandarel::ui {
namespace {

// systemd's time service; "interactive" lets the desktop ask for the password.
class TimedateClockSetter final : public ClockSetter {
public:
    bool setSystemTime(const QDateTime& utc, QString& reason) override {
        QDBusInterface timedate(QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("/org/freedesktop/timedate1"),
                                QStringLiteral("org.freedesktop.timedate1"), QDBusConnection::systemBus());
        if (!timedate.isValid()) {
            reason = QStringLiteral("le service d'heure du système est inaccessible");
            return false;
        }
        const qint64 microseconds = utc.toMSecsSinceEpoch() * 1000;
        const QDBusMessage reply = timedate.call(QStringLiteral("SetTime"), QVariant::fromValue(microseconds), false, true);
        if (reply.type() == QDBusMessage::ErrorMessage) {
            reason = reply.errorMessage();
            return false;
        }
        return true;
    }
};

}  // namespace

std::unique_ptr<ClockSetter> makeSystemClockSetter() { return std::make_unique<TimedateClockSetter>(); }

}  // namespace tandarel::ui
