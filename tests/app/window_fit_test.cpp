#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "app/a_propos.h"
#include "app/ges_date_system.h"
#include "app/suppression_fichier.h"
#include "widget_fixture.h"

using namespace tandarel;
using tandarel::testing::WidgetTest;

namespace {

// The visible controls that reach beyond what the frame leaves of the window.
std::vector<std::string> cutControls(QWidget& window) {
    std::vector<std::string> cut;
    for (auto* control : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (control->isVisible() && !window.rect().contains(control->geometry()))
            cut.emplace_back(control->metaObject()->className());
    return cut;
}

using WindowFitTest = WidgetTest;

// The given size is the whole window's: what the frame takes is lost to the controls.
TEST_F(WindowFitTest, SmallWindowsHoldTheirControlsInsideTheFrame) {
    ui::setFrameMarginsForTests(QMargins(8, 31, 8, 8));  // a common desktop's borders and title bar
    APropos about(context, nullptr);
    Suppression_fichier deletion(context, nullptr);
    Ges_date_system date(context, nullptr);
    for (QWidget* window : {static_cast<QWidget*>(&about), static_cast<QWidget*>(&deletion),
                            static_cast<QWidget*>(&date)}) {
        window->show();
        if (window == &date) QTest::mouseClick(&date.modifier(), Qt::LeftButton);  // its fullest state
        settle();
        EXPECT_EQ(cutControls(*window), std::vector<std::string>{}) << window->windowTitle().toStdString();
        window->hide();
    }
}

}  // namespace
