#pragma once

#include "recording_messages.h"

class QWidget;

namespace tandarel::testing {

// From now on, each message the double records is also shown in the program's real
// modal box, closed by the Return key once it has the keyboard, as the planner closes
// it: the window under the box loses the keyboard while it is open and gets it back.
void showRealBoxes(RecordingMessages& messages);

// Lets the box that a refused key asked for open and close, waits until `window` is
// active again, and returns the widget that then has the keyboard.
QWidget* keyboardAfterBox(QWidget& window);

// Types as the keyboard does: each key goes to the focused window, to the widget that
// has the focus at that moment.
void typeOnKeyboard(const char* keys);

}  // namespace tandarel::testing
