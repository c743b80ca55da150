#include <gtest/gtest.h>

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "app/semaine.h"
#include "core/atomic_file.h"
#include "widget_fixture.h"

using namespace tandarel;
using tandarel::testing::WidgetTest;

namespace {

class SemaineTest : public WidgetTest {
protected:
    std::vector<bool> ticks() {
        std::vector<bool> out;
        for (int i = 0; i < 12; ++i) out.push_back(window.box(i).isChecked());
        return out;
    }
    void finish() { QTest::mouseClick(&window.finDeChoix(), Qt::LeftButton); }

    Semaine window{context, nullptr};
};

}  // namespace

TEST_F(SemaineTest, DefaultWeekWithoutFile) {
    QSignalSpy saved(&window, &Semaine::weekSaved);
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral(" Tandarel - Semaine "));
    EXPECT_EQ(window.frameGeometry(), QRect(400, 50, 265, 295));
    EXPECT_EQ(ticks(), (std::vector<bool>{true, true, true, true, true, false, true, true, true, true, true, false}));
    EXPECT_EQ(window.box(5).text(), QStringLiteral("Mercredi après-midi"));

    finish();
    EXPECT_EQ(folder.readBytes("semaine.pln"), "LUM;LUAM;MAM;MAAM;MEM;;JEM;JEAM;VEM;VEAM;SAM;;\r\n");
    EXPECT_EQ(context.workingWeek,
              (WorkingWeekSlots{"LUM", "LUAM", "MAM", "MAAM", "MEM", "", "JEM", "JEAM", "VEM", "VEAM", "SAM", ""}));
    EXPECT_EQ(saved.count(), 1);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(SemaineTest, TicksFollowThePositionOfNonBlankFields) {
    struct Case {
        const char* line;
        std::vector<bool> ticks;
    };
    const std::vector<bool> none(12, false);
    auto with = [&](std::initializer_list<int> on) {
        auto t = none;
        for (int i : on) t[static_cast<std::size_t>(i)] = true;
        return t;
    };
    for (const Case& c : {Case{";;quoi;   ;;;;;;;;;", with({2})}, Case{";;;;;;;;;;;;", none},
                          Case{"LUM;;;;;;;;;;;;SAAM;XX;", with({0})}, Case{"a;b", with({0, 1})}}) {
        folder.writeBytes("semaine.pln", std::string(c.line) + "\r\n");
        window.show();
        EXPECT_EQ(ticks(), c.ticks) << c.line;
        window.hide();
    }
}

TEST_F(SemaineTest, NothingTickedIsRefusedAndTheFileKept) {
    folder.writeBytes("semaine.pln", "LUM;;;;;;;;;;;;\r\n");
    window.show();
    for (int i = 0; i < 12; ++i) window.box(i).setChecked(false);
    finish();
    EXPECT_EQ(messages.informs(), QStringList{"Vous devez cocher au moins une plage..."});
    EXPECT_EQ(folder.readBytes("semaine.pln"), "LUM;;;;;;;;;;;;\r\n");
    EXPECT_TRUE(window.isVisible());
    QTest::keyClick(&window, Qt::Key_Escape);  // no way out but "Fin de choix"
    EXPECT_TRUE(window.isVisible());
}

TEST_F(SemaineTest, FailedWriteIsReportedAndTheWindowStays) {
    folder.writeBytes("semaine.pln", "LUM;;;;;;;;;;;;\r\n");
    window.show();
    window.box(11).setChecked(true);
    setReplaceFaultHook([](const auto&) { return true; });
    finish();
    setReplaceFaultHook({});
    ASSERT_EQ(messages.errors().size(), 1);
    EXPECT_TRUE(messages.errors()[0].contains(QStringLiteral("semaine.pln")));
    EXPECT_EQ(folder.readBytes("semaine.pln"), "LUM;;;;;;;;;;;;\r\n");
    EXPECT_TRUE(window.isVisible());
}
