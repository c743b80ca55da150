#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>

#include "grid_driver.h"
#include "lists/rattachements.h"
#include "widget_fixture.h"

namespace tandarel::testing {
namespace {

const QString kSemicolon = QStringLiteral("Le signe  ;  est un caractère interdit !!!");

class RattachementsTest : public WidgetTest {
protected:
    void open(const std::vector<std::string>& schools) {
        std::vector<std::string> lines{"Fichier des Rattachements"};
        lines.insert(lines.end(), schools.begin(), schools.end());
        folder.writeLines("Rattachements.pln", lines);
        showActive(window);
    }
    std::string saved(const std::vector<std::string>& schools) {
        std::vector<std::string> lines{"Fichier des Rattachements"};
        lines.insert(lines.end(), schools.begin(), schools.end());
        return cp1252Lines(lines);
    }
    Rattachements window{context, nullptr};
};

TEST_F(RattachementsTest, MissingFileGivesOneEmptyRow) {
    showActive(window);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tandarel - Gestion des Rattachements     -     "));
    EXPECT_EQ(window.frameGeometry(), QRect(0, 0, 1280, 999));
    EXPECT_EQ(window.grid().geometry(), QRect(200, 65, 180, 51));
    EXPECT_EQ(window.grid().horizontalHeaderItem(0)->text(), QStringLiteral("Rattachements"));
    EXPECT_EQ(column(window.grid(), 0), std::vector<std::string>{""});
    EXPECT_TRUE(window.chrome().clickHint->isVisible());
    EXPECT_FALSE(window.chrome().quit->isVisible());
}

TEST_F(RattachementsTest, OnlySchoolCannotBeRemoved) {
    open({"Vernelle - Elém Les Tilleuls"});
    clickCell(window.grid(), 0, 0);
    const auto& chrome = window.chrome();
    EXPECT_TRUE(chrome.editHint->isVisible());
    EXPECT_FALSE(chrome.clickHint->isVisible());
    EXPECT_EQ(chrome.remove->geometry().topLeft(), QPoint(338, 32));
    ASSERT_TRUE(chrome.remove->isVisible());
    chrome.remove->click();
    EXPECT_EQ(column(window.grid(), 0), std::vector<std::string>{"Vernelle - Elém Les Tilleuls"});
    EXPECT_TRUE(chrome.clickHint->isVisible());
    EXPECT_FALSE(chrome.remove->isVisible());
    EXPECT_TRUE(chrome.quit->isVisible());
    EXPECT_TRUE(messages.entries().empty());
}

TEST_F(RattachementsTest, EveryChangeReachesTheFileAtTheNextSelection) {
    open({"B", "C"});
    ASSERT_TRUE(typeInCell(window.grid(), 0, 0, QStringLiteral("Bé")));
    clickCell(window.grid(), 1, 0);
    EXPECT_EQ(folder.readBytes("Rattachements.pln"), saved({"Bé", "C"}));

    window.chrome().insertAbove->click();
    EXPECT_EQ(column(window.grid(), 0), (std::vector<std::string>{"Bé", "", "C"}));
    EXPECT_EQ(window.grid().currentRow(), 1);
    EXPECT_EQ(window.grid().height(), 18 * 4 + 15);
    EXPECT_EQ(folder.readBytes("Rattachements.pln"), saved({"Bé", "C"}));

    // Enter in the new row's editor inserts another row below it.
    auto* editor = openEditor(window.grid());
    ASSERT_NE(editor, nullptr);
    typeText(*editor, QStringLiteral("D"));
    pressEnter(*editor);
    settle();
    EXPECT_EQ(column(window.grid(), 0), (std::vector<std::string>{"Bé", "D", "", "C"}));
    EXPECT_EQ(window.grid().currentRow(), 2);
    clickCell(window.grid(), 3, 0);
    EXPECT_EQ(folder.readBytes("Rattachements.pln"), saved({"Bé", "D", "", "C"}));

    window.chrome().remove->click();
    EXPECT_EQ(window.grid().currentRow(), -1);
    clickCell(window.grid(), 0, 0);
    EXPECT_EQ(folder.readBytes("Rattachements.pln"), saved({"Bé", "D", ""}));
}

TEST_F(RattachementsTest, CtrlZUndoesTheLastEditAndSaves) {
    open({"B", "C"});
    ASSERT_TRUE(typeInCell(window.grid(), 0, 0, QStringLiteral("Bé")));
    clickCell(window.grid(), 1, 0);
    QTest::keyClick(&window.grid(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(column(window.grid(), 0), (std::vector<std::string>{"B", "C"}));
    EXPECT_EQ(folder.readBytes("Rattachements.pln"), saved({"B", "C"}));
    QTest::keyClick(&window.grid(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(folder.readBytes("Rattachements.pln"), saved({"Bé", "C"}));
}

TEST_F(RattachementsTest, SemicolonIsRefusedTypedAndPasted) {
    open({"Abjat"});
    ASSERT_TRUE(typeInCell(window.grid(), 0, 0, QStringLiteral("Nontron;Ecole")));
    settle();
    auto* editor = openEditor(window.grid());
    EXPECT_EQ(editor->text(), QStringLiteral("NontronEcole"));
    EXPECT_EQ(messages.informs(), QStringList{kSemicolon});

    QApplication::clipboard()->setText(QStringLiteral("Mat;Les Pins"));
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    settle();
    EXPECT_EQ(editor->text(), QStringLiteral("NontronEcole"));
    EXPECT_EQ(messages.informs(), (QStringList{kSemicolon, kSemicolon}));
}

TEST_F(RattachementsTest, RefusalBoxLeavesTheEditorAsItWas) {
    open({"Vernelle", "Nontron"});
    showRealBoxes(messages);
    EXPECT_TRUE(typeAcrossRefusal(window, window.grid(), 0, 0, 3, QStringLiteral(";"), "xy"));
    clickCell(window.grid(), 1, 0);
    EXPECT_EQ(folder.readBytes("Rattachements.pln"), saved({"Verxynelle", "Nontron"}));
    EXPECT_EQ(messages.informs(), QStringList{kSemicolon});
}

TEST_F(RattachementsTest, QuitterSortsOnTheFoldedKeyAndSaves) {
    open({"b", "Élan", "", "B", "école", "a", "Zoo"});
    clickCell(window.grid(), 0, 0);
    window.chrome().quit->click();
    EXPECT_EQ(messages.informs(), QStringList{QStringLiteral("Tri et enregistrement effectués !")});
    EXPECT_EQ(folder.readBytes("Rattachements.pln"),
              "Fichier des Rattachements\r\n\r\na\r\nB\r\nb\r\n\xE9" "cole\r\nZoo\r\n\xC9lan\r\n");
    EXPECT_FALSE(window.isVisible());
}

TEST_F(RattachementsTest, QuitterWithoutSchoolsWritesNothing) {
    open({});
    clickCell(window.grid(), 0, 0);
    EXPECT_FALSE(window.chrome().remove->isVisible());
    window.chrome().quit->click();
    EXPECT_EQ(messages.informs(), QStringList{QStringLiteral("Aucune école saisie, je n'enregistre pas !")});
    EXPECT_EQ(folder.readBytes("Rattachements.pln"), saved({}));
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace tandarel::testing
