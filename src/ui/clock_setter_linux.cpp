#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>

#include "core/error.h"
#include "ui/clock_setter.h"
#include "ui/qt_text.h"

namespace tandarel::ui {
namespace {

// systemd's time service; "interactive" lets the desktop ask for the password.
class TimedateClockSetter final : public ClockSetter {
public:
    void setSystemTime(const QDateTime& utc) override {
        QDBusInterface timedate(QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("/org/freedesktop/timedate1"),
                                QStringLiteral("org.freedesktop.timedate1"), QDBusConnection::systemBus());
        if (!timedate.isValid()) throw Error("le service d'heure du système est inaccessible");
        const qint64 microseconds = utc.toMSecsSinceEpoch() * 1000;
        const QDBusMessage reply = timedate.call(QStringLiteral("SetTime"), QVariant::fromValue(microseconds), false, true);
        if (reply.type() == QDBusMessage::ErrorMessage) throw Error(fromQ(reply.errorMessage()));
    }
};

}  // namespace

std::unique_ptr<ClockSetter> makeSystemClockSetter() { return std::make_unique<TimedateClockSetter>(); }

}  // namespace tandarel::ui
