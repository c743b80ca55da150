#include "app/a_propos.h"

#include <gtest/gtest.h>

#include <QTextEdit>

#include "widget_fixture.h"
#include "window_shot.h"

using namespace tandarel;
using tandarel::testing::WidgetTest;

namespace {

using AProposTest = WidgetTest;

TEST_F(AProposTest, ShowsTheNameAndVersion) {
    APropos window(context, nullptr);
    window.show();

    EXPECT_EQ(window.windowTitle(), QStringLiteral(" Tandarel - A propos..."));
    EXPECT_EQ(window.frameGeometry(), QRect(640 - 366, 100, 732, 420));
    EXPECT_EQ(window.richText().toPlainText(), QStringLiteral("Tandarel ( Version 4.1 - Août 2007 )"));
    EXPECT_TRUE(window.richText().isReadOnly());
    settle();
    tandarel::testing::saveWindowShot(window, QStringLiteral("a_propos"));
}

}  // namespace
