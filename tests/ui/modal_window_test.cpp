#include <gtest/gtest.h>

#include <QTimer>

#include "ui/modal_window.h"
#include "widget_fixture.h"

using namespace tandarel;
using tandarel::testing::WidgetTest;

namespace {
class ClosingWindow : public ui::ModalWindow {
public:
    using ui::ModalWindow::ModalWindow;
    bool closeAtOnce = false;
    int activations = 0;

protected:
    void FormActivate() override {
        ++activations;
        if (closeAtOnce) reject();
    }
};
}  // namespace

using ModalTest = WidgetTest;

TEST_F(ModalTest, AWindowThatClosesOnActivationDoesNotHang) {
    ClosingWindow window(context, nullptr);
    window.closeAtOnce = true;
    ui::runModally(window);  // would block for ever if it waited for a close that already happened
    EXPECT_EQ(window.activations, 1);
    EXPECT_FALSE(window.isVisible());

    window.closeAtOnce = false;
    QTimer::singleShot(0, &window, [&] { window.accept(); });
    ui::runModally(window);
    EXPECT_EQ(window.activations, 2);
    EXPECT_FALSE(window.isVisible());
}
