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
    void open() {
        showActive(window);
        settle();
    }
    void writeList(const std::vector<std::string>& records) {
        std::vector<std::string> lines{kTitle};
        lines.insert(lines.end(), records.begin(), records.end());
        folder.writeLines("personnels.pln", lines);
    }
    std::vector<std::string> headings() {
        std::vector<std::string> out;
        for (int c = 0; c < window.grid().columnCount(); ++c)
            out.push_back(window.grid().horizontalHeaderItem(c)->text().toStdString());
        return out;
    }

    Personnels window{context, nullptr};
};

const std::vector<std::string> kFive = {"A;Ca;Ea;0a;Oui;", "B;Cb;Eb;0b;Non;", "C;Cc;Ec;0c;Oui;", "D;Cd;Ed;0d;Non;",
                                        "E;Ce;Ee;0e;Oui;"};

TEST_F(PersonnelsTest, MissingFileGivesOneEmptyRowAndShortTitle) {
    open();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tandarel - Gestion des Remplaçants     -     "));
    EXPECT_EQ(window.pos(), QPoint(0, 0));
    EXPECT_EQ(window.size(), QSize(1280, 999));
    EXPECT_EQ(window.grid().geometry(), QRect(100, 65, 780, 24 * 2 + 20));
    EXPECT_EQ(headings(), (std::vector<std::string>{"Nom", "Commune", "Etablissement", "Téléphone", "En activité"}));
    EXPECT_EQ(window.grid().rowCount(), 1);
    EXPECT_EQ(window.chrome().clickHint->text(), QStringLiteral("Cliquez dans une cellule "));
    EXPECT_TRUE(window.chrome().clickHint->isVisible());
    EXPECT_FALSE(window.chrome().quit->isVisible());
    EXPECT_FALSE(folder.exists("personnels.alt"));
}

TEST_F(PersonnelsTest, ActivationCopiesTheListAndLoadsIt) {
    folder.writeBytes("personnels.alt", "old\r\n");
    writeList({"DUPONT Marc;Nontron;Ecole Jaurès;05 53;Oui;", "A;B;C;D;;"});
    open();
    EXPECT_EQ(folder.readBytes("personnels.alt"), folder.readBytes("personnels.pln"));
    EXPECT_EQ(headings()[2], "Etablissement de rattachement");
    EXPECT_EQ(column(window.grid(), 2), (std::vector<std::string>{"Ecole Jaurès", "C"}));
    EXPECT_EQ(column(window.grid(), 4), (std::vector<std::string>{"Oui", ""}));
    EXPECT_EQ(window.grid().height(), 24 * 3 + 20);
}

TEST_F(PersonnelsTest, TitleOnlyFileThenInsertion) {
    writeList({});
    open();
    EXPECT_EQ(window.grid().rowCount(), 0);
    clickCell(window.grid(), 0, 0);
    EXPECT_TRUE(window.chrome().insertBelow->isVisible());
    EXPECT_FALSE(window.chrome().remove->isVisible());
    window.chrome().insertBelow->click();
    EXPECT_EQ(window.grid().rowCount(), 1);
    EXPECT_EQ(window.grid().currentRow(), 0);
    EXPECT_EQ(window.grid().currentColumn(), 0);
    EXPECT_NE(openEditor(window.grid()), nullptr);
}

TEST_F(PersonnelsTest, ActivityCyclesOnEachSelectionWithoutSaving) {
    writeList({"A;X;E;0;Oui;", "B;X;E;0;Oui;"});
    open();
    const auto saved = folder.readBytes("personnels.pln");
    clickCell(window.grid(), 0, Personnels::kActivityColumn);
    EXPECT_EQ(window.grid().text(0, 4), QStringLiteral("Non"));
    EXPECT_EQ(openEditor(window.grid()), nullptr);
    clickCell(window.grid(), 1, 0);
    clickCell(window.grid(), 0, Personnels::kActivityColumn);
    EXPECT_EQ(window.grid().text(0, 4), QStringLiteral("Oui"));
    clickCell(window.grid(), 1, 0);
    clickCell(window.grid(), 0, Personnels::kActivityColumn);
    EXPECT_EQ(window.grid().text(0, 4), QStringLiteral("Non"));
    clickCell(window.grid(), 1, 1);
    EXPECT_EQ(folder.readBytes("personnels.pln"), saved);

    // The next change of another kind saves the switched activity with it.
    ASSERT_TRUE(typeInCell(window.grid(), 1, 2, QStringLiteral("Y")));
    clickCell(window.grid(), 0, 0);
    EXPECT_EQ(folder.readBytes("personnels.pln"), cp1252Lines({kTitle, "A;X;E;0;Non;", "B;X;Y;0;Oui;"}));
}

TEST_F(PersonnelsTest, InsertAboveRowThreeMovesWholeRecords) {
    writeList(kFive);
    open();
    clickCell(window.grid(), 2, 1);
    window.chrome().insertAbove->click();
    EXPECT_EQ(window.grid().rowCount(), 6);
    EXPECT_EQ(window.grid().height(), 24 * 7 + 20);
    EXPECT_FALSE(window.chrome().insertAbove->isVisible());
    EXPECT_TRUE(window.chrome().quit->isVisible());
    EXPECT_TRUE(window.chrome().clickHint->isVisible());
    clickCell(window.grid(), 5, 1);
    EXPECT_EQ(folder.readBytes("personnels.pln"),
              cp1252Lines({kTitle, kFive[0], kFive[1], ";;;;;", kFive[2], kFive[3], kFive[4]}));
}

TEST_F(PersonnelsTest, EnterInsertsBelow) {
    writeList(kFive);
    open();
    ASSERT_TRUE(typeInCell(window.grid(), 1, 0, QStringLiteral("Bis")));
    pressEnter(*openEditor(window.grid()));
    settle();
    EXPECT_EQ(column(window.grid(), 0), (std::vector<std::string>{"A", "Bis", "", "C", "D", "E"}));
    EXPECT_EQ(window.grid().currentRow(), 2);
}

TEST_F(PersonnelsTest, SingleRowIsKeptButTheNextChangeRewritesTheFile) {
    writeList({"SEUL Jean;Nontron;Ecole;05;Oui;"});
    open();
    folder.writeBytes("personnels.pln", "changed behind the window\r\n");
    clickCell(window.grid(), 0, 0);
    EXPECT_TRUE(window.chrome().remove->isVisible());
    window.chrome().remove->click();
    EXPECT_EQ(window.grid().rowCount(), 1);
    clickCell(window.grid(), 0, 1);
    EXPECT_EQ(folder.readBytes("personnels.pln"), cp1252Lines({kTitle, "SEUL Jean;Nontron;Ecole;05;Oui;"}));
}

TEST_F(PersonnelsTest, SemicolonIsRefused) {
    writeList({"A;X;E;0;Oui;"});
    open();
    ASSERT_TRUE(typeInCell(window.grid(), 0, 3, QStringLiteral("05;53")));
    settle();
    EXPECT_EQ(openEditor(window.grid())->text(), QStringLiteral("0553"));
    EXPECT_EQ(messages.informs(), QStringList{QStringLiteral("Le signe  ;  est un caractère interdit !!!")});
    // In the activity column no editor opens: the grid refuses the key itself.
    messages.clear();
    clickCell(window.grid(), 0, 4);
    QTest::keyClick(&window.grid(), ';');
    EXPECT_EQ(messages.informs(), QStringList{QStringLiteral("Le signe  ;  est un caractère interdit !!!")});
}

TEST_F(PersonnelsTest, QuitterSavesEditedAndSortedLists) {
    writeList({"ZOLA Emile;Nontron;Ecole A;05 01;Oui;", "ÉMERY Luc;Nontron;Ecole B;05 02;Non;",
               "BRUN Ana;;Ecole C;05 03;Oui;", "ABEL Paul;nontron;Ecole D;05 04;Oui;"});
    open();
    clickCell(window.grid(), 3, 0);
    window.chrome().insertBelow->click();
    window.chrome().quit->click();
    EXPECT_EQ(folder.readBytes("personnels.tmp"),
              cp1252Lines({kTitle, "ZOLA Emile;Nontron;Ecole A;05 01;Oui;", "ÉMERY Luc;Nontron;Ecole B;05 02;Non;",
                           "BRUN Ana;;Ecole C;05 03;Oui;", "ABEL Paul;nontron;Ecole D;05 04;Oui;", ";;;;;"}));
    EXPECT_EQ(folder.readBytes("personnels.pln"),
              cp1252Lines({kTitle, ";;;;;", "BRUN Ana;;Ecole C;05 03;Oui;", "ZOLA Emile;Nontron;Ecole A;05 01;Oui;",
                           "ÉMERY Luc;Nontron;Ecole B;05 02;Non;", "ABEL Paul;nontron;Ecole D;05 04;Oui;"}));
    EXPECT_EQ(folder.readBytes("personnels.pln").substr(0, 37), "Fichier des personnels rempla\xE7" "ants\r\n;");
    EXPECT_EQ(messages.informs().value(0), QStringLiteral("Tri (par communes, puis par noms) et enregistrement effectués !"));
    EXPECT_FALSE(window.isVisible());
}

TEST_F(PersonnelsTest, QuitterWithoutAnyNameWritesNothing) {
    writeList({";Nontron;;;Oui;"});
    open();
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
