#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "grid_driver.h"
#include "lists/personnels.h"
#include "lists/transfer_steps.h"
#include "transfer_folder.h"
#include "widget_fixture.h"

namespace tandarel::testing {
namespace {

class TransferTest : public WidgetTest {
protected:
    void SetUp() override { writeTransferFolder(folder); }
    void open() { showActive(window); }
    void edit(int row, int column, const QString& text) {
        ASSERT_TRUE(typeInCell(window.grid(), row, column, text));
        clickCell(window.grid(), row, column == 0 ? 1 : 0);
    }
    void quit() {
        window.chrome().quit->click();
        settle();
    }
    TransferSteps& transfer() { return window.transfer(); }
    std::vector<std::string> pairing(int column) {
        std::vector<std::string> out;
        for (int r = 0; r < transfer().pairingGrid().rowCount(); ++r)
            out.push_back(transfer().pairingGrid().item(r, column)->text().toStdString());
        return out;
    }
    void chooseName(const std::string& name) {
        for (auto* button : transfer().nameChoices())
            if (button->text().toStdString() == name) {
                button->click();
                return;
            }
        ADD_FAILURE() << "no choice " << name;
    }
    std::vector<bool> ticks() {
        std::vector<bool> out;
        for (int i = 0; i < transfer().weekList().count(); ++i)
            out.push_back(transfer().weekList().item(i)->checkState() == Qt::Checked);
        return out;
    }
    void expectFinished() {
        EXPECT_FALSE(window.isVisible());
        EXPECT_FALSE(folder.exists("personnels.alt"));
        EXPECT_FALSE(folder.exists("personnels.tmp"));
    }
    void expectWeeksUntouched() {
        for (const auto* name : kTransferWeeks) EXPECT_EQ(folder.readBytes(name), cp1252Lines(oldWeek)) << name;
    }

    const std::vector<std::string> oldWeek = testing::oldWeek();
    Personnels window{context, nullptr};
};

const QString kSorted = QStringLiteral("Tri (par communes, puis par noms) et enregistrement effectués !");

// What each step decides is TransferSession's (transfer_session_test); here, what the
// window shows of it and that the clicks reach it.
TEST_F(TransferTest, WholeSequenceFromQuitter) {
    open();
    edit(0, 3, QStringLiteral("05 99"));
    clickCell(window.grid(), 2, 0);
    window.chrome().insertBelow->click();
    edit(3, 0, QStringLiteral("DUPUIS Marie"));
    edit(3, 1, QStringLiteral("Nontron"));
    quit();
    EXPECT_EQ(messages.informs(), QStringList{kSorted});

    // The pairing, by position, with the added name opposite nobody.
    EXPECT_FALSE(window.grid().isVisible());
    EXPECT_TRUE(transfer().pairingGrid().isVisible());
    EXPECT_TRUE(transfer().remark().isVisible());
    EXPECT_EQ(pairing(0), (std::vector<std::string>{"ALBERT Jean", "BERNARD Léa", "CARON Paul", "DUPUIS Marie"}));
    EXPECT_EQ(pairing(1), (std::vector<std::string>{"ALBERT Jean", "BERNARD Léa", "CARON Paul", ""}));
    EXPECT_EQ(transfer().pairingGrid().height(), 25 * 5 + 25);
    EXPECT_FALSE(transfer().nameFrame().isVisible());

    // A click empties the left cell and offers the names; a duplicate is refused.
    clickCell(transfer().pairingGrid(), 3, 0);
    EXPECT_EQ(pairing(0)[3], "");
    EXPECT_TRUE(transfer().nameFrame().isVisible());
    EXPECT_EQ(transfer().nameFrame().height(), 20 + 25 * 4 + 5);
    chooseName("ALBERT Jean");
    EXPECT_EQ(pairing(0)[3], "ALBERT Jean");
    EXPECT_FALSE(transfer().nameFrame().isVisible());
    transfer().newListDone().click();
    EXPECT_EQ(messages.informs().value(1),
              QStringLiteral("Il y a doublon(s) dans la colonne de gauche. Veuillez corriger..."));
    EXPECT_TRUE(transfer().pairingGrid().isVisible());
    clickCell(transfer().pairingGrid(), 3, 0);
    chooseName("DUPUIS Marie");
    for (auto* button : transfer().nameChoices()) EXPECT_FALSE(button->isChecked());
    transfer().newListDone().click();

    // The weeks, ticked by option and by hand.
    EXPECT_FALSE(transfer().pairingGrid().isVisible());
    EXPECT_TRUE(transfer().weekList().isVisible());
    EXPECT_EQ(transfer().weekList().item(1)->text(), QStringLiteral("05_04_25.pln (lundi 25 avril 2005 )"));
    EXPECT_EQ(transfer().weekList().height(), 13 * 3 + 5);
    EXPECT_EQ(transfer().options().height(), 65);
    EXPECT_EQ(ticks(), (std::vector<bool>{false, false, false}));
    transfer().option(WeekOption::All).click();
    EXPECT_EQ(ticks(), (std::vector<bool>{true, true, true}));
    transfer().option(WeekOption::ThisWeekAndLater).click();
    EXPECT_EQ(ticks(), (std::vector<bool>{false, true, true}));
    transfer().weekList().item(2)->setCheckState(Qt::Unchecked);
    transfer().finDeChoix().click();

    EXPECT_EQ(messages.informs().value(2),
              QStringLiteral("Modification de la (des) semaine(s) sélectionnée(s) effectuée !"));
    EXPECT_EQ(messages.informs().size(), 3);
    EXPECT_NE(folder.readBytes("04_05/05_04_25.pln"), cp1252Lines(oldWeek));
    for (const auto* name : {"04_05/05_04_18.pln", "04_05/05_05_02.pln", "03_04/04_04_26.pln"})
        EXPECT_EQ(folder.readBytes(name), cp1252Lines(oldWeek)) << name;
    expectFinished();
    EXPECT_TRUE(messages.errors().isEmpty());
}

// However long the list, "Nouvelle liste terminée" stays inside the window.
TEST_F(TransferTest, LongListKeepsItsButtonInTheWindow) {
    std::vector<std::string> lines{"Fichier des personnels remplaçants"};
    for (int i = 0; i < 80; ++i) lines.push_back("NOM " + std::to_string(i) + ";Ville;Ecole;01;Oui;");
    folder.writeLines("personnels.pln", lines);
    open();
    edit(0, 0, QStringLiteral("NOUVEAU"));
    quit();
    EXPECT_EQ(messages.informs(), QStringList{kSorted});
    const QRect button = transfer().newListDone().geometry();
    ASSERT_TRUE(transfer().newListDone().isVisible());
    EXPECT_LE(button.bottom(), window.height()) << button.bottom();
}

TEST_F(TransferTest, ActivityAloneClosesWithoutPairing) {
    open();
    clickCell(window.grid(), 1, Personnels::kActivityColumn);
    clickCell(window.grid(), 1, 0);
    quit();
    EXPECT_EQ(messages.informs(), QStringList{kSorted});
    EXPECT_EQ(transfer().pairingGrid().rowCount(), 0);
    EXPECT_FALSE(transfer().pairingGrid().isVisible());
    expectFinished();
    expectWeeksUntouched();
}

}  // namespace
}  // namespace tandarel::testing
