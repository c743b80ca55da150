// Saves that fail half-way (a full disk) in every window that writes, and a school-year
// folder that cannot be made: the previous file stays whole and the user is told.
#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "analysis/statistiques.h"
#include "app/accueil.h"
#include "app/semaine.h"
#include "core/atomic_file.h"
#include "grid_driver.h"
#include "lists/personnels.h"
#include "lists/rattachements.h"
#include "lists/transfer_steps.h"
#include "planning/frozen_grid.h"
#include "planning/remplacements.h"
#include "planning/week_grid_model.h"
#include "robustness_fixture.h"
#include "ui/qt_path.h"

namespace tandarel::testing {
namespace {

class FaultTest;

struct Fault {
    const char* name;
    std::string file;  // the file whose replacement fails
    std::function<void(FaultTest&)> run;  // opens a window and does what writes `file`
    std::function<bool(FaultTest&)> stillOpen;  // whether the window (or its grid) is still shown
    // Open, the edited data stay on screen for another try; the transfer and a window
    // that could not make its working copy end instead.
    bool staysOpen = true;
    QStringList informs = {};  // said before the failure; never a success after it
};
void PrintTo(const Fault& fault, std::ostream* os) { *os << fault.name; }

class FaultTest : public WidgetTest, public ::testing::WithParamInterface<Fault> {
public:
    FaultTest() {
        folder.writeBytes("personnels.pln", soundSubstitutes());
        folder.writeBytes("Rattachements.pln", soundSchools());
        folder.writeBytes("semaine.pln", soundWorkingWeek());
        folder.writeBytes("04_05/05_04_18.pln", soundWeekOf(2005, 4, 18));
        folder.writeBytes(std::string(kThisWeekFile), soundWeek());
        folder.writeBytes("analyse.csv", "export précédent\r\n");
        context.workingWeek = parseWorkingWeekLine(linesOf(soundWorkingWeek()).front());
    }
    ~FaultTest() override { setReplaceFaultHook({}); }
    using WidgetTest::folder;
    using WidgetTest::settle;

    // From now on, every replacement of the fault's file stops half-way.
    void failFromNow() {
        const auto name = std::filesystem::path(GetParam().file).filename();
        setReplaceFaultHook([name](const std::filesystem::path& file) { return file.filename() == name; });
    }
    void answerNextQuestion(bool yes) { messages.answer(yes); }
    void clickPlanning(int row, int column) {
        auto& body = remplacements.grid().body();
        const auto index = remplacements.model().index(row, column);
        QTest::mouseClick(body.viewport(), Qt::LeftButton, {}, body.visualRect(index).center());
    }
    void editTelephoneAndQuit() {
        showActive(personnels);
        ASSERT_TRUE(typeInCell(personnels.grid(), 0, 3, QStringLiteral("05 99")));
        clickCell(personnels.grid(), 0, 0);
        personnels.chrome().quit->click();
        settle();
    }

    Semaine semaine{context, nullptr};
    Rattachements rattachements{context, nullptr};
    Personnels personnels{context, nullptr};
    Remplacements remplacements{context, nullptr};
    Statistiques statistiques{context, nullptr};
};

std::vector<Fault> faults() {
    return {
        {"SemaineFinDeChoix", "semaine.pln",
         [](FaultTest& t) {
             t.semaine.show();
             t.semaine.box(11).setChecked(true);
             t.failFromNow();
             t.semaine.finDeChoix().click();
         },
         [](FaultTest& t) { return t.semaine.isVisible(); }},
        {"RattachementsCellSave", "Rattachements.pln",
         [](FaultTest& t) {
             showActive(t.rattachements);
             t.failFromNow();
             ASSERT_TRUE(typeInCell(t.rattachements.grid(), 0, 0, QStringLiteral("Nontron - Mat")));
             clickCell(t.rattachements.grid(), 1, 0);
         },
         [](FaultTest& t) { return t.rattachements.isVisible(); }},
        {"RattachementsQuitter", "Rattachements.pln",
         [](FaultTest& t) {
             showActive(t.rattachements);
             t.failFromNow();
             t.rattachements.chrome().quit->click();
         },
         [](FaultTest& t) { return t.rattachements.isVisible(); }},
        {"PersonnelsOpeningCopy", "personnels.alt",
         [](FaultTest& t) {
             t.failFromNow();
             t.personnels.show();
         },
         [](FaultTest& t) { return t.personnels.isVisible(); }, false},
        {"PersonnelsCellSave", "personnels.pln",
         [](FaultTest& t) {
             showActive(t.personnels);
             t.failFromNow();
             ASSERT_TRUE(typeInCell(t.personnels.grid(), 1, 1, QStringLiteral("Javerlhac")));
             clickCell(t.personnels.grid(), 0, 0);
         },
         [](FaultTest& t) { return t.personnels.isVisible(); }},
        {"PersonnelsQuitterEditedList", "personnels.tmp",
         [](FaultTest& t) {
             showActive(t.personnels);
             t.failFromNow();
             t.personnels.chrome().quit->click();
         },
         [](FaultTest& t) { return t.personnels.grid().isVisible(); }},
        {"PersonnelsQuitterSortedList", "personnels.pln",
         [](FaultTest& t) {
             showActive(t.personnels);
             t.failFromNow();
             t.personnels.chrome().quit->click();
         },
         [](FaultTest& t) { return t.personnels.grid().isVisible(); }},
        {"TransferWeekRewrite", std::string(kThisWeekFile),
         [](FaultTest& t) {
             t.editTelephoneAndQuit();
             auto& transfer = t.personnels.transfer();
             transfer.newListDone().click();
             transfer.option(WeekOption::All).click();
             t.failFromNow();
             transfer.finDeChoix().click();
         },
         // The weeks rewritten before the failure stay rewritten.
         [](FaultTest& t) { return t.personnels.isVisible(); }, false,
         {QStringLiteral("Tri (par communes, puis par noms) et enregistrement effectués !")}},
        {"PlanningCellSave", std::string(kThisWeekFile),
         [](FaultTest& t) {
             t.remplacements.show();
             t.settle();
             t.clickPlanning(9, 3);
             emit t.remplacements.schoolList().activated(0);
             t.failFromNow();
             t.clickPlanning(10, 3);
         },
         [](FaultTest& t) { return t.remplacements.isVisible(); }},
        {"PlanningQuitter", std::string(kThisWeekFile),
         [](FaultTest& t) {
             t.remplacements.show();
             t.settle();
             t.clickPlanning(9, 3);
             emit t.remplacements.schoolList().activated(0);
             t.failFromNow();
             t.answerNextQuestion(false);  // "Quitter sans l'enregistrer ?": no, the week stays
             QTest::mouseClick(&t.remplacements.button(Remplacements::Button::Quitter), Qt::LeftButton);
         },
         [](FaultTest& t) { return t.remplacements.isVisible(); }},
        {"AnalysisExport", "analyse.csv",
         [](FaultTest& t) {
             t.statistiques.show();
             runSchoolYear(t.statistiques);
             t.statistiques.setSaveDialog([&t](const QString&) { return ui::pathToQ(t.folder / "analyse.csv"); });
             t.failFromNow();
             QTest::mouseClick(&t.statistiques.exporter(), Qt::LeftButton);
         },
         [](FaultTest& t) { return t.statistiques.exporter().isVisible(); }},
    };
}

TEST_P(FaultTest, PreviousFileStaysAndTheUserIsTold) {
    const auto& fault = GetParam();
    const auto before = contentOf(folder, fault.file);
    fault.run(*this);
    settle();
    setReplaceFaultHook({});

    EXPECT_TRUE(sameBytes(contentOf(folder, fault.file), before));
    ASSERT_EQ(messages.errors().size(), 1) << messages.texts().join(" | ").toStdString();
    const QString error = messages.errors()[0];
    EXPECT_TRUE(error.contains(QString::fromStdString(std::filesystem::path(fault.file).filename().string())))
        << error.toStdString();
    // The system's reason in French; the previous file is said to be kept only where there was one.
    const QString outcome = before == "<absent>" ? QStringLiteral(" : Disque plein. Le fichier n'a pas été créé.")
                                                 : QStringLiteral(" : Disque plein. Le fichier précédent est conservé.");
    EXPECT_TRUE(error.endsWith(outcome)) << error.toStdString();
    EXPECT_EQ(fault.stillOpen(*this), fault.staysOpen);
    EXPECT_EQ(messages.informs(), fault.informs);
    // No half-written temporary file is left behind.
    for (const auto* dir : {"", "04_05"})
        for (const auto& name : folder.entries(dir)) EXPECT_FALSE(isTemporaryFileName(name)) << name;
    EXPECT_EQ(messages.unexpectedQuestions(), 0);
}

INSTANTIATE_TEST_SUITE_P(HalfWritten, FaultTest, ::testing::ValuesIn(faults()),
                         [](const auto& info) { return std::string(info.param.name); });

// --- A folder where semaine.pln should be: read, then written over ---

using FolderInsteadTest = WidgetTest;

TEST_F(FolderInsteadTest, WorkingWeekIsNeitherReadNorReplaced) {
    folder.writeBytes("semaine.pln/lisez-moi.txt", "notes\r\n");
    Semaine window(context, nullptr);
    window.show();
    window.box(0).setChecked(true);
    window.finDeChoix().click();
    ASSERT_EQ(messages.errors().size(), 2) << messages.texts().join(" | ").toStdString();
    EXPECT_TRUE(messages.errors()[0].startsWith(QStringLiteral("Impossible de lire le fichier")))
        << messages.errors()[0].toStdString();
    EXPECT_TRUE(messages.errors()[1].startsWith(QStringLiteral("Impossible d'enregistrer le fichier")))
        << messages.errors()[1].toStdString();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(folder.entries("semaine.pln"), std::vector<std::string>{"lisez-moi.txt"});
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"semaine.pln"});
}

// --- A school-year folder that cannot be made ---

using FolderTest = WidgetTest;

TEST_F(FolderTest, PlanningSaysWhichSubFolderItCannotCreate) {
    folder.writeBytes("personnels.pln", soundSubstitutes());
    folder.writeBytes("Rattachements.pln", soundSchools());
    folder.writeBytes("04_05", "not a folder\r\n");
    context.workingWeek = parseWorkingWeekLine(linesOf(soundWorkingWeek()).front());
    Remplacements window(context, nullptr);
    window.show();
    settle();
    const auto index = window.model().index(1, 2);
    auto& body = window.grid().body();
    QTest::mouseClick(body.viewport(), Qt::LeftButton, {}, body.visualRect(index).center());
    emit window.schoolList().activated(0);
    messages.answer(false);
    QTest::mouseClick(&window.button(Remplacements::Button::Quitter), Qt::LeftButton);

    // Said once while it lasts, then the planner chooses to stay.
    EXPECT_EQ(messages.errors(), QStringList{QStringLiteral("Impossible de créer le sous-dossier 04_05")});
    // The week stays on screen for another try, the plain file stays as it was.
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.week().grid().cell(1, 2), "Nontron - Elém Pradoux");
    EXPECT_EQ(folder.readBytes("04_05"), "not a folder\r\n");
}

}  // namespace
}  // namespace tandarel::testing
