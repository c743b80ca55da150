// The main window, the working week and the two list windows (with the timetable
// transfer) over damaged reference files, working copies and week files.
#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "app/accueil.h"
#include "app/semaine.h"
#include "core/fields.h"
#include "core/reference_files.h"
#include "grid_driver.h"
#include "lists/personnels.h"
#include "lists/rattachements.h"
#include "lists/transfer_steps.h"
#include "robustness_fixture.h"
#include "ui/text_guard.h"

namespace tandarel::testing {
namespace {

// Shows a list window and, unless its activation closed it, makes it the active one.
void open(QDialog& window) {
    window.show();
    QCoreApplication::processEvents();
    if (window.isVisible()) showActive(window);
}

std::vector<bool> ticksOf(Semaine& window) {
    std::vector<bool> ticks;
    for (int i = 0; i < 12; ++i) ticks.push_back(window.box(i).isChecked());
    return ticks;
}

// The lines after the title, as a list window shows them.
std::vector<std::string> afterTitle(const std::vector<std::string>& lines) {
    return lines.size() < 2 ? std::vector<std::string>{} : std::vector<std::string>(lines.begin() + 1, lines.end());
}

// A record's text without its separators: what no save may lose, however the fields fall.
std::string withoutSeparators(std::string line) {
    std::erase(line, ';');
    return line;
}
std::vector<std::string> recordTexts(const std::vector<std::string>& records) {
    std::vector<std::string> texts;
    for (const auto& r : records) texts.push_back(withoutSeparators(r));
    return sorted(texts);
}

// --- Start-up of the main window: semaine.pln ---

using AccueilStartup = DamagedFileTest;

TEST_P(AccueilStartup, KeepsTheWeekFileAndLoadsWhatItHolds) {
    folder.writeBytes("personnels.pln", soundSubstitutes());
    folder.writeBytes("Rattachements.pln", soundSchools());
    plantDamaged("semaine.pln", soundWorkingWeek());
    Accueil accueil(context);
    std::vector<QDialog*> opened;
    accueil.setModalRunner([&](QDialog& window) { opened.push_back(&window); });
    messages.answer(false);
    accueil.show();
    settle();

    // An existing file, damaged or not, is the week: no definition is asked for.
    EXPECT_TRUE(opened.empty());
    EXPECT_TRUE(damagedFileKept());
    if (damage().directory) {
        expectReadRefusalSaid();
        EXPECT_FALSE(accueil.startupDone());
        EXPECT_FALSE(accueil.remplacementsAction().isEnabled());
        return;
    }
    expectNoError();
    EXPECT_TRUE(accueil.startupDone());
    if (damage().keepsContent) {
        EXPECT_EQ(context.workingWeek, parseWorkingWeekLine(linesOf(soundWorkingWeek()).front()));
    }
}

INSTANTIATE_TEST_SUITE_P(Damaged, AccueilStartup, ::testing::ValuesIn(damages()), DamageName());

// --- Working-week definition: semaine.pln ---

using SemaineReader = DamagedFileTest;

TEST_P(SemaineReader, ShowsTheTicksItCanAndWritesNothing) {
    plantDamaged("semaine.pln", soundWorkingWeek());
    Semaine window(context, nullptr);
    window.show();
    settle();
    EXPECT_TRUE(damagedFileKept());
    if (damage().directory) {
        expectReadRefusalSaid();
        EXPECT_EQ(ticksOf(window), std::vector<bool>(12, false));
    } else {
        expectNoError();
    }
    if (damage().keepsContent) {
        EXPECT_EQ(ticksOf(window),
                  (std::vector<bool>{true, true, true, true, true, false, true, true, true, true, false, false}));
    }
    window.hide();
}

INSTANTIATE_TEST_SUITE_P(Damaged, SemaineReader, ::testing::ValuesIn(damages()), DamageName());

// --- Schools list: Rattachements.pln ---

using RattachementsReader = DamagedFileTest;

TEST_P(RattachementsReader, ShowsEveryLineAndQuitterKeepsThemAll) {
    plantDamaged("Rattachements.pln", soundSchools());
    Rattachements window(context, nullptr);
    open(window);
    if (damage().directory) {
        expectReadRefusalSaid();
        settle();
        EXPECT_FALSE(window.isVisible());  // an unreadable list is not edited
        EXPECT_TRUE(damagedFileKept());
        return;
    }
    expectNoError();
    const auto schools = afterTitle(plantedLines());
    EXPECT_EQ(column(window.grid(), 0), schools);
    if (damage().keepsContent) {
        EXPECT_EQ(schools, afterTitle(linesOf(soundSchools())));
    }

    // Looking at cells writes nothing.
    clickCell(window.grid(), 0, 0);
    clickCell(window.grid(), window.grid().rowCount() - 1, 0);
    EXPECT_TRUE(damagedFileKept());

    window.chrome().quit->click();
    settle();
    EXPECT_FALSE(window.isVisible());
    expectNoError();
    if (schools.empty()) {
        EXPECT_EQ(messages.informs(), QStringList{QStringLiteral("Aucune école saisie, je n'enregistre pas !")});
        EXPECT_TRUE(damagedFileKept());
        return;
    }
    QStringList said = messages.informs();
    said.removeAll(ui::kSemicolonRefused);
    EXPECT_EQ(said, QStringList{QStringLiteral("Tri et enregistrement effectués !")});
    const auto saved = linesOf(folder.readBytes("Rattachements.pln"));
    ASSERT_FALSE(saved.empty());
    EXPECT_EQ(saved.front(), std::string(kSchoolsTitle));
    EXPECT_EQ(sorted(afterTitle(saved)), sorted(schools));
}

INSTANTIATE_TEST_SUITE_P(Damaged, RattachementsReader, ::testing::ValuesIn(damages()), DamageName());

// --- Substitutes list: personnels.pln, then the transfer over its working copies ---

class PersonnelsReaders : public DamagedFileTest {
protected:
    // Leads the transfer to its end as a user accepting every proposal would. Every
    // case holds a sound week, so that choosing the weeks rewrites one, and says so.
    void finishTransfer() {
        auto& transfer = window.transfer();
        const auto before = messages.informs().size();
        bool weeksChosen = false;
        for (int step = 0; step < 4 && window.isVisible(); ++step) {
            if (transfer.pairingGrid().isVisible()) {
                transfer.newListDone().click();
            } else if (transfer.weekList().isVisible()) {
                transfer.option(WeekOption::All).click();
                transfer.finDeChoix().click();
                weeksChosen = true;
            }
            settle();
        }
        const auto said = messages.informs().mid(before);
        if (weeksChosen) {
            ASSERT_FALSE(said.isEmpty());
            EXPECT_EQ(said.back(), QStringLiteral("Modification de la (des) semaine(s) sélectionnée(s) effectuée !"));
        } else {
            EXPECT_EQ(said, QStringList{});
        }
        EXPECT_FALSE(window.isVisible()) << messages.texts().join(" | ").toStdString();
        EXPECT_FALSE(folder.exists("personnels.alt"));
        EXPECT_FALSE(folder.exists("personnels.tmp"));
    }
    void editTelephone() {
        ASSERT_TRUE(typeInCell(window.grid(), 0, 3, QStringLiteral("05 99")));
        clickCell(window.grid(), 0, 0);
    }

    Personnels window{context, nullptr};
};

using PersonnelsReader = PersonnelsReaders;

TEST_P(PersonnelsReader, ShowsEveryRecordAndQuitterKeepsEveryText) {
    folder.writeBytes("semaine.pln", soundWorkingWeek());
    folder.writeBytes(kThisWeekFile, soundWeek());
    plantDamaged("personnels.pln", soundSubstitutes());
    open(window);
    if (damage().directory) {
        expectReadRefusalSaid();
        settle();
        EXPECT_FALSE(window.isVisible());
        EXPECT_TRUE(damagedFileKept());
        return;
    }
    expectNoError();
    const auto records = afterTitle(plantedLines());
    ASSERT_EQ(window.grid().rowCount(), static_cast<int>(records.size()));
    for (int row = 0; row < window.grid().rowCount(); ++row) {
        QString shown;
        for (int c = 0; c < 5; ++c) shown += window.grid().text(row, c);
        EXPECT_EQ(shown.toStdString(), withoutSeparators(records[static_cast<std::size_t>(row)])) << row;
    }
    clickCell(window.grid(), 0, 0);
    clickCell(window.grid(), 0, 1);
    EXPECT_TRUE(damagedFileKept());

    window.chrome().quit->click();
    settle();
    expectNoError();
    const auto list = parseSubstitutes(plantedLines());
    if (!std::any_of(list.begin(), list.end(), [](const Substitute& s) { return !isBlank(s.Nom); })) {
        // No name to save; the window leaves the file as it was.
        EXPECT_EQ(messages.informs(), QStringList{QStringLiteral("Aucun personnel saisi, je n'enregistre pas !")});
        EXPECT_TRUE(damagedFileKept());
    } else {
        EXPECT_EQ(messages.informs(),
                  QStringList{QStringLiteral("Tri (par communes, puis par noms) et enregistrement effectués !")});
        const auto saved = linesOf(folder.readBytes("personnels.pln"));
        ASSERT_FALSE(saved.empty());
        EXPECT_EQ(saved.front(), std::string(kSubstitutesTitle));
        EXPECT_EQ(recordTexts(afterTitle(saved)), recordTexts(records));
    }
    finishTransfer();
    if (damage().keepsContent) {
        EXPECT_TRUE(sameBytes(folder.readBytes(kThisWeekFile), soundWeek()));
    }
}

INSTANTIATE_TEST_SUITE_P(Damaged, PersonnelsReader, ::testing::ValuesIn(damages()), DamageName());

// The edited list that the transfer compares with the old one, damaged after "Quitter"
// wrote it (a hand edit, another program): the transfer reads it as it is.
using TransferEditedList = PersonnelsReaders;

TEST_P(TransferEditedList, EndsAndRemovesTheWorkingCopies) {
    folder.writeBytes("semaine.pln", soundWorkingWeek());
    folder.writeBytes(kThisWeekFile, soundWeek());
    folder.writeBytes("personnels.pln", soundSubstitutes());
    showActive(window);
    plantDamaged("personnels.tmp", soundSubstitutes());
    window.transfer().start();
    settle();
    if (damage().directory) {
        // Then its removal fails too, and says so.
        expectReadRefusalSaid(2);
        // A folder is not a working copy that the transfer may remove.
        EXPECT_TRUE(damagedFileKept());
        EXPECT_FALSE(window.isVisible());
        return;
    }
    finishTransfer();
    expectNoError();
    EXPECT_TRUE(sameBytes(folder.readBytes("personnels.pln"), soundSubstitutes()));
}

INSTANTIATE_TEST_SUITE_P(Damaged, TransferEditedList, ::testing::ValuesIn(damages()), DamageName());

// A damaged week among the weeks of the school year that the transfer rewrites.
using TransferWeek = PersonnelsReaders;

TEST_P(TransferWeek, RewritesTheSoundWeeksAndKeepsWhatItCannotRewrite) {
    folder.writeBytes("semaine.pln", soundWorkingWeek());
    folder.writeBytes("personnels.pln", soundSubstitutes());
    folder.writeBytes("04_05/05_04_18.pln", soundWeekOf(2005, 4, 18));
    plantDamaged(kThisWeekFile, soundWeek());
    showActive(window);
    editTelephone();
    window.chrome().quit->click();
    settle();
    EXPECT_EQ(messages.informs(),
              QStringList{QStringLiteral("Tri (par communes, puis par noms) et enregistrement effectués !")});
    finishTransfer();
    expectNoError();

    const auto sound = linesOf(folder.readBytes("04_05/05_04_18.pln"));
    ASSERT_GT(sound.size(), 4u);
    EXPECT_EQ(sound[4].rfind("05 99;Nom;", 0), 0u) << sound[4];
    if (damage().directory) {
        EXPECT_TRUE(damagedFileKept());
        return;
    }
    const bool leftAlone = messages.informs().filter(QStringLiteral("05_04_25.pln")).size() == 1;
    if (leftAlone) {
        EXPECT_TRUE(damagedFileKept());
        return;
    }
    // Rewritten: the header and the non-replacement lines are kept as they were.
    const auto rewritten = linesOf(folder.readBytes(kThisWeekFile));
    const auto& planted = plantedLines();
    ASSERT_FALSE(rewritten.empty());
    EXPECT_EQ(rewritten.front(), planted.front());
    const auto section = std::find_if(planted.begin() + 1, planted.end(),
                                      [](const std::string& l) { return l.rfind("Non-remplacements;", 0) == 0; });
    const auto kept = static_cast<std::size_t>(planted.end() - section);
    ASSERT_GE(rewritten.size(), kept);
    EXPECT_TRUE(std::equal(section, planted.end(), rewritten.end() - static_cast<std::ptrdiff_t>(kept)));
}

INSTANTIATE_TEST_SUITE_P(Damaged, TransferWeek, ::testing::ValuesIn(damages()), DamageName());

}  // namespace
}  // namespace tandarel::testing
