#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>

#include "grid_driver.h"
#include "lists/rattachements.h"
#include "widget_fixture.h"

namespace tandarel::testing {
namespace {

class RattachementsTest : public WidgetTest {
protected:
    void open() {
        showActive(window);
        settle();
    }

    Rattachements window{context, nullptr};
};

TEST_F(RattachementsTest, MissingFileGivesOneEmptyRow) {
    open();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tandarel - Gestion des Rattachements     -     "));
    EXPECT_EQ(window.pos(), QPoint(0, 0));
    EXPECT_EQ(window.size(), QSize(1280, 999));
    EXPECT_EQ(window.grid().geometry(), QRect(200, 65, 180, 51));
    EXPECT_EQ(window.grid().columnWidth(0), 150);
    EXPECT_EQ(window.grid().horizontalHeaderItem(0)->text(), QStringLiteral("Rattachements"));
    EXPECT_EQ(column(window.grid(), 0), std::vector<std::string>{""});
    EXPECT_TRUE(window.chrome().clickHint->isVisible());
    EXPECT_EQ(window.chrome().clickHint->pos(), QPoint(10, 8));
    EXPECT_FALSE(window.chrome().quit->isVisible());
    EXPECT_FALSE(window.chrome().insertAbove->isVisible());
}

TEST_F(RattachementsTest, ClickShowsTheButtonsAndEditingHint) {
    folder.writeLines("Rattachements.pln", {"Fichier des Rattachements", "Vernelle - Elém Les Tilleuls"});
    open();
    EXPECT_EQ(window.grid().height(), 18 * 2 + 15);
    clickCell(window.grid(), 0, 0);
    const auto& chrome = window.chrome();
    EXPECT_FALSE(chrome.clickHint->isVisible());
    EXPECT_TRUE(chrome.editHint->isVisible());
    EXPECT_EQ(chrome.editHint->pos(), QPoint(10, 8));
    for (auto* button : {chrome.insertAbove, chrome.insertBelow, chrome.remove, chrome.quit})
        EXPECT_TRUE(button->isVisible()) << button->text().toStdString();
    EXPECT_EQ(chrome.insertAbove->geometry().topLeft(), QPoint(10, 32));
    EXPECT_EQ(chrome.insertBelow->geometry().topLeft(), QPoint(162, 32));
    EXPECT_EQ(chrome.remove->geometry().topLeft(), QPoint(338, 32));
    EXPECT_EQ(chrome.quit->geometry().topLeft(), QPoint(514, 32));

    // The only school cannot be removed; the buttons still go back to the hint.
    chrome.remove->click();
    EXPECT_EQ(column(window.grid(), 0), std::vector<std::string>{"Vernelle - Elém Les Tilleuls"});
    EXPECT_TRUE(chrome.clickHint->isVisible());
    EXPECT_FALSE(chrome.remove->isVisible());
    EXPECT_TRUE(chrome.quit->isVisible());
    EXPECT_TRUE(messages.entries().empty());
}

TEST_F(RattachementsTest, LeavingAnEditedCellSavesUnsorted) {
    folder.writeLines("Rattachements.pln", {"Fichier des Rattachements", "Vernelle", "Abjat"});
    open();
    ASSERT_TRUE(typeInCell(window.grid(), 0, 0, QStringLiteral("Zénith")));
    clickCell(window.grid(), 1, 0);
    EXPECT_EQ(folder.readBytes("Rattachements.pln"), cp1252Lines({"Fichier des Rattachements", "Zénith", "Abjat"}));
}

TEST_F(RattachementsTest, InsertionsAndDeletionReachTheFileAtTheNextSelection) {
    folder.writeLines("Rattachements.pln", {"Fichier des Rattachements", "B", "C"});
    open();
    clickCell(window.grid(), 0, 0);
    window.chrome().insertAbove->click();
    EXPECT_EQ(column(window.grid(), 0), (std::vector<std::string>{"", "B", "C"}));
    EXPECT_EQ(window.grid().currentRow(), 0);
    EXPECT_EQ(window.grid().height(), 18 * 4 + 15);
    EXPECT_EQ(folder.readBytes("Rattachements.pln"), cp1252Lines({"Fichier des Rattachements", "B", "C"}));

    clickCell(window.grid(), 2, 0);
    EXPECT_EQ(folder.readBytes("Rattachements.pln"), cp1252Lines({"Fichier des Rattachements", "", "B", "C"}));
    window.chrome().insertBelow->click();
    EXPECT_EQ(column(window.grid(), 0), (std::vector<std::string>{"", "B", "C", ""}));
    EXPECT_EQ(window.grid().currentRow(), 3);

    // Enter in the new row's editor inserts another row below it.
    auto* editor = openEditor(window.grid());
    ASSERT_NE(editor, nullptr);
    typeText(*editor, QStringLiteral("D"));
    pressEnter(*editor);
    settle();
    EXPECT_EQ(column(window.grid(), 0), (std::vector<std::string>{"", "B", "C", "D", ""}));
    EXPECT_EQ(window.grid().currentRow(), 4);

    clickCell(window.grid(), 1, 0);
    window.chrome().remove->click();
    EXPECT_EQ(column(window.grid(), 0), (std::vector<std::string>{"", "C", "D", ""}));
    EXPECT_EQ(window.grid().currentRow(), -1);
    clickCell(window.grid(), 0, 0);
    EXPECT_EQ(folder.readBytes("Rattachements.pln"), cp1252Lines({"Fichier des Rattachements", "", "C", "D", ""}));
}

TEST_F(RattachementsTest, SemicolonIsRefusedTypedAndPasted) {
    folder.writeLines("Rattachements.pln", {"Fichier des Rattachements", "Abjat"});
    open();
    ASSERT_TRUE(typeInCell(window.grid(), 0, 0, QStringLiteral("Nontron;Ecole")));
    settle();
    EXPECT_EQ(openEditor(window.grid())->text(), QStringLiteral("NontronEcole"));
    EXPECT_EQ(messages.informs(), QStringList{QStringLiteral("Le signe  ;  est un caractère interdit !!!")});

    messages.clear();
    QApplication::clipboard()->setText(QStringLiteral("Mat;Les Pins"));
    auto* editor = openEditor(window.grid());
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    settle();
    EXPECT_EQ(editor->text(), QStringLiteral("NontronEcole"));
    EXPECT_EQ(messages.informs(), QStringList{QStringLiteral("Le signe  ;  est un caractère interdit !!!")});
}

TEST_F(RattachementsTest, QuitterSortsOnTheFoldedKeyAndSaves) {
    folder.writeLines("Rattachements.pln", {"Fichier des Rattachements", "b", "Élan", "", "B", "école", "a", "Zoo"});
    open();
    clickCell(window.grid(), 0, 0);
    window.chrome().quit->click();
    EXPECT_EQ(messages.informs(), QStringList{QStringLiteral("Tri et enregistrement effectués !")});
    EXPECT_EQ(folder.readBytes("Rattachements.pln"),
              "Fichier des Rattachements\r\n\r\na\r\nB\r\nb\r\n\xE9" "cole\r\nZoo\r\n\xC9lan\r\n");
    EXPECT_FALSE(window.isVisible());
}

TEST_F(RattachementsTest, QuitterWithoutSchoolsWritesNothing) {
    folder.writeLines("Rattachements.pln", {"Fichier des Rattachements"});
    open();
    EXPECT_EQ(window.grid().rowCount(), 0);
    clickCell(window.grid(), 0, 0);
    EXPECT_FALSE(window.chrome().remove->isVisible());
    window.chrome().quit->click();
    EXPECT_EQ(messages.informs(), QStringList{QStringLiteral("Aucune école saisie, je n'enregistre pas !")});
    EXPECT_EQ(folder.readBytes("Rattachements.pln"), "Fichier des Rattachements\r\n");
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace tandarel::testing
