#include <gtest/gtest.h>

#include <QTest>

#include "analysis/stat_non_remplacement.h"
#include "analysis_widget_support.h"
#include "ui/colour.h"
#include "ui/qt_path.h"
#include "week_builder.h"
#include "widget_fixture.h"

using namespace tandarel;
using namespace tandarel::testing;

namespace {

class StatNonRemplacementTest : public WidgetTest {
protected:
    StatNonRemplacementTest() {
        clock.set(QDateTime(QDate(2005, 6, 30), QTime(9, 0)));
        WeekBuilder({2005, 4, 18}, 2)
            .missed(0, 0, "M¤12")
            .missed(1, 0, "E¤2")
            .missed(2, 1, "C¤1")
            .missed(3, 3, "A¤4")
            .missed(0, 4, "M¤1234")
            .writeTo(folder);
        WeekBuilder({2005, 4, 25}, 2).wholeDay(2, "HTS").missed(0, 1, "M¤3").writeTo(folder);
    }
    QStringList gridColumn(int column) {
        QStringList texts;
        for (int row = 0; row < window.grid().rowCount(); ++row) texts << window.grid().text(row, column);
        return texts;
    }
    Stat_Non_Remplacement window{context, nullptr};
};

TEST_F(StatNonRemplacementTest, DateRangeFromModeChoiceToChart) {
    window.show();
    EXPECT_EQ(gridColumn(1), (QStringList{"  Totaux", "0", "0", "0", "0", "0"}));
    chooseMode(window, PeriodMode::DateRange);
    type(window, PeriodField::StartDate, "18/04/05");
    type(window, PeriodField::EndDate, "28/04/05");
    validate(window, PeriodMode::DateRange);

    EXPECT_EQ(messages.informs(), QStringList{"Je ne traite pas la donnée suivante : M¤1234 !"});
    EXPECT_EQ(gridColumn(0), (QStringList{"Non-Remplacements", "Autre raison", "Convenance personnelle", "Equipe",
                                           "Maladie", "                           Totaux"}));
    EXPECT_EQ(gridColumn(1), (QStringList{"  Totaux", "         1,00", "         0,25", "         0,50", "         3,75",
                                           "         5,50"}));
    EXPECT_EQ(window.grid().valueColour(1), ui::bgr(0x00DFFF));
    EXPECT_EQ(window.rangeStart().text(), QStringLiteral("lundi 18 avril 2005"));
    EXPECT_EQ(window.rangeEnd().text(), QStringLiteral("jeudi 28 avril 2005"));
    EXPECT_EQ(window.days().list().count(), 10);

    // Eight days (the "HTS" Wednesday left out), the largest total 14 quarter-days.
    const auto& chart = window.chart();
    EXPECT_EQ(chart.bars.size(), 8u);
    EXPECT_EQ(chart.frame, (Rect{10, 550 - (14 * 16 + 30), 2 * 16 * 8 + 20, 14 * 16 + 30}));
    // Monday: Maladie at the bottom, Equipe above it.
    EXPECT_EQ(pixel(window, 30, 545), ui::bgr(0xC0FFC0));
    EXPECT_EQ(pixel(window, 30, 550 - 12 * 16 - 10), ui::bgr(0xBFFA7F));
    EXPECT_EQ(pixel(window, 20, 540), QColor(Qt::black));
    saveShot(window, "stat_non_remplacement_result.png");

    // The ten days run on to a second page, after the chart.
    ASSERT_TRUE(window.exporter().isVisible());
    const QString pdf = ui::pathToQ(folder / "non-remplacements.pdf");
    EXPECT_TRUE(exportTo(window, pdf).endsWith("/analyse-non-remplacements-2005-04-18_2005-04-28.csv"));
    const auto bytes = folder.readBytes("non-remplacements.pdf");
    EXPECT_TRUE(bytes.starts_with("%PDF-"));
    EXPECT_EQ(pdfPageCount(bytes), 2);
    savePdfShot(window, "stat_non_remplacement.pdf");

    messages.answer(false);
    clickBackground(window);
    EXPECT_FALSE(window.exporter().isVisible());
    EXPECT_EQ(messages.entries().back().text, QStringLiteral("Souhaitez-vous une autre analyse ?"));
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(window.chart().empty());
}

TEST_F(StatNonRemplacementTest, NothingMissedShowsZerosAndNoChart) {
    window.show();
    chooseMode(window, PeriodMode::SchoolYear);
    type(window, PeriodField::SchoolYear, "04/05");
    messages.answer(true);
    clickBackground(window);  // asked even before any analysis
    EXPECT_EQ(messages.entries().back().text, QStringLiteral("Souhaitez-vous une autre analyse ?"));
    EXPECT_TRUE(window.dialogue().modeGroup().isVisible());

    chooseMode(window, PeriodMode::DateRange);
    type(window, PeriodField::StartDate, "27/04/05");
    type(window, PeriodField::EndDate, "29/04/05");
    validate(window, PeriodMode::DateRange);
    EXPECT_EQ(messages.informs(), QStringList{"Aucun quart de journée non remplacé pendant la plage analysée..."});
    EXPECT_EQ(gridColumn(1), (QStringList{"  Totaux", "         0,00", "         0,00", "         0,00", "         0,00",
                                           "         0,00"}));
    EXPECT_TRUE(window.chart().empty());
    EXPECT_TRUE(window.grid().isVisible());
    EXPECT_EQ(pixel(window, 30, 545), ui::bgr(0xE5E5E5));
}

TEST_F(StatNonRemplacementTest, AnUnreadableWeekFileStopsTheRun) {
    std::filesystem::remove(folder / "04_05/05_04_25.pln");
    std::filesystem::create_directories(folder / "04_05/05_04_25.pln");
    window.show();
    chooseMode(window, PeriodMode::Month);
    type(window, PeriodField::SchoolYear, "04/05");
    type(window, PeriodField::Month, "4");
    messages.answer(true);
    validate(window, PeriodMode::Month);
    // What the first file showed comes first, then the error of the second.
    const auto texts = messages.texts();
    ASSERT_EQ(texts.size(), 3);
    EXPECT_EQ(texts[0], QStringLiteral("Je ne traite pas la donnée suivante : M¤1234 !"));
    EXPECT_EQ(messages.errors(), QStringList{texts[1]});
    EXPECT_TRUE(texts[1].contains(QStringLiteral("05_04_25.pln")));
    EXPECT_EQ(texts[2], QStringLiteral("Souhaitez-vous une autre analyse ?"));
    EXPECT_FALSE(window.grid().isVisible());
    EXPECT_TRUE(window.dialogue().modeGroup().isVisible());
}

}  // namespace
