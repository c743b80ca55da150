#include <gtest/gtest.h>

#include <QTest>

#include "analysis/statistiques.h"
#include "analysis_widget_support.h"
#include "ui/colour.h"
#include "ui/qt_path.h"
#include "week_builder.h"
#include "widget_fixture.h"

using namespace tandarel;
using namespace tandarel::testing;

namespace {

class StatistiquesTest : public WidgetTest {
protected:
    StatistiquesTest() {
        folder.writeLines("personnels.pln", {"Fichier des personnels remplaçants", "A;;;;Oui;", "B;;;;Oui;", "C;;;;Oui;"});
        folder.writeLines("semaine.pln", {"LUM;LUAM;MAM;MAAM;MEM;;JEM;JEAM;VEM;VEAM;;;"});
        auto first = WeekBuilder({2005, 4, 18}, 3);
        for (int day = 0; day < 5; ++day) first.motif(0, 0, day, "M¤DURAND").motif(1, 1, day, "E¤MARTIN");
        first.motif(2, 2, 0, "C¤PETIT").motif(2, 3, 0, "A¤x").motif(2, 0, 1, "Z¤?").writeTo(folder);
        WeekBuilder({2005, 4, 25}, 2).wholeDay(2, "HTS").motif(0, 0, 0, "M¤DURAND").writeTo(folder);
    }
    QStringList row(int r) { return {window.grid().text(r, 0), window.grid().text(r, 1), window.grid().text(r, 2)}; }
    QColor itemColour(TitledList& list, int i) { return list.list().item(i)->foreground().color(); }
    void runRange(const QString& start, const QString& end) {
        chooseMode(window, PeriodMode::DateRange);
        type(window, PeriodField::StartDate, start);
        type(window, PeriodField::EndDate, end);
        validate(window, PeriodMode::DateRange);
    }
    Statistiques window{context, nullptr};
};

TEST_F(StatistiquesTest, SchoolYearFromModeChoiceToResult) {
    window.show();
    auto& dialogue = window.dialogue();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tandarel - Analyse     -     "));
    EXPECT_EQ(window.frameGeometry(), QRect(242, 202, 777, 600));
    EXPECT_EQ(window.palette().color(QPalette::Window), ui::bgr(0xE5E5E5));
    EXPECT_TRUE(dialogue.modeGroup().isVisible());
    EXPECT_FALSE(dialogue.modeButton(PeriodMode::SchoolYear).isChecked());
    EXPECT_FALSE(window.grid().isVisible());
    EXPECT_EQ(row(7), (QStringList{"                           Totaux", "0", "0 %"}));
    saveShot(window, "statistiques_modes.png");

    chooseMode(window, PeriodMode::SchoolYear);
    EXPECT_FALSE(dialogue.modeGroup().isVisible());
    EXPECT_EQ(dialogue.entryFrame().title(), QStringLiteral(" Saisie de l'année scolaire (format : aa/aa) "));
    EXPECT_FALSE(dialogue.field(PeriodField::Trimester).isVisible());
    EXPECT_FALSE(dialogue.valider(PeriodMode::Month).isVisible());
    type(window, PeriodField::SchoolYear, "04/05");
    validate(window, PeriodMode::SchoolYear);

    EXPECT_EQ(messages.texts(), QStringList{});
    // Week 1: 3 substitutes x 20 motif lines; week 2: 2 x 16 (Wednesday out of school time).
    EXPECT_EQ(row(1), (QStringList{"Maladie", "         1,50", "      7 %"}));
    EXPECT_EQ(row(5), (QStringList{"Mise à disposition", "       19,50", "    85 %"}));
    EXPECT_EQ(row(7), (QStringList{"                           Totaux", "       23,00", "  100 %"}));
    EXPECT_EQ(window.grid().valueColour(6), ui::bgr(0xB0E0DC));
    EXPECT_FALSE(window.grid().valueColour(5).isValid());
    EXPECT_EQ(window.rangeStart().text(), QStringLiteral("lundi 18 avril 2005"));
    EXPECT_EQ(window.rangeEnd().text(), QStringLiteral("vendredi 29 avril 2005"));
    const QString sep = QDir::separator();
    EXPECT_EQ(window.files().list().item(1)->text(), "..." + sep + "04_05" + sep + "05_04_25.pln");
    EXPECT_EQ(itemColour(window.files(), 0), ui::bgr(0xFF0000));
    EXPECT_EQ(itemColour(window.files(), 1), ui::bgr(0x008000));
    ASSERT_EQ(window.days().list().count(), 11);
    EXPECT_EQ(window.days().list().item(8)->text(), QStringLiteral("mercredi 27 avril 2005"));
    EXPECT_EQ(itemColour(window.days(), 8), ui::bgr(0x0000FF));
    EXPECT_EQ(itemColour(window.days(), 7), ui::bgr(0x008000));
    for (int slot = 0; slot < 12; ++slot) EXPECT_EQ(window.weekBox(slot).isChecked(), slot != 5 && slot < 10) << slot;
    EXPECT_EQ(window.substitutesLabel().text(), QStringLiteral("Nb MIN/MAX de personnels :"));
    EXPECT_EQ(window.substitutesValue().text(), QStringLiteral("2/3"));
    EXPECT_TRUE(window.weekBox(0).isVisible());
    // Maladie is drawn first, clockwise from the rightward axis; the rest is mostly white.
    EXPECT_EQ(window.pie().front(), (PieSector{0, 25, 0xC0FFC0}));
    EXPECT_EQ(pixel(window, 423 + 150, 393 + 30), ui::bgr(0xC0FFC0));
    EXPECT_EQ(pixel(window, 423 - 100, 393), ui::bgr(0xFFFFFF));
    saveShot(window, "statistiques_result.png");
    savePdfShot(window, "statistiques_result.pdf");

    messages.answer(false);
    clickBackground(window);
    EXPECT_EQ(messages.entries().back().caption, QStringLiteral("Quitter"));
    EXPECT_EQ(messages.entries().back().text, QStringLiteral("Souhaitez-vous une autre analyse ?"));
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.resultShown());
}

TEST_F(StatistiquesTest, AnotherAnalysisKeepsTheSubstituteRangeAndClearsTheChart) {
    folder.writeLines("personnels.pln", {"Fichier des personnels remplaçants", "A;;;;Oui;", "B;;;;Oui;"});
    window.show();
    runRange("25/04/05", "25/04/05");
    EXPECT_EQ(window.substitutesLabel().text(), QStringLiteral(" Nombre de personnels : "));
    EXPECT_EQ(window.substitutesValue().text(), QStringLiteral("2"));
    EXPECT_EQ(window.days().list().count(), 1);

    messages.answer(true);
    clickBackground(window);
    EXPECT_TRUE(window.pie().empty());
    EXPECT_FALSE(window.grid().isVisible());
    EXPECT_TRUE(window.dialogue().modeGroup().isVisible());
    EXPECT_FALSE(window.dialogue().modeButton(PeriodMode::DateRange).isChecked());
    EXPECT_EQ(pixel(window, 423 + 150, 393 + 30), ui::bgr(0xE5E5E5));

    chooseMode(window, PeriodMode::Trimester);
    EXPECT_EQ(window.rangeStart().text(), QString());
    type(window, PeriodField::SchoolYear, "04/05");
    type(window, PeriodField::Trimester, "3");
    validate(window, PeriodMode::Trimester);
    EXPECT_EQ(window.dialogue().boundaryFrame().title(), QStringLiteral(" Saisie de la date de début du 3ème trimestre "));
    type(window, PeriodField::Boundary, "15/04");
    QTest::mouseClick(&window.dialogue().boundaryValider(), Qt::LeftButton);
    // The first run saw 2 substitutes; this one 3 and 2.
    EXPECT_EQ(window.substitutesValue().text(), QStringLiteral("2/3"));
    EXPECT_FALSE(window.dialogue().boundaryFrame().isVisible());
}

TEST_F(StatistiquesTest, OnlyNoClearsTheResultFlag) {
    window.show();
    runRange("25/04/05", "25/04/05");
    messages.answer(true);
    clickBackground(window);
    EXPECT_TRUE(window.resultShown());
    // Yes kept the flag: the next click on the background asks again, and No ends it.
    messages.answer(false);
    clickBackground(window);
    EXPECT_EQ(messages.texts().count(QStringLiteral("Souhaitez-vous une autre analyse ?")), 2);
    EXPECT_FALSE(window.resultShown());
    EXPECT_FALSE(window.isVisible());
}

TEST_F(StatistiquesTest, ExporterShowsWithTheResultAndWritesCsvAndPdf) {
    window.show();
    EXPECT_FALSE(window.exporter().isVisible());
    runRange("25/04/05", "25/04/05");
    ASSERT_TRUE(window.exporter().isVisible());
    EXPECT_EQ(window.exporter().text(), QStringLiteral("Exporter…"));

    const QString base = ui::pathToQ(folder.path()) + "/";
    const QString suggested = exportTo(window, base + "résultat.csv");
    EXPECT_TRUE(suggested.endsWith("/analyse-remplacements-2005-04-25_2005-04-25.csv")) << suggested.toStdString();
    const auto csv = folder.readBytes("résultat.csv");
    EXPECT_TRUE(csv.starts_with("\xEF\xBB\xBFMotifs d'absence;Totaux;%\r\nMaladie;0,25;12\r\n")) << csv;
    EXPECT_NE(csv.find("\r\nListe des jours analysés\r\nlundi 25 avril 2005\r\n"), std::string::npos);

    exportTo(window, base + "résultat.PDF");
    const auto pdf = folder.readBytes("résultat.PDF");
    EXPECT_TRUE(pdf.starts_with("%PDF-"));
    EXPECT_EQ(pdfPageCount(pdf), 1);

    // A refused write is said; nothing is written when the planner gives up.
    exportTo(window, base + "absent/résultat.csv");
    exportTo(window, QString());
    ASSERT_EQ(messages.errors().size(), 1);
    EXPECT_TRUE(messages.errors().front().startsWith(QStringLiteral("Impossible d'enregistrer le fichier")));
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"04_05", "personnels.pln", "résultat.PDF", "résultat.csv",
                                                          "semaine.pln"}));
    saveShot(window, "statistiques_exporter.png");

    messages.answer(true);
    clickBackground(window);
    EXPECT_FALSE(window.exporter().isVisible());
}

TEST_F(StatistiquesTest, RefusalsKeepTheEntryOpen) {
    window.show();
    auto& dialogue = window.dialogue();
    chooseMode(window, PeriodMode::Trimester);
    type(window, PeriodField::SchoolYear, "04/06");
    type(window, PeriodField::Trimester, "2");
    validate(window, PeriodMode::Trimester);
    EXPECT_EQ(messages.informs(), QStringList{"Votre saisie ne définit pas une année scolaire ..."});
    EXPECT_EQ(dialogue.field(PeriodField::SchoolYear).text(), QString());
    EXPECT_EQ(dialogue.field(PeriodField::Trimester).text(), QString());
    EXPECT_TRUE(dialogue.valider(PeriodMode::Trimester).isVisible());
    EXPECT_TRUE(dialogue.quitter().isVisible());

    type(window, PeriodField::SchoolYear, "04/05");
    type(window, PeriodField::Trimester, "2");
    validate(window, PeriodMode::Trimester);
    EXPECT_EQ(dialogue.boundaryFrame().title(), QStringLiteral(" Saisie de la date de fin du 2ème trimestre "));
    EXPECT_FALSE(dialogue.valider(PeriodMode::Trimester).isVisible());
    saveShot(window, "statistiques_boundary.png");
    type(window, PeriodField::Boundary, "15/06");
    QTest::mouseClick(&dialogue.boundaryValider(), Qt::LeftButton);
    EXPECT_EQ(messages.informs().back(),
              "Seules valeurs possibles pour le mois-charnière entre 2ème et 3ème trimestres : de 03, 04 ou 05");
    EXPECT_EQ(dialogue.field(PeriodField::Boundary).text(), QString());
    EXPECT_FALSE(window.resultShown());

    type(window, PeriodField::Boundary, "26/04");
    QTest::mouseClick(&dialogue.boundaryValider(), Qt::LeftButton);
    EXPECT_EQ(window.rangeEnd().text(), QStringLiteral("mardi 26 avril 2005"));
    EXPECT_EQ(dialogue.field(PeriodField::StartDate).text(), QStringLiteral("01/01/05"));
    EXPECT_EQ(dialogue.field(PeriodField::EndDate).text(), QStringLiteral("26/04/05"));
}

TEST_F(StatistiquesTest, TypingAidsAndAMonthWithoutWeekFile) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto& dialogue = window.dialogue();
    chooseMode(window, PeriodMode::Month);
    EXPECT_TRUE(dialogue.field(PeriodField::SchoolYear).hasFocus());
    QTest::keyClicks(&dialogue.field(PeriodField::SchoolYear), "04/05");
    EXPECT_EQ(dialogue.field(PeriodField::SchoolYear).text(), QStringLiteral("04/05"));
    EXPECT_TRUE(dialogue.field(PeriodField::Month).hasFocus());
    QTest::keyClicks(QApplication::focusWidget(), "9");

    messages.answer(true);
    validate(window, PeriodMode::Month);
    EXPECT_EQ(messages.informs(), QStringList{"Aucun fichier pour ce mois... Donc, pas d'analyse !"});
    EXPECT_EQ(messages.entries().back().text, QStringLiteral("Souhaitez-vous une autre analyse ?"));
    EXPECT_TRUE(dialogue.modeGroup().isVisible());
    EXPECT_FALSE(dialogue.entryFrame().isVisible());
    EXPECT_EQ(dialogue.field(PeriodField::Month).text(), QString());

    chooseMode(window, PeriodMode::DateRange);
    EXPECT_TRUE(dialogue.field(PeriodField::StartDate).hasFocus());
    QTest::keyClicks(&dialogue.field(PeriodField::StartDate), "01/04/05");
    EXPECT_EQ(dialogue.field(PeriodField::StartDate).text(), QStringLiteral("01/04/05"));
    EXPECT_TRUE(dialogue.field(PeriodField::EndDate).hasFocus());
}

TEST_F(StatistiquesTest, BackgroundClickWithoutResultAsksNothing) {
    window.show();
    chooseMode(window, PeriodMode::SchoolYear);
    // A click on a control is no background click.
    QTest::mouseClick(&window.dialogue().entryFrame(), Qt::LeftButton, {}, QPoint(5, 100));
    EXPECT_TRUE(window.dialogue().entryFrame().isVisible());
    clickBackground(window);
    EXPECT_FALSE(window.dialogue().entryFrame().isVisible());
    EXPECT_FALSE(window.dialogue().quitter().isVisible());
    EXPECT_EQ(messages.entries().size(), 0u);
    EXPECT_TRUE(window.isVisible());

    window.hide();
    window.show();
    chooseMode(window, PeriodMode::SchoolYear);
    QTest::mouseClick(&window.dialogue().quitter(), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(StatistiquesTest, MissingWorkingWeekAndNothingCounted) {
    std::filesystem::remove(folder / "semaine.pln");
    clock.set(QDateTime(QDate(2005, 5, 2), QTime(8, 0)));
    window.show();
    runRange("30/04/05", "30/04/05");  // a Saturday: no day of its week file
    EXPECT_EQ(messages.informs(),
              (QStringList{"Problème : une date étrangère à la semaine active a sans doute été saisie deux fois... Je "
                           "n'ai aucune donnée à traiter !",
                           "Problème : je n'ai pas trouvé le fichier semaine.pln ..."}));
    for (int slot = 0; slot < 12; ++slot) EXPECT_FALSE(window.weekBox(slot).isChecked());
    EXPECT_EQ(window.rangeStart().text(), QStringLiteral("30/04/05"));
    EXPECT_EQ(row(7), (QStringList{"                           Totaux", "         0,00", "      0 %"}));
    EXPECT_TRUE(window.pie().empty());
    EXPECT_TRUE(window.resultShown());
}

}  // namespace
