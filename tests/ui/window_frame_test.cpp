#include <gtest/gtest.h>

#include <QWidget>

#include "ui/screen.h"
#include "ui/window_frame.h"
#include "widget_fixture.h"

using namespace tandarel;
using tandarel::testing::WidgetTest;

namespace {

using WindowFrameTest = WidgetTest;
const QMargins kFrame(1, 20, 1, 5);  // what one window manager adds: borders and a title bar

TEST_F(WindowFrameTest, TheFrameCoversTheGivenRectangle) {
    const QRect given(400, 50, 265, 295);
    ui::setFrameMarginsForTests(QMargins());  // not framed yet
    QWidget window;
    window.show();
    ui::placeFrame(window, given);
    EXPECT_EQ(window.geometry(), given);

    // The window manager frames the window once it is shown: it is placed again.
    ui::setFrameMarginsForTests(kFrame);
    window.update();
    settle();
    EXPECT_EQ(window.geometry(), QRect(401, 70, 263, 270));

    // A move by the user keeps the frame as it was: the window stays where it was put.
    window.setGeometry(QRect(10, 30, 263, 270));
    settle();
    EXPECT_EQ(window.geometry(), QRect(10, 30, 263, 270));

    // Hidden, the window has lost its frame; placed for its next showing, it counts on the same one.
    window.hide();
    settle();
    ui::setFrameMarginsForTests(QMargins());
    ui::placeFrame(window, given);
    EXPECT_EQ(window.geometry(), QRect(401, 70, 263, 270));
}

TEST_F(WindowFrameTest, AFullScreenWindowLeavesTheTaskBarStrip) {
    ui::setFrameMarginsForTests(QMargins(8, 31, 8, 8));
    QWidget window;
    ui::fillScreen(window);
    EXPECT_EQ(window.geometry(), QRect(8, 31, 1264, 960));  // 1280 x 999 with its frame
}

}  // namespace
