#pragma once

#include <QSize>

class QWidget;

namespace tandarel::ui {

// The primary screen's size (or the size a test has set).
QSize screenSize();
void setScreenSizeForTests(QSize size);  // an empty size goes back to the real screen

// Full-screen windows: the whole window as wide as the screen, 25 pixels less high (the task bar's
// strip), at (0, 0).
void fillScreen(QWidget& window);
// Left that centres a window of `width` horizontally: half the screen, rounded, less half the width, rounded.
int centredLeft(int width);

}  // namespace tandarel::ui
