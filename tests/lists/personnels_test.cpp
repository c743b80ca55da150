#include <QHeaderView>
#include <QLabel>
#include <QPushButton>

#include "grid_driver.h"
#include "lists/personnels.h"
#include "widget_fixture.h"

namespace tandarel::testing {
namespace {

const std::string kTitle = "Fichier des personnels remplaçants";

class PersonnelsTest : public WidgetTest {
protected:
    void open(std::vector<std::string> records) {
        folder.writeLines("personnels.pln", withTitle(std::move(records)));
        showActive(window);
    }
    static std::vector<std::string> withTitle(std::vector<std::string> records) {
        records.insert(records.begin(), kTitle);
        return records;
    }
    std::string heading(int c) { return window.grid().horizontalHeaderItem(c)->text().toStdString(); }

    Personnels window{context, nullptr};
};

TEST_F(PersonnelsTest, MissingFileGivesOneEmptyRowAndShortTitle) {
    showActive(window);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tandarel - Gestion des Remplaçants     -     "));
    EXPECT_EQ(window.frameGeometry(), QRect(0, 0, 1280, 999));
    EXPECT_EQ(window.grid().geometry(), QRect(100, 65, 780, 24 * 2 + 20));
    EXPECT_EQ(heading(2), "Etablissement");
    EXPECT_EQ(heading(4), "En activité");
    EXPECT_EQ(window.grid().rowCount(), 1);
    EXPECT_EQ(window.chrome().clickHint->text(), QStringLiteral("Cliquez dans une cellule "));
    EXPECT_FALSE(folder.exists("personnels.alt"));
}

TEST_F(PersonnelsTest, ActivationCopiesTheListThenTitleOnlyListGetsItsFirstRow) {
    folder.writeBytes("personnels.alt", "old\r\n");
    open({});
    EXPECT_EQ(folder.readBytes("personnels.alt"), folder.readBytes("personnels.pln"));
    EXPECT_EQ(heading(2), "Etablissement de rattachement");
    EXPECT_EQ(window.grid().rowCount(), 0);
    clickCell(window.grid(), 0, 0);
    EXPECT_FALSE(window.chrome().remove->isVisible());
    window.chrome().insertBelow->click();
    EXPECT_EQ(window.grid().rowCount(), 1);
    EXPECT_NE(openEditor(window.grid()), nullptr);
}

TEST_F(PersonnelsTest, ActivityCyclesOnEachSelectionWithoutSaving) {
    open({"A;X;E;0;Oui;", "B;X;E;0;Oui;"});
    const auto saved = folder.readBytes("personnels.pln");
    std::vector<std::string> seen;
    for (int i = 0; i < 3; ++i) {
        clickCell(window.grid(), 0, Personnels::kActivityColumn);
        EXPECT_EQ(openEditor(window.grid()), nullptr);
        seen.push_back(window.grid().text(0, 4).toStdString());
        clickCell(window.grid(), 1, 0);
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"Non", "Oui", "Non"}));
    EXPECT_EQ(folder.readBytes("personnels.pln"), saved);

    // The next change of another kind saves the switched activity with it.
    ASSERT_TRUE(typeInCell(window.grid(), 1, 2, QStringLiteral("Y")));
    clickCell(window.grid(), 0, 0);
    EXPECT_EQ(folder.readBytes("personnels.pln"), cp1252Lines(withTitle({"A;X;E;0;Non;", "B;X;Y;0;Oui;"})));
}

// A keyboard pass through "En activité" flips each cell it crosses: Ctrl+Z takes back
// the last flip, then the last edit of a cell, and saves; Ctrl+Y puts them back.
TEST_F(PersonnelsTest, CtrlZUndoesTheLastFlipOrEdit) {
    open({"A;X;E;0;Oui;", "B;X;E;0;Oui;"});
    ASSERT_TRUE(typeInCell(window.grid(), 0, 1, QStringLiteral("Nontron")));
    clickCell(window.grid(), 0, Personnels::kActivityColumn);
    QTest::keyClick(&window.grid(), Qt::Key_Down);  // flips the second too
    ASSERT_EQ(column(window.grid(), 4), (std::vector<std::string>{"Non", "Non"}));
    auto keys = [&](QKeyCombination k) { QTest::keyClick(&window.grid(), k.key(), k.keyboardModifiers()); };
    keys(QKeyCombination(Qt::CTRL, Qt::Key_Z));
    EXPECT_EQ(column(window.grid(), 4), (std::vector<std::string>{"Non", "Oui"}));
    EXPECT_EQ(folder.readBytes("personnels.pln"), cp1252Lines(withTitle({"A;Nontron;E;0;Non;", "B;X;E;0;Oui;"})));
    keys(QKeyCombination(Qt::CTRL, Qt::Key_Z));
    keys(QKeyCombination(Qt::CTRL, Qt::Key_Z));
    EXPECT_EQ(folder.readBytes("personnels.pln"), cp1252Lines(withTitle({"A;X;E;0;Oui;", "B;X;E;0;Oui;"})));
    keys(QKeyCombination(Qt::CTRL, Qt::Key_Y));
    EXPECT_EQ(window.grid().text(0, 1), QStringLiteral("Nontron"));

    // From the editor of a name just clicked, with nothing typed in it yet: the window's undo.
    clickCell(window.grid(), 1, 0);
    QLineEdit* editor = openEditor(window.grid());
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window.grid().text(0, 1), QStringLiteral("X"));
}

TEST_F(PersonnelsTest, InsertAboveRowThreeMovesWholeRecordsAndEnterInsertsBelow) {
    const std::vector<std::string> five = {"A;Ca;Ea;0a;Oui;", "B;Cb;Eb;0b;Non;", "C;Cc;Ec;0c;Oui;", "D;Cd;Ed;0d;Non;",
                                           "E;Ce;Ee;0e;Oui;"};
    open(five);
    clickCell(window.grid(), 2, 1);
    window.chrome().insertAbove->click();
    EXPECT_EQ(window.grid().height(), 24 * 7 + 20);
    EXPECT_FALSE(window.chrome().insertAbove->isVisible());
    EXPECT_TRUE(window.chrome().quit->isVisible());
    clickCell(window.grid(), 5, 1);
    EXPECT_EQ(folder.readBytes("personnels.pln"),
              cp1252Lines(withTitle({five[0], five[1], ";;;;;", five[2], five[3], five[4]})));

    ASSERT_TRUE(typeInCell(window.grid(), 1, 0, QStringLiteral("Bis")));
    pressEnter(*openEditor(window.grid()));
    settle();
    EXPECT_EQ(column(window.grid(), 0), (std::vector<std::string>{"A", "Bis", "", "", "C", "D", "E"}));
    EXPECT_EQ(window.grid().currentRow(), 2);
}

TEST_F(PersonnelsTest, SingleRowIsKeptButTheNextChangeRewritesTheFile) {
    open({"SEUL Jean;Nontron;Ecole;05;Oui;"});
    folder.writeBytes("personnels.pln", "changed behind the window\r\n");
    clickCell(window.grid(), 0, 0);
    window.chrome().remove->click();
    EXPECT_EQ(window.grid().rowCount(), 1);
    clickCell(window.grid(), 0, 1);
    EXPECT_EQ(folder.readBytes("personnels.pln"), cp1252Lines(withTitle({"SEUL Jean;Nontron;Ecole;05;Oui;"})));
}

TEST_F(PersonnelsTest, SemicolonIsRefusedInTheEditorAndInTheActivityColumn) {
    open({"A;X;E;0;Oui;"});
    ASSERT_TRUE(typeInCell(window.grid(), 0, 3, QStringLiteral("05;53")));
    settle();
    EXPECT_EQ(openEditor(window.grid())->text(), QStringLiteral("0553"));
    clickCell(window.grid(), 0, 4);
    QTest::keyClick(&window.grid(), ';');
    const QString refused = QStringLiteral("Le signe  ;  est un caractère interdit !!!");
    EXPECT_EQ(messages.informs(), (QStringList{refused, refused}));
}

TEST_F(PersonnelsTest, RefusalBoxLeavesTheEditorAsItWas) {
    open({"A;Nontron;E;0;Oui;", "B;X;E;0;Oui;"});
    showRealBoxes(messages);
    const QString unstorable = QString::fromUtf8("ő");
    EXPECT_TRUE(typeAcrossRefusal(window, window.grid(), 0, 1, 3, unstorable, "xy"));
    clickCell(window.grid(), 1, 1);
    EXPECT_EQ(folder.readBytes("personnels.pln"), cp1252Lines(withTitle({"A;Nonxytron;E;0;Oui;", "B;X;E;0;Oui;"})));
    EXPECT_EQ(messages.informs(), QStringList{*ui::refusalOf(unstorable)});
}

TEST_F(PersonnelsTest, QuitterSavesEditedAndSortedLists) {
    open({"ZOLA Emile;Nontron;Ecole A;05 01;Oui;", "ÉMERY Luc;Nontron;Ecole B;05 02;Non;", "BRUN Ana;;Ecole C;05 03;Oui;",
          "ABEL Paul;nontron;Ecole D;05 04;Oui;"});
    clickCell(window.grid(), 3, 0);
    window.chrome().insertBelow->click();
    window.chrome().quit->click();
    EXPECT_EQ(folder.readBytes("personnels.tmp"),
              cp1252Lines(withTitle({"ZOLA Emile;Nontron;Ecole A;05 01;Oui;", "ÉMERY Luc;Nontron;Ecole B;05 02;Non;",
                                     "BRUN Ana;;Ecole C;05 03;Oui;", "ABEL Paul;nontron;Ecole D;05 04;Oui;", ";;;;;"})));
    EXPECT_EQ(folder.readBytes("personnels.pln"),
              "Fichier des personnels rempla\xE7" "ants\r\n;;;;;\r\nBRUN Ana;;Ecole C;05 03;Oui;\r\n"
              "ZOLA Emile;Nontron;Ecole A;05 01;Oui;\r\n\xC9MERY Luc;Nontron;Ecole B;05 02;Non;\r\n"
              "ABEL Paul;nontron;Ecole D;05 04;Oui;\r\n");
    EXPECT_EQ(messages.informs(), QStringList{QStringLiteral("Tri (par communes, puis par noms) et enregistrement effectués !")});
    // The list grew: the window stays open for the timetable transfer.
    EXPECT_FALSE(window.grid().isVisible());
    EXPECT_TRUE(window.isVisible());
}

TEST_F(PersonnelsTest, QuitterWithoutAnyNameWritesNothing) {
    open({";Nontron;;;Oui;"});
    const auto before = folder.readBytes("personnels.pln");
    clickCell(window.grid(), 0, 0);
    window.chrome().quit->click();
    EXPECT_EQ(messages.informs(), QStringList{QStringLiteral("Aucun personnel saisi, je n'enregistre pas !")});
    EXPECT_EQ(folder.readBytes("personnels.pln"), before);
    EXPECT_FALSE(folder.exists("personnels.tmp"));
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace tandarel::testing
