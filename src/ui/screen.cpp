#include "ui/screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

#include "ui/window_frame.h"

namespace tandarel::ui {
namespace {
QSize& overrideSize() {
    static QSize size;
    return size;
}
int roundedHalf(int value) { return static_cast<int>(std::lround(value / 2.0)); }
}  // namespace

QSize screenSize() {
    if (overrideSize().isValid()) return overrideSize();
    if (const auto* screen = QGuiApplication::primaryScreen()) return screen->geometry().size();
    return QSize(1024, 768);
}

void setScreenSizeForTests(QSize size) { overrideSize() = size; }

void fillScreen(QWidget& window) {
    const auto screen = screenSize();
    placeFrame(window, QRect(0, 0, screen.width(), screen.height() - 25));
}

int centredLeft(int width) { return roundedHalf(screenSize().width()) - roundedHalf(width); }

}  // namespace tandarel::ui
