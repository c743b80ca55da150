#include "ui/clock.h"

namespace tandarel::ui {

Date Clock::today() const { return toDate(now().date()); }

Date toDate(const QDate& date) { return Date{date.year(), date.month(), date.day()}; }

QDate toQDate(const Date& date) { return QDate(date.year, date.month, date.day); }

QString frenchLongTime(const QTime& time) { return time.toString(QStringLiteral("HH:mm:ss")); }

}  // namespace tandarel::ui
