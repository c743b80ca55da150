#pragma once

#include <QUndoStack>
#include <map>
#include <memory>

#include "core/calendar.h"

namespace tandarel {

// The planning window's undo history: one stack per week shown since the window opened,
// so that a week found again with "<" or ">" keeps its history.
class WeekHistory {
public:
    QUndoStack& of(const Date& monday);
    void clear() { stacks_.clear(); }

private:
    std::map<Date, std::unique_ptr<QUndoStack>> stacks_;
};

}  // namespace tandarel
