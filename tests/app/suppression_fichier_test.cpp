#include "app/suppression_fichier.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "app/deletion_rules.h"
#include "ui/qt_text.h"
#include "widget_fixture.h"
#include "window_shot.h"

using namespace tandarel;

namespace tandarel {
void PrintTo(const WeekFileTarget& target, std::ostream* os) { *os << target.folder << "/" << target.name; }
}  // namespace tandarel

namespace {

const std::string sep(1, static_cast<char>(std::filesystem::path::preferred_separator));

struct TargetCase {
    const char* label;
    const char* typed;
    std::optional<WeekFileTarget> target;
};
void PrintTo(const TargetCase& c, std::ostream* os) { *os << c.label; }
class WeekFileToDelete : public ::testing::TestWithParam<TargetCase> {};

TEST_P(WeekFileToDelete, FolderAndNameOrRefusal) { EXPECT_EQ(weekFileToDelete(GetParam().typed), GetParam().target); }

INSTANTIATE_TEST_SUITE_P(
    Entries, WeekFileToDelete,
    ::testing::Values(TargetCase{"April", "25/04/05", WeekFileTarget{"04_05", "05_04_25.pln"}},
                      TargetCase{"September", "02/09/05", WeekFileTarget{"05_06", "05_09_02.pln"}},
                      TargetCase{"Month13CountsAsAutumn", "25/13/05", WeekFileTarget{"05_06", "05_13_25.pln"}},
                      TargetCase{"January2000", "03/01/00", WeekFileTarget{"99_00", "00_01_03.pln"}},
                      TargetCase{"December1999", "27/12/99", WeekFileTarget{"99_00", "99_12_27.pln"}},
                      TargetCase{"Dashes", "25-04-05", std::nullopt},
                      TargetCase{"OneDigitMonth", "25/4/05", std::nullopt},
                      TargetCase{"NonDigitDay", "/./04/05", std::nullopt},
                      TargetCase{"LetterInYear", "25/04/0x", std::nullopt},
                      TargetCase{"FourDigitYear", "25/04/2005", std::nullopt},
                      TargetCase{"AccentInDay",
                                 "\xC3\xA9"
                                 "5/04/05",
                                 std::nullopt}),
    [](const auto& info) { return std::string(info.param.label); });

class SuppressionTest : public tandarel::testing::WidgetTest {
protected:
    SuppressionTest() {
        folder.writeBytes(weekFile, "x\r\n");
        window.show();
        settle();
    }
    // Types the date as a user would (which shows "Valider"), then presses it.
    void submit(const char* typed) {
        QTest::keyClicks(&window.entry(), QString::fromUtf8(typed));
        ASSERT_TRUE(window.valider().isVisible());
        QTest::mouseClick(&window.valider(), Qt::LeftButton);
        EXPECT_EQ(window.entry().text(), QString());
        EXPECT_EQ(window.focusWidget(), &window.entry());
        EXPECT_FALSE(window.valider().isVisible());
    }

    const char* weekFile = "04_05/05_04_25.pln";
    Suppression_fichier window{context, nullptr};
};

TEST_F(SuppressionTest, OpensWithInstructionAndWithoutValider) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tandarel - Suppression d'un fichier"));
    EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(ui::centredLeft(window.frameGeometry().width()), 150));
    EXPECT_EQ(window.instruction().toPlainText(),
              QStringLiteral("Saisissez la date du lundi de la semaine que vous souhaitez supprimer au format "
                             "jj/mm/aa. Exemple : 25/04/05 .\nRemarque : le fichier correspondant se nomme "
                             "05_04_25.pln ."));
    EXPECT_FALSE(window.valider().isVisible());
    EXPECT_EQ(window.focusWidget(), &window.entry());
    tandarel::testing::saveWindowShot(window, QStringLiteral("suppression_fichier"));
}

TEST_F(SuppressionTest, TheAnswerDecidesTheFile) {
    messages.answer(false);
    submit("25/04/05");
    EXPECT_EQ(folder.readBytes(weekFile), "x\r\n");
    messages.answer(true);
    submit("25/04/05");
    EXPECT_EQ(folder.entries("04_05"), std::vector<std::string>());

    const QString caption = QStringLiteral("Suppression d'un fichier ?");
    const QString question = QStringLiteral("Confirmez-vous la suppression du fichier ?");
    EXPECT_EQ(messages.texts(), (QStringList{question, QStringLiteral("Suppression annulée : fichier conservé !"),
                                             question, QStringLiteral("Suppression confirmée : fichier détruit !")}));
    EXPECT_EQ(messages.entries()[2].caption, caption);
}

TEST_F(SuppressionTest, MissingFileIsNamedWithThePlatformSeparator) {
    submit("02/09/05");
    EXPECT_EQ(messages.informs(),
              QStringList{ui::toQ("..." + sep + "05_06" + sep + "05_09_02.pln : introuvable, donc non supprimé !")});
}

TEST_F(SuppressionTest, BadFormatsAreRefusedAndDeleteNothing) {
    const QString refused =
        QStringLiteral("Votre saisie est erronnée ( format jj/mm/aa )... Pas de suppression de fichier !");
    for (const auto* typed : {"25-04-05", "25/4/05", "/./04/05"}) submit(typed);
    EXPECT_EQ(messages.texts(), (QStringList{refused, refused, refused}));
    EXPECT_EQ(folder.readBytes(weekFile), "x\r\n");
}

TEST_F(SuppressionTest, AFolderBearingTheNameIsNeverRemoved) {
    std::filesystem::create_directories(folder / "04_05/05_05_02.pln");
    messages.answer(true);
    submit("02/05/05");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "04_05/05_05_02.pln"));
    ASSERT_EQ(messages.errors().size(), 1);
    EXPECT_TRUE(messages.errors()[0].startsWith(ui::toQ("Impossible de supprimer le fichier « ..." + sep)));
    EXPECT_EQ(messages.informs(), QStringList());
}

}  // namespace
