#pragma once

#include <QDateTime>
#include <vector>

#include "core/error.h"
#include "ui/clock.h"
#include "ui/clock_setter.h"

namespace tandarel::testing {

class FakeClock final : public ui::Clock {
public:
    explicit FakeClock(QDateTime now = QDateTime(QDate(2005, 4, 25), QTime(10, 0, 0))) : now_(now) {}
    QDateTime now() const override { return now_; }
    void set(QDateTime now) { now_ = now; }

private:
    QDateTime now_;
};

class FakeClockSetter final : public ui::ClockSetter {
public:
    void setSystemTime(const QDateTime& utc) override {
        calls.push_back(utc);
        if (!accept) throw Error("refusé par le test");
    }
    std::vector<QDateTime> calls;
    bool accept = true;
};

}  // namespace tandarel::testing
