#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "analysis/result_grid.h"
#include "analysis/statistiques.h"
#include "app/accueil.h"
#include "app/semaine.h"
#include "core/fields.h"
#include "core/text_file.h"
#include "planning/frozen_grid.h"
#include "planning/option_group.h"
#include "planning/remplacements.h"
#include "planning/week_grid_model.h"
#include "widget_fixture.h"

using namespace tandarel;
using tandarel::testing::WidgetTest;

// The office's ordinary week, from the first start in an empty folder to the school-year analysis.
namespace {

class TypicalWeek : public WidgetTest {
protected:
    TypicalWeek() {
        accueil.setModalRunner([this](QDialog& window) {
            window.show();
            settle();
            if (auto* semaine = qobject_cast<Semaine*>(&window))
                QTest::mouseClick(&semaine->finDeChoix(), Qt::LeftButton);
            else if (auto* planning = qobject_cast<Remplacements*>(&window))
                planReplacement(*planning);
            else if (auto* analysis = qobject_cast<Statistiques*>(&window))
                analyseSchoolYear(*analysis);
            window.hide();
        });
    }

    static void click(Remplacements& window, int row, int column) {
        auto& body = window.grid().body();
        body.scrollTo(window.model().index(row, column));
        const QPoint at = body.visualRect(window.model().index(row, column)).center();
        QTest::mouseMove(body.viewport(), at);
        QTest::mouseClick(body.viewport(), Qt::LeftButton, {}, at);
    }

    // Steps 2-6: a school for Monday morning's first range of the first substitute, then
    // "Maladie" and the replaced teacher's name in the row below.
    void planReplacement(Remplacements& window) {
        click(window, 1, 2);
        ASSERT_TRUE(window.schoolList().isEnabled());
        const int school = window.schoolList().findText(QStringLiteral("Vernelle - Elém Les Tilleuls"));
        ASSERT_GE(school, 0);
        emit window.schoolList().activated(school);
        click(window, 2, 2);
        ASSERT_TRUE(window.motifGroup().isVisible());
        QTest::mouseClick(&window.motifGroup().option(0), Qt::LeftButton, {}, QPoint(6, 7));
        ASSERT_NE(window.grid().editor(), nullptr);
        QTest::keyClicks(window.grid().editor(), "DUPONT Jean");
        QTest::mouseClick(&window.button(Remplacements::Button::Quitter), Qt::LeftButton);
    }

    // Steps 7-9: "Année scolaire", 04/05.
    void analyseSchoolYear(Statistiques& window) {
        auto& dialogue = window.dialogue();
        auto& radio = dialogue.modeButton(PeriodMode::SchoolYear);
        QTest::mouseClick(&radio, Qt::LeftButton, {}, QPoint(8, radio.height() / 2));
        QTest::keyClicks(&dialogue.field(PeriodField::SchoolYear), "04/05");
        QTest::mouseClick(&dialogue.valider(PeriodMode::SchoolYear), Qt::LeftButton);
        for (int row = 0; row < 8; ++row)
            result.push_back({window.grid().text(row, 0), window.grid().text(row, 1), window.grid().text(row, 2)});
        substitutes = window.substitutesValue().text();
    }

    QAction* analysisAction() {
        for (QAction* action : accueil.helpMenu().actions())
            if (action->menu())
                for (QAction* entry : action->menu()->actions())
                    if (entry->text() == QStringLiteral("&Remplacements")) return entry;
        return nullptr;
    }

    Accueil accueil{context};
    std::vector<QStringList> result;
    QString substitutes;
};

}  // namespace

TEST_F(TypicalWeek, FromTheMenuToTheSchoolYearAnalysis) {
    clock.set(QDateTime(QDate(2005, 4, 27), QTime(9, 0)));  // a Wednesday
    messages.answer(false);
    accueil.show();
    settle();
    ASSERT_TRUE(accueil.startupDone());
    EXPECT_EQ(messages.informs(),
              QStringList{QStringLiteral("Vous devez préparer votre semaine... (jours ouvrés) - cf menu ?, puis "
                                         "sous-menu Définition de la semaine -")});

    // 1. "&Gestion des Remplacements"; the week of Monday 25 April 2005 has no file yet.
    accueil.remplacementsAction().trigger();
    const auto bytes = folder.readBytes("04_05/05_04_25.pln");
    const auto lines = splitLines(bytes);
    ASSERT_EQ(lines.size(), 2u * 8 + 5);  // the two sample substitutes
    EXPECT_EQ(lines[0],
              "Rempla\xE7" "ant / Affectation;M/AM;lundi 25 avril 2005;mardi 26 avril 2005;mercredi 27 avril 2005;"
              "jeudi 28 avril 2005;vendredi 29 avril 2005;samedi 30 avril 2005;");
    EXPECT_EQ(lines[1], "DORSANVAL R\xE9mi;M 1;Vernelle - El\xE9m Les Tilleuls;;;;;;");
    EXPECT_EQ(lines[2], "El\xE9mentaire Pradoux;Nom;M\xA4" "DUPONT Jean;;;;;;");
    EXPECT_EQ(lines[5], ";AM 1;;;HTS;;;HTS;");  // Wednesday and Saturday afternoons are not worked
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");

    // 7. Months later, "&Analyse statistique" > "&Remplacements", school year 04/05.
    clock.set(QDateTime(QDate(2005, 9, 12), QTime(14, 0)));
    QAction* analysis = analysisAction();
    ASSERT_NE(analysis, nullptr);
    analysis->trigger();

    // 8-9. One week file; 2 substitutes x (6 days x 4 motif lines - 4 out of school time) = 40 quarter-days.
    ASSERT_EQ(result.size(), 8u);
    EXPECT_EQ(result[1], (QStringList{"Maladie", "         0,25", "      2 %"}));
    EXPECT_EQ(result[2], (QStringList{"Equipe", "         0,00", "      0 %"}));
    EXPECT_EQ(result[5], (QStringList{"Mise à disposition", "         9,75", "    98 %"}));
    EXPECT_EQ(result[7], (QStringList{"                           Totaux", "       10,00", "  100 %"}));
    EXPECT_EQ(substitutes, QStringLiteral("2"));
    EXPECT_EQ(messages.unexpectedQuestions(), 0);
}
