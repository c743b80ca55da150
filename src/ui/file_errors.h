#pragma once

#include <utility>

#include "core/file_error.h"
#include "ui/messages.h"
#include "ui/qt_text.h"

namespace tandarel::ui {

// Runs `work`; a FileError reaches the user as its message and the work stops there.
// Returns whether the work ran to its end.
template <typename Work>
bool reportingFileErrors(Messages& messages, Work&& work) {
    return tandarel::reportingFileErrors(std::forward<Work>(work),
                                         [&](const std::string& text) { messages.error(toQ(text)); });
}

}  // namespace tandarel::ui
