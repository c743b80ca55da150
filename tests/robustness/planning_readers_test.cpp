// The planning window over a damaged personnels.pln, Rattachements.pln or week file.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/fields.h"
#include "core/week_file.h"
#include "planning/frozen_grid.h"
#include "planning/option_group.h"
#include "planning/remplacements.h"
#include "planning/week_grid_model.h"
#include "robustness_fixture.h"
#include "ui/qt_text.h"

namespace tandarel::testing {
namespace {

using B = Remplacements::Button;

class PlanningReader : public DamagedFileTest {
protected:
    PlanningReader() { context.workingWeek = parseWorkingWeekLine(linesOf(soundWorkingWeek()).front()); }

    // The sound files, but for the one a case damages.
    void writeSoundFilesBut(std::string_view damaged) {
        if (damaged != "personnels.pln") folder.writeBytes("personnels.pln", soundSubstitutes());
        if (damaged != "Rattachements.pln") folder.writeBytes("Rattachements.pln", soundSchools());
    }
    void open() {
        window.show();
        settle();
    }
    void press(B which) { QTest::mouseClick(&window.button(which), Qt::LeftButton); }
    bool hasDayCell(int row, int column) { return window.model().index(row, column).flags() & Qt::ItemIsSelectable; }
    void click(int row, int column) {
        auto& body = window.grid().body();
        const auto index = window.model().index(row, column);
        body.scrollTo(index);
        QTest::mouseClick(body.viewport(), Qt::LeftButton, {}, body.visualRect(index).center());
    }
    // Prints into a PDF of the data folder; what a printer would have been sent.
    void print() {
        window.setPrintRunner([this](QPrinter& printer, int) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString((folder / "semaine.pdf").string()));
            return true;
        });
        press(B::Imprimer);
        EXPECT_EQ(folder.readBytes("semaine.pdf").substr(0, 5), "%PDF-");
    }
    // What the planner works through on any week: a cell, the next week and back, a
    // print, "Quitter".
    void workThroughTheWeek() {
        if (hasDayCell(1, 2)) click(1, 2);
        press(B::Next);
        press(B::Previous);
        print();
        press(B::Quitter);
        EXPECT_FALSE(window.isVisible());
    }
    // An unreadable file: said, the window closed, the file as it was.
    void expectRefusedAndClosed() {
        expectReadRefusalSaid();
        EXPECT_FALSE(window.isVisible());
        EXPECT_TRUE(damagedFileKept());
    }
    // A week file the program cannot keep: said, shown read-only; the planner still steps
    // past it and back, prints and leaves, and the file stays as it was.
    // The refusal is said again each time the planner comes back to the week.
    void expectShownReadOnly() {
        expectReadRefusalSaid();
        ASSERT_TRUE(window.isVisible());
        EXPECT_TRUE(window.readOnlyNotice().isVisible());
        const QString refusal = messages.errors().front();
        const QString title = window.titleField().text();
        press(B::Next);
        EXPECT_NE(window.titleField().text(), title);
        EXPECT_FALSE(window.readOnlyNotice().isVisible());
        press(B::Previous);
        workThroughTheWeek();
        EXPECT_EQ(messages.errors(), QStringList(3, refusal));
        EXPECT_TRUE(damagedFileKept());
    }

    Remplacements window{context, nullptr};
};

using PlanningSubstitutes = PlanningReader;

TEST_P(PlanningSubstitutes, BuildsOneBlockPerRecordAndNeverWritesTheList) {
    writeSoundFilesBut("personnels.pln");
    plantDamaged("personnels.pln", soundSubstitutes());
    open();
    if (damage().directory) return expectRefusedAndClosed();
    expectNoError();
    const auto records = parseSubstitutes(plantedLines());
    const int blocks = std::max<int>(1, static_cast<int>(records.size()));
    ASSERT_EQ(window.model().rowCount(), 8 * blocks + 5);
    for (int k = 0; k < static_cast<int>(records.size()); ++k)
        EXPECT_EQ(window.model().index(1 + 8 * k, 0).data().toString().toStdString(),
                  records[static_cast<std::size_t>(k)].Nom)
            << k;
    workThroughTheWeek();
    expectNoError();
    EXPECT_TRUE(damagedFileKept());
    EXPECT_EQ(linesOf(folder.readBytes(kThisWeekFile)).size(), static_cast<std::size_t>(8 * blocks + 5));
}

INSTANTIATE_TEST_SUITE_P(Damaged, PlanningSubstitutes, ::testing::ValuesIn(damages()), DamageName());

using PlanningSchools = PlanningReader;

TEST_P(PlanningSchools, OffersEveryLineAndNeverWritesTheList) {
    writeSoundFilesBut("Rattachements.pln");
    plantDamaged("Rattachements.pln", soundSchools());
    open();
    if (damage().directory) return expectRefusedAndClosed();
    expectNoError();
    const auto lines = plantedLines();
    ASSERT_EQ(window.schoolList().count(), std::max<int>(1, static_cast<int>(lines.size()) - 1));

    // Every school offered reaches the cell, or is refused with its reason.
    click(1, 2);
    for (int i = 0; i < window.schoolList().count(); ++i) {
        messages.clear();
        const auto school = window.schoolList().itemText(i);
        emit window.schoolList().activated(i);
        if (school.contains(QLatin1Char(';'))) {
            EXPECT_EQ(messages.informs(), QStringList{QStringLiteral("Le signe  ;  est un caractère interdit !!!")});
        } else {
            EXPECT_EQ(ui::shownPart(ui::toQ(window.week().grid().cell(1, 2))), school);
        }
    }
    workThroughTheWeek();
    expectNoError();
    EXPECT_TRUE(damagedFileKept());
}

INSTANTIATE_TEST_SUITE_P(Damaged, PlanningSchools, ::testing::ValuesIn(damages()), DamageName());

using PlanningWeekFile = PlanningReader;

TEST_P(PlanningWeekFile, ShowsTheStoredCellsAndKeepsThemWhenItSaves) {
    writeSoundFilesBut("");
    plantDamaged(kThisWeekFile, soundWeek());
    open();
    const auto& lines = plantedLines();
    // Read-only: what the grid cannot hold would be lost at the first save.
    if (damage().directory || weekShapeProblem(lines)) return expectShownReadOnly();
    expectNoError();
    // Opening shows and writes nothing.
    EXPECT_TRUE(damagedFileKept());
    const int rows = static_cast<int>(lines.size());
    const int columns = lines.empty() ? 0 : static_cast<int>(countFields(lines.front()));
    ASSERT_EQ(window.model().rowCount(), rows);
    ASSERT_EQ(window.model().columnCount(), columns);
    for (int r = 0; r < rows; ++r) {
        const auto fields = splitFields(lines[static_cast<std::size_t>(r)]);
        for (int c = 0; c < columns; ++c) {
            const auto stored = c < static_cast<int>(fields.size()) ? fields[static_cast<std::size_t>(c)] : std::string();
            ASSERT_EQ(window.model().index(r, c).data().toString().toStdString(), stored) << r << ", " << c;
        }
    }
    workThroughTheWeek();
    expectNoError();

    // The file as saved holds every text that was shown, in its place.
    const auto saved = linesOf(folder.readBytes(kThisWeekFile));
    ASSERT_EQ(saved.size(), lines.size());
    for (int r = 0; r < rows; ++r) {
        const auto before = splitFields(lines[static_cast<std::size_t>(r)]);
        const auto after = splitFields(saved[static_cast<std::size_t>(r)]);
        for (int c = 0; c < static_cast<int>(before.size()); ++c) {
            const auto text = trim(before[static_cast<std::size_t>(c)]);
            const auto kept = c < static_cast<int>(after.size()) ? after[static_cast<std::size_t>(c)] : std::string();
            EXPECT_EQ(kept, text) << "line " << r << ", field " << c;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Damaged, PlanningWeekFile, ::testing::ValuesIn(damages()), DamageName());

// Text after the last field of the header line: a hand-written note makes the week
// read-only, with its reason (the grid has no cell for it, and a save would drop it); the
// "HTS" that the timetable transfer writes for a day this week does not have is not text
// to keep.
using BeyondTheHeaderTest = WidgetTest;

TEST_F(BeyondTheHeaderTest, NoteIsRefusedAndHtsIsShown) {
    folder.writeBytes("personnels.pln", soundSubstitutes());
    folder.writeBytes("Rattachements.pln", soundSchools());
    context.workingWeek = parseWorkingWeekLine(linesOf(soundWorkingWeek()).front());
    struct Case {
        const char* tail;
        bool refused;
    };
    for (const auto& c : {Case{"à rappeler;", true}, Case{"HTS; ;", false}}) {
        auto lines = linesOf(soundWeek());
        lines[5] += c.tail;
        folder.writeLines(std::string(kThisWeekFile), lines);
        const auto before = folder.readBytes(kThisWeekFile);
        messages.clear();
        Remplacements window(context, nullptr);
        window.show();
        settle();
        if (c.refused) {
            EXPECT_EQ(messages.errors(),
                      QStringList{QString::fromStdString(
                          "Le fichier « " + (folder / kThisWeekFile).make_preferred().string() +
                          " » n'est pas lisible comme une semaine : sa ligne 6 a du texte au-delà des 7 champs de sa "
                          "première ligne. Il est affiché en lecture seule et ne sera pas modifié.")})
                << c.tail;
            // Shown as far as the grid reads it: the note has no cell.
            EXPECT_EQ(window.week().grid().cell(5, 2), trim(splitFields(lines[5]).at(2)));
        } else {
            EXPECT_TRUE(messages.errors().isEmpty()) << c.tail;
        }
        EXPECT_TRUE(window.isVisible()) << c.tail;
        window.close();
        EXPECT_EQ(folder.readBytes(kThisWeekFile) == before, c.refused) << c.tail;
    }
}

// A cell longer than the 32767 characters a line edit keeps by default, opened in the
// editor and left: it used to be cut there, and saved cut, without a key typed.
using LongCellTest = WidgetTest;

TEST_F(LongCellTest, TheEditorKeepsTheWholeCell) {
    folder.writeBytes("personnels.pln", soundSubstitutes());
    folder.writeBytes("Rattachements.pln", soundSchools());
    context.workingWeek = parseWorkingWeekLine(linesOf(soundWorkingWeek()).front());
    auto grid = parseWeekLines(linesOf(soundWeek()));
    const std::string name = "M¤" + std::string(40000, 'x');
    grid.setCell(2, 2, name);
    folder.writeLines(std::string(kThisWeekFile), formatWeekLines(grid));

    Remplacements window(context, nullptr);
    window.show();
    settle();
    auto& body = window.grid().body();
    auto clickAt = [&](int row, int column) {
        QTest::mouseClick(body.viewport(), Qt::LeftButton, {}, body.visualRect(window.model().index(row, column)).center());
    };
    clickAt(2, 2);
    ASSERT_TRUE(window.motifGroup().isVisible());
    QTest::mouseClick(&window.motifGroup().option(0), Qt::LeftButton, {}, QPoint(6, 7));
    ASSERT_NE(window.grid().editor(), nullptr);
    EXPECT_EQ(window.grid().editor()->text().size(), static_cast<qsizetype>(characterCount(name)));
    clickAt(3, 2);
    EXPECT_EQ(window.week().grid().cell(2, 2), name);
    EXPECT_EQ(parseWeekLines(linesOf(folder.readBytes(kThisWeekFile))).cell(2, 2), name);
}

}  // namespace
}  // namespace tandarel::testing
