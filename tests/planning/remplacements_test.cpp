#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "core/fields.h"
#include "core/text_file.h"
#include "core/week_grid.h"
#include "planning/copy_rules.h"
#include "planning/frozen_grid.h"
#include "planning/option_group.h"
#include "planning/print_painter.h"
#include "planning/remplacements.h"
#include "planning/week_grid_model.h"
#include "ui/colour.h"
#include "ui/qt_text.h"
#include "real_boxes.h"
#include "widget_fixture.h"

using namespace tandarel;
using tandarel::testing::cp1252Lines;
using tandarel::testing::WidgetTest;
using B = Remplacements::Button;

namespace {

const WorkingWeekSlots kUsualWeek{"LUM", "LUAM", "MAM", "MAAM", "MEM", "", "JEM", "JEAM", "VEM", "VEAM", "", ""};
const std::string kThisWeek = "04_05/05_04_25.pln";

// Every third substitute is no longer active.
std::vector<std::string> substituteLines(int count) {
    std::vector<std::string> lines{"Fichier des personnels remplaçants"};
    for (int i = 1; i <= count; ++i)
        lines.push_back("REMPLAÇANT " + std::to_string(i) + ";Vernelle;Elém Pradoux;03 00 00 00;" +
                        (i % 3 == 0 ? "Non" : "Oui") + ";");
    return lines;
}

class RemplacementsTest : public WidgetTest {
protected:
    RemplacementsTest() {
        context.workingWeek = kUsualWeek;
        folder.writeLines("personnels.pln", substituteLines(3));
        folder.writeLines("Rattachements.pln",
                          {"Fichier des Rattachements", "Vernelle - Elém Les Tilleuls", "St Aubrin - Mat J. Perlinot"});
    }

    void open() {
        window.show();
        settle();
    }
    QPoint centre(int row, int column) {
        window.grid().body().scrollTo(window.model().index(row, column));
        return window.grid().body().visualRect(window.model().index(row, column)).center();
    }
    void click(int row, int column, Qt::MouseButton button = Qt::LeftButton) {
        const QPoint at = centre(row, column);
        QTest::mouseMove(window.grid().body().viewport(), at);
        QTest::mouseClick(window.grid().body().viewport(), button, {}, at);
    }
    // The press selects the cell, then the system asks for a context menu.
    void rightClick(int row, int column) {
        click(row, column, Qt::RightButton);
        auto* viewport = window.grid().body().viewport();
        const QPoint at = centre(row, column);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
        QCoreApplication::sendEvent(viewport, &event);
    }
    void choose(OptionGroup& group, int option) {
        QTest::mouseClick(&group.option(option), Qt::LeftButton, {}, QPoint(6, 7));
    }
    void press(B which) { QTest::mouseClick(&window.button(which), Qt::LeftButton); }
    std::string cell(int row, int column) const { return window.week().grid().cell(row, column); }
    // A field of the stored week, as its Windows-1252 bytes.
    std::string storedField(const std::string& file, int row, int column) {
        const auto bytes = folder.readBytes(file);
        return splitFields(splitLines(bytes).at(static_cast<std::size_t>(row))).at(static_cast<std::size_t>(column));
    }

    Remplacements window{context, nullptr};
};

TEST_F(RemplacementsTest, OpensOnTodaysWeek) {
    clock.set(QDateTime(QDate(2005, 4, 27), QTime(9, 0)));
    open();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tandarel - Gestion des Remplacements   -   "));
    EXPECT_EQ(window.frameGeometry(), QRect(0, 0, 1280, 999));
    EXPECT_EQ(window.grid().geometry(), QRect(0, 56, 1270, 914));
    EXPECT_EQ(window.titleField().text(), QStringLiteral("Semaine du lundi 25 avril 2005 au dimanche 1 mai 2005"));
    EXPECT_EQ(window.model().rowCount(), 29);
    EXPECT_EQ(window.model().columnCount(), 7);

    EXPECT_FALSE(window.schoolList().isEnabled());
    EXPECT_EQ(window.schoolList().currentIndex(), -1);
    EXPECT_EQ(window.schoolList().itemText(0), QStringLiteral("St Aubrin - Mat J. Perlinot"));
    EXPECT_TRUE(window.button(B::Etendre).isEnabled());
    EXPECT_FALSE(window.button(B::Copier).isEnabled());
    EXPECT_FALSE(window.button(B::ViderJournee).isEnabled());
    EXPECT_FALSE(window.button(B::ViderPlage).isEnabled());
    EXPECT_TRUE(window.button(B::Calendrier).isVisible());
    EXPECT_FALSE(window.calendar().isVisible());
    EXPECT_EQ(window.copyGroup().geometry(), QRect(490, 0, 105, 85));
    EXPECT_EQ(window.extendGroup().geometry(), QRect(420, 0, 105, 55));
    EXPECT_EQ(window.motifGroup().option(4).geometry().topLeft(), QPoint(5, 65));
    EXPECT_FALSE(window.motifGroup().isVisible());
    EXPECT_FALSE(window.copyGroup().isVisible());
    EXPECT_FALSE(window.extendGroup().isVisible());

    // The first row and the two label columns stand before the scrolling cells.
    EXPECT_EQ(window.grid().cellRect(0, 0), QRect(0, 0, 149, 17));
    EXPECT_EQ(window.grid().cellRect(1, 2).topLeft(), QPoint(185, 18));
    EXPECT_EQ(window.grid().cellRect(3, 3).size(), QSize(159, 17));
    EXPECT_FALSE(folder.exists("04_05"));
}

TEST_F(RemplacementsTest, MissingReferenceFileClosesTheWindow) {
    for (const char* file : {"personnels.pln", "Rattachements.pln"}) {
        std::filesystem::rename(folder / file, folder / "aside");
        messages.clear();
        open();
        EXPECT_EQ(messages.informs(),
                  QStringList{file[0] == 'p'
                                  ? QStringLiteral("Le fichier des personnels remplaçants est introuvable ; j'abandonne...")
                                  : QStringLiteral("Je n'ai pas trouvé le fichier des écoles ; j'abandonne...")});
        EXPECT_FALSE(window.isVisible());
        std::filesystem::rename(folder / "aside", folder / file);
    }
    EXPECT_FALSE(folder.exists("04_05"));
}

TEST_F(RemplacementsTest, TypicalWeekReachesTheFile) {
    clock.set(QDateTime(QDate(2005, 4, 27), QTime(9, 0)));
    open();
    click(9, 3);  // Tuesday, second substitute, "M 1"
    ASSERT_TRUE(window.schoolList().isEnabled());
    EXPECT_EQ(window.schoolList().currentIndex(), 0);
    emit window.schoolList().activated(1);
    click(10, 3);
    ASSERT_TRUE(window.motifGroup().isVisible());
    EXPECT_FALSE(window.schoolList().isEnabled());
    choose(window.motifGroup(), 0);
    EXPECT_FALSE(window.motifGroup().isVisible());
    ASSERT_NE(window.grid().editor(), nullptr);
    QTest::keyClicks(window.grid().editor(), "DUPONT Jean");
    click(11, 3);

    EXPECT_EQ(storedField(kThisWeek, 9, 3), "Vernelle - El\xE9m Les Tilleuls");
    EXPECT_EQ(storedField(kThisWeek, 10, 3), "M\xA4" "DUPONT Jean");
    EXPECT_EQ(storedField(kThisWeek, 10, 1), "Nom");
}

TEST_F(RemplacementsTest, FirstSelectionCreatesTheNewWeeksFile) {
    open();
    click(3, 2);
    const auto substitutes = planningSubstitutes(readTextLines(folder / "personnels.pln"));
    EXPECT_EQ(folder.readBytes(kThisWeek), cp1252Lines(formatWeekLines(buildNewWeek(substitutes, kUsualWeek, {2005, 4, 25}))));
}

TEST_F(RemplacementsTest, NavigationSavesTheWeekItLeaves) {
    open();
    click(1, 2);
    emit window.schoolList().activated(0);
    press(B::Next);
    EXPECT_EQ(storedField(kThisWeek, 1, 2), "St Aubrin - Mat J. Perlinot");
    EXPECT_EQ(window.week().monday(), (Date{2005, 5, 2}));
    EXPECT_EQ(cell(1, 2), "");
    press(B::Previous);
    press(B::Previous);
    EXPECT_EQ(window.week().monday(), (Date{2005, 4, 18}));
    EXPECT_EQ(folder.entries("04_05"), (std::vector<std::string>{"05_04_25.pln", "05_05_02.pln"}));

    press(B::Calendrier);
    EXPECT_TRUE(window.calendar().isVisible());
    EXPECT_FALSE(window.timeGroup().isVisible());
    EXPECT_EQ(window.calendar().selectedDate(), QDate(2005, 4, 25));
    window.calendar().setSelectedDate(QDate(2005, 9, 7));
    emit window.calendar().activated(QDate(2005, 9, 7));
    EXPECT_EQ(window.week().monday(), (Date{2005, 9, 5}));
    EXPECT_TRUE(folder.exists("04_05/05_04_18.pln"));
    EXPECT_TRUE(window.timeGroup().isVisible());
    EXPECT_FALSE(window.calendar().isVisible());

    press(B::Quitter);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(folder.exists("05_06/05_09_05.pln"));
    EXPECT_TRUE(messages.entries().empty());
}

TEST_F(RemplacementsTest, FailedSaveKeepsTheWeekOnScreen) {
    open();
    click(1, 2);
    emit window.schoolList().activated(0);
    std::filesystem::remove_all(folder / "04_05");
    folder.writeBytes("04_05", "");  // where the school-year folder should be
    messages.clear();
    messages.answer(false);
    press(B::Next);
    ASSERT_EQ(messages.errors().size(), 1);
    EXPECT_TRUE(messages.errors()[0].startsWith(QStringLiteral("Impossible de créer le sous-dossier 04_05")));
    EXPECT_EQ(messages.entries().back().caption, QStringLiteral("Semaine non enregistrée"));
    EXPECT_EQ(window.week().monday(), (Date{2005, 4, 25}));
    EXPECT_EQ(cell(1, 2), "St Aubrin - Mat J. Perlinot");
    click(3, 2);  // the same failure is not said again at every click
    EXPECT_EQ(messages.errors().size(), 1);

    // Never trapped: the planner may leave the week unsaved, by every way out.
    messages.answer(true);
    press(B::Next);
    EXPECT_EQ(window.week().monday(), (Date{2005, 5, 2}));
    messages.answer(false);
    press(B::Quitter);
    EXPECT_TRUE(window.isVisible());
    // The week of 2 May cannot be written either: said once, when "Quitter" tries.
    EXPECT_EQ(messages.errors().size(), 2);
    messages.answer(true);
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(folder.readBytes("04_05"), "");
    EXPECT_EQ(messages.unexpectedQuestions(), 0);
}

// Ctrl+Z undoes every change of the week on screen and saves the undone state; Ctrl+Y
// and Ctrl+Shift+Z redo it.
TEST_F(RemplacementsTest, EveryChangeIsUndoneAndRedone) {
    struct Case {
        const char* name;
        std::function<void()> setUp;
        std::function<void()> change;
    };
    auto school = [&](int row, int column) {
        click(row, column);
        emit window.schoolList().activated(0);
        click(row, column);
    };
    const std::vector<Case> cases{
        {"école", [&] { click(1, 2); }, [&] { emit window.schoolList().activated(1); }},
        {"motif", [&] { click(2, 2); }, [&] { choose(window.motifGroup(), 0); }},
        {"nom", [&] { click(2, 3), choose(window.motifGroup(), 1); },
         [&] { QTest::keyClicks(window.grid().editor(), "DUPONT"); }},
        {"HTS", [&] { click(4, 3); }, [&] { choose(window.motifGroup(), 4); }},
        {"+", [&] { click(26, 2); }, [&] { QTest::keyClicks(&window.grid().body(), "+"); }},
        {"colonne", [&] { click(1, 5), messages.answer(true); },
         [&] { QTest::mouseDClick(window.grid().body().viewport(), Qt::LeftButton, {}, centre(1, 5)); }},
        {"Indisponible", [&] { click(17, 3), messages.answer(true); }, [&] { rightClick(17, 3); }},
        {"clic sur HTS", [] {}, [&] { click(13, 4); }},
        {"étendre", [&] { school(9, 2); }, [&] { press(B::Etendre), choose(window.extendGroup(), 0); }},
        {"copie", [&] { school(9, 3), press(B::Copier), messages.answer(false); },
         [&] { choose(window.copyGroup(), 2); }},
        {"vider la journée", [&] { school(9, 6); }, [&] { press(B::ViderJournee); }},
        {"vider la plage", [&] { school(11, 6); }, [&] { press(B::ViderPlage); }},
    };
    open();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto keys = [&](QKeyCombination combination) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : &window, combination.key(), combination.keyboardModifiers());
    };
    for (const auto& c : cases) {
        c.setUp();
        const WeekGrid before = window.week().grid();
        c.change();
        const WeekGrid after = window.week().grid();
        ASSERT_NE(before, after) << c.name;
        keys(QKeyCombination(Qt::CTRL, Qt::Key_Z));
        EXPECT_EQ(window.week().grid(), before) << c.name;
        EXPECT_EQ(folder.readBytes(kThisWeek), cp1252Lines(formatWeekLines(before))) << c.name;
        keys(QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z));
        EXPECT_EQ(window.week().grid(), after) << c.name;
        keys(QKeyCombination(Qt::CTRL, Qt::Key_Z));
        keys(QKeyCombination(Qt::CTRL, Qt::Key_Y));
        EXPECT_EQ(window.week().grid(), after) << c.name;
    }
    EXPECT_EQ(messages.unexpectedQuestions(), 0);

    // Each week keeps its own history while the window is open.
    press(B::Next);
    school(1, 2);
    press(B::Previous);
    keys(QKeyCombination(Qt::CTRL, Qt::Key_Z));
    EXPECT_EQ(cell(11, 6), "St Aubrin - Mat J. Perlinot");  // the last change here, undone
    press(B::Next);
    EXPECT_EQ(cell(1, 2), "St Aubrin - Mat J. Perlinot");
    keys(QKeyCombination(Qt::CTRL, Qt::Key_Z));
    EXPECT_EQ(cell(1, 2), "");
}

TEST_F(RemplacementsTest, CloseBoxSavesLikeQuitter) {
    open();
    click(2, 2);
    choose(window.motifGroup(), 2);
    QTest::keyClicks(window.grid().editor(), "MARTIN");
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(storedField(kThisWeek, 2, 2), "C\xA4MARTIN");
}

TEST_F(RemplacementsTest, CopyRunsOnIntoTheFollowingWeeks) {
    // The week after next was built for one substitute only.
    PlanningWeek shortWeek;
    shortWeek.setSources(folder.path(), planningSubstitutes({"t", "SEUL;a;b;c;Oui;"}), kUsualWeek);
    shortWeek.moveTo({2005, 5, 9});
    shortWeek.save();
    open();
    click(9, 6);  // Friday, second substitute
    emit window.schoolList().activated(0);
    click(10, 6);  // the buttons follow the selected cell
    click(9, 6);
    press(B::Copier);
    ASSERT_TRUE(window.copyGroup().isVisible());
    for (int day = 0; day < 5; ++day) messages.answer(true);
    choose(window.copyGroup(), 2);

    for (int column : {2, 4, 6}) EXPECT_EQ(storedField("04_05/05_05_02.pln", 9, column), "St Aubrin - Mat J. Perlinot");
    EXPECT_EQ(storedField("04_05/05_05_02.pln", 13, 4), "HTS");
    EXPECT_EQ(messages.informs(), QStringList{ui::toQ(kCopyStopsShortWeek)});
    EXPECT_EQ(window.week().monday(), (Date{2005, 5, 9}));
    EXPECT_EQ(window.week().grid().cell(9, 2), "");  // its counts are untouched
    EXPECT_EQ(messages.unexpectedQuestions(), 0);
}

TEST_F(RemplacementsTest, DayTogglesAskFirst) {
    open();
    click(17, 3);  // third substitute: inactive
    messages.answer(true);
    rightClick(17, 3);
    EXPECT_EQ(cell(24, 3), "Indisponible");
    ASSERT_EQ(messages.entries().size(), 1u);
    EXPECT_EQ(messages.entries()[0].caption, QStringLiteral("Attention !!!"));

    click(9, 3);  // second substitute: active, nothing asked
    rightClick(9, 3);
    EXPECT_EQ(cell(9, 3), "");
    EXPECT_EQ(messages.entries().size(), 1u);

    click(1, 5);
    messages.answer(true);
    QTest::mouseDClick(window.grid().body().viewport(), Qt::LeftButton, {}, centre(1, 5));
    EXPECT_EQ(messages.entries().size(), 2u);
    EXPECT_EQ(cell(28, 5), "HTS");
    EXPECT_EQ(messages.unexpectedQuestions(), 0);
}

TEST_F(RemplacementsTest, KeysCountAndRefuse) {
    open();
    click(26, 2);  // "E" count, Monday
    QTest::keyClicks(&window.grid().body(), "+++-");
    EXPECT_EQ(cell(26, 2), "E¤2");
    QTest::keyClick(&window.grid().body(), ';');
    EXPECT_EQ(messages.informs(), QStringList{QStringLiteral("Le signe  ;  est un caractère interdit !!!")});
    click(2, 2);
    choose(window.motifGroup(), 3);
    QTest::keyClicks(window.grid().editor(), "a;b");
    settle();
    EXPECT_EQ(cell(2, 2), "A¤ab");
    EXPECT_EQ(messages.informs().size(), 2);
}

TEST_F(RemplacementsTest, RefusalBoxLeavesTheEditorAsItWas) {
    tandarel::testing::showRealBoxes(messages);
    open();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    click(2, 2);
    choose(window.motifGroup(), 3);
    QLineEdit* editor = window.grid().editor();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "Dupont");
    editor->setCursorPosition(4);
    QTest::keyClick(editor, ';');
    EXPECT_EQ(tandarel::testing::keyboardAfterBox(window), editor);
    tandarel::testing::typeOnKeyboard("xy");
    EXPECT_EQ(cell(2, 2), "A¤Duxypont");
    EXPECT_EQ(messages.informs().size(), 1);
}

TEST_F(RemplacementsTest, ModelStaysConsistent) {
    open();
    QAbstractItemModelTester tester(&window.model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    click(1, 2);
    emit window.schoolList().activated(0);
    press(B::Next);
    folder.writeLines("personnels.pln", substituteLines(1));
    press(B::Next);
    EXPECT_EQ(window.model().rowCount(), 29);  // the sources are read when the window opens
    EXPECT_EQ(window.model().flags(window.model().index(0, 2)), Qt::ItemIsEnabled);
    EXPECT_FALSE(window.model().setData(window.model().index(3, 2), QStringLiteral("a;b"), Qt::EditRole));
}

TEST_F(RemplacementsTest, PrintsLandscapePages) {
    folder.writeLines("personnels.pln", substituteLines(7));
    open();
    const auto pdf = folder / "semaine.pdf";
    window.setPrintRunner([&](QPrinter& printer, int) {
        EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf.string()));
        return true;
    });
    press(B::Imprimer);
    const std::string bytes = folder.readBytes("semaine.pdf");
    EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
    EXPECT_EQ(QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()))
                  .count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))),
              2);
    EXPECT_TRUE(messages.entries().empty());

    // The first page as an image an eighth of its size, sampled inside the cells.
    QImage image(820, 580, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    painter.scale(0.125, 0.125);
    paintPrintPage(painter, layoutPrint(window.week().grid())[0]);
    painter.end();
    auto at = [&](int x, int y) { return image.pixelColor(x / 8, y / 8); };
    EXPECT_EQ(at(600, 145), ui::bgr(0xFFFFFF));   // header
    EXPECT_EQ(at(600, 235), ui::bgr(0xEBE60E));   // first block's labels
    EXPECT_EQ(at(2400, 235), ui::bgr(0xFFFFFF));  // its day cells
    EXPECT_EQ(at(2400, 955), ui::bgr(0xEBE60E));  // second block's day cells
    EXPECT_EQ(at(50, 50), QColor(Qt::gray));      // the margins stay unpainted
}

TEST_F(RemplacementsTest, LargeWeekOpensScrollsAndSavesAtOnce) {
    folder.writeLines("personnels.pln", substituteLines(200));
    QElapsedTimer timer;
    timer.start();
    open();
    EXPECT_EQ(window.model().rowCount(), 1605);
    auto& grid = window.grid();
    grid.body().verticalScrollBar()->setValue(grid.body().verticalScrollBar()->maximum());
    EXPECT_EQ(grid.labelColumns().verticalScrollBar()->value(), grid.body().verticalScrollBar()->value());
    EXPECT_EQ(grid.cellRect(1600, 0).top(), grid.cellRect(1600, 2).top());
    EXPECT_EQ(grid.cellRect(0, 3).top(), 0);
    for (int row : {1597, 1598, 1600, 1593}) click(row, 3);
    window.grab();
    EXPECT_LT(timer.elapsed(), 2000) << "open, scroll, four saves and a paint";
    EXPECT_EQ(readTextLines(folder / kThisWeek).size(), 1605u);
}

// Pictures for a person to look at: TANDAREL_SHOTS=<folder> runs it.
TEST_F(RemplacementsTest, Shots) {
    if (qEnvironmentVariableIsEmpty("TANDAREL_SHOTS")) GTEST_SKIP() << "TANDAREL_SHOTS names the folder for pictures";
    const QDir shots(qEnvironmentVariable("TANDAREL_SHOTS"));
    folder.writeLines("personnels.pln", substituteLines(12));
    open();
    for (auto [row, column, name] : {std::tuple{1, 2, "DUPONT Jean"}, {3, 2, "DUPONT Jean"}, {9, 3, "LEBRUN Anne"}}) {
        click(row, column);
        emit window.schoolList().activated(row % 2);
        click(row + 1, column);
        choose(window.motifGroup(), 0);
        QTest::keyClicks(window.grid().editor(), name);
    }
    click(17, 6);
    messages.answer(true);
    rightClick(17, 6);
    click(98, 2);
    QTest::keyClicks(&window.grid().body(), "+++");
    click(5, 6);
    window.grid().body().scrollToTop();
    window.grab().save(shots.filePath("remplacements.png"));
    click(12, 3);
    window.grab().save(shots.filePath("remplacements_motif.png"));
    click(1, 2);
    press(B::Copier);
    window.grab(QRect(400, 0, 300, 120)).save(shots.filePath("remplacements_copie.png"));
}

}  // namespace
