#pragma once

#include <QDateTime>

#include "core/calendar.h"

namespace tandarel::ui {

// "Now" for every window, so that today's week and the future checks can be tested on any day.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    Date today() const;
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

Date toDate(const QDate& date);
QDate toQDate(const Date& date);
// "HH:MM:SS", the long time the program shows.
QString frenchLongTime(const QTime& time);

}  // namespace tandarel::ui
