#include "planning/week_history.h"

namespace tandarel {

QUndoStack& WeekHistory::of(const Date& monday) {
    auto& stack = stacks_[monday];
    if (!stack) stack = std::make_unique<QUndoStack>();
    return *stack;
}

}  // namespace tandarel
