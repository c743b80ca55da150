#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "app/accueil.h"
#include "app/ges_date_system.h"
#include "app/semaine.h"
#include "core/atomic_file.h"
#include "widget_fixture.h"

using namespace tandarel;
using tandarel::testing::WidgetTest;

namespace {

struct MenuState {
    bool rattachements, personnels, remplacements, quitter, help;
    bool operator==(const MenuState&) const = default;
};
void PrintTo(const MenuState& s, std::ostream* os) {
    *os << s.rattachements << s.personnels << s.remplacements << s.quitter << s.help;
}

class AccueilTest : public WidgetTest {
protected:
    AccueilTest() {
        accueil.setModalRunner([this](QDialog& window) {
            opened.push_back(&window);
            menuWhileOpen.push_back(menu());
            window.show();
            if (&window == &accueil.semaine()) QTest::mouseClick(&accueil.semaine().finDeChoix(), Qt::LeftButton);
            window.hide();
        });
    }

    MenuState menu() {
        return {accueil.rattachementsAction().isEnabled(), accueil.personnelsAction().isEnabled(),
                accueil.remplacementsAction().isEnabled(), accueil.quitterAction().isEnabled(),
                accueil.helpMenu().menuAction()->isEnabled()};
    }

    void start() {
        accueil.show();
        settle();
        ASSERT_EQ(messages.unexpectedQuestions(), 0);
    }

    QDialog* semaineWindow() { return &accueil.semaine(); }
    QDialog* dateWindow() { return &accueil.dateWindow(); }

    Accueil accueil{context};
    std::vector<QDialog*> opened;
    std::vector<MenuState> menuWhileOpen;
};

const QString kQuestion = QStringLiteral(
    "TRES IMPORTANT  ! ! !\r\n\r\nLa date-système ci-dessus doit impérativement correspondre à la date "
    "d'aujourd'hui...\r\nFaut-il modifier la date système ?");
constexpr MenuState kAllEnabled{true, true, true, true, true};

}  // namespace

TEST_F(AccueilTest, FirstStartInAnEmptyFolder) {
    bool panelShownDuringQuestion = false;
    messages.answer(false, [&] {
        panelShownDuringQuestion = accueil.dateField().isVisible() && accueil.blinkTimer().isActive() &&
                                   accueil.dateField().text() == QStringLiteral("lundi 25 avril 2005") &&
                                   accueil.timeField().text() == QStringLiteral("10:00:00");
    });
    start();

    ASSERT_GE(messages.entries().size(), 2u);
    EXPECT_EQ(messages.entries()[0].caption, QStringLiteral("Modifier la date système ?"));
    EXPECT_EQ(messages.entries()[0].text, kQuestion);
    EXPECT_EQ(messages.entries()[1].text,
              QStringLiteral("Vous devez préparer votre semaine... (jours ouvrés) - cf menu ?, puis sous-menu "
                             "Définition de la semaine -"));
    EXPECT_TRUE(panelShownDuringQuestion);
    EXPECT_FALSE(accueil.blinkTimer().isActive());
    EXPECT_FALSE(accueil.dateField().isVisible());

    ASSERT_EQ(opened, std::vector<QDialog*>{semaineWindow()});
    EXPECT_EQ(menuWhileOpen[0], (MenuState{false, false, false, true, true}));

    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"Rattachements.pln", "personnels.pln", "semaine.pln"}));
    EXPECT_EQ(folder.readBytes("semaine.pln"), "LUM;LUAM;MAM;MAAM;MEM;;JEM;JEAM;VEM;VEAM;SAM;;\r\n");
    EXPECT_EQ(folder.readBytes("Rattachements.pln"),
              "Fichier des Rattachements\r\nVernelle - El\xE9m Les Tilleuls\r\nSt Aubrin - Mat J. Perlinot\r\n");
    EXPECT_EQ(folder.readBytes("personnels.pln"),
              "Fichier des personnels rempla\xE7" "ants\r\n"
              "DORSANVAL R\xE9mi;Vernelle en Lizonne;El\xE9mentaire Pradoux;03 00 99 99 99;Oui;\r\n"
              "MOURELLE Sonia;Vernelle en Lizonne;El\xE9mentaire Marcel Tournaval;03 00 88 88 88;Oui;\r\n");
    EXPECT_EQ(context.workingWeek.size(), 12u);
    EXPECT_EQ(menu(), kAllEnabled);
    EXPECT_TRUE(accueil.startupDone());
    EXPECT_EQ(accueil.windowTitle(), QStringLiteral("Tandarel - Accueil     -     "));
    EXPECT_EQ(accueil.frameGeometry(), QRect(0, 0, 1280, 999));
}

TEST_F(AccueilTest, YesOpensTheDateWindowFirstAndExistingFilesStayUntouched) {
    const std::string people = "titre\r\nA;B;C;D;Non;\r\n";
    folder.writeBytes("personnels.pln", people);
    folder.writeBytes("Rattachements.pln", "");
    folder.writeBytes("semaine.pln", ";;;;;;;;;;;;\r\n");
    messages.answer(true);
    start();

    EXPECT_EQ(opened, std::vector<QDialog*>{dateWindow()});
    EXPECT_EQ(messages.texts(), QStringList{kQuestion});
    EXPECT_EQ(folder.readBytes("personnels.pln"), people);
    EXPECT_EQ(folder.readBytes("Rattachements.pln"), "");
    EXPECT_EQ(context.workingWeek, WorkingWeekSlots(12, ""));
    EXPECT_EQ(menu(), kAllEnabled);
}

TEST_F(AccueilTest, FailedDefaultFileStopsTheSequenceWithItsMessage) {
    folder.writeBytes("semaine.pln", "LUM;;;;;;;;;;;;\r\n");
    setReplaceFaultHook([](const std::filesystem::path& file) { return file.filename() == "Rattachements.pln"; });
    messages.answer(false);
    start();
    setReplaceFaultHook({});

    ASSERT_EQ(messages.errors().size(), 1);
    EXPECT_TRUE(messages.errors()[0].contains(QStringLiteral("Rattachements.pln"))) << messages.errors()[0].toStdString();
    EXPECT_FALSE(folder.exists("Rattachements.pln"));
    EXPECT_FALSE(folder.exists("personnels.pln"));
    EXPECT_EQ(menu(), (MenuState{true, true, false, true, true}));
    EXPECT_FALSE(accueil.startupDone());
}

TEST_F(AccueilTest, SequenceRunsOnceAndTheMenuReadsAsDesigned) {
    folder.writeBytes("semaine.pln", "LUM;;;;;;;;;;;;\r\n");
    messages.answer(false);
    start();
    accueil.hide();
    accueil.show();
    settle();
    EXPECT_EQ(messages.entries().size(), 1u);

    QStringList help;
    for (const QAction* action : accueil.helpMenu().actions()) help << action->text();
    EXPECT_EQ(help, (QStringList{"A &propos...", "-------------------------------", "&Analyse statistique",
                                 "&Définition de la semaine", "&Suppression d'un fichier",
                                 "-------------------------------", "D&ocumentation", "Sau&vegardes"}));
    accueil.helpMenu().actions().back()->trigger();
    ASSERT_FALSE(opened.empty());
    EXPECT_EQ(opened.back()->windowTitle(), QStringLiteral("Tandarel - Sauvegardes     -     "));
    QStringList analysis;
    for (const QAction* action : accueil.helpMenu().actions()[2]->menu()->actions()) analysis << action->text();
    EXPECT_EQ(analysis, (QStringList{"&Remplacements", "Non-Remplacements", "&Bilans..."}));
    accueil.helpMenu().actions()[2]->menu()->actions().back()->trigger();
    EXPECT_EQ(opened.back()->windowTitle(), QStringLiteral("Tandarel - Bilans     -     "));
}
