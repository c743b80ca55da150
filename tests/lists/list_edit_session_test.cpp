#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "lists/list_edit_session.h"
#include "lists/list_rows.h"

namespace tandarel {
namespace {

constexpr int kToggle = 4;

// A session over a grid of texts, with the window's part played: a switch is put in the grid.
class EditSession : public ::testing::Test {
protected:
    ListEditSession::Effects select(int row, int column) {
        auto effects = session.select({row, column}, [this](GridCell c) { return texts[{c.row, c.column}]; });
        if (effects.switchTo) texts[{row, column}] = *effects.switchTo;
        return effects;
    }
    CellChanges historyOf(int row, int column) { return select(row, column).history; }
    bool writesAt(int row, int column) { return select(row, column).write; }

    std::map<std::pair<int, int>, std::string> texts;
    ListEditSession session{ListEditSession::Toggle{kToggle, nextActivity}};
};

TEST_F(EditSession, AnEditIsRecordedAndWrittenWhenItsCellIsLeft) {
    select(0, 0);
    EXPECT_FALSE(writesAt(1, 0));  // looking writes nothing
    texts[{1, 0}] = "Nontron";
    const auto effects = select(0, 0);
    EXPECT_EQ(effects.history, (CellChanges{{1, 0, "", "Nontron"}}));
    EXPECT_TRUE(effects.write);
    // Not written (a failed save): the next selection tries again, without a second record.
    const auto retry = select(1, 0);
    EXPECT_TRUE(retry.write);
    EXPECT_EQ(retry.history, CellChanges{});
    session.written();
    EXPECT_FALSE(writesAt(0, 0));
}

TEST_F(EditSession, ASwitchIsRecordedButOnlyTakenAlongByTheNextWrite) {
    texts[{0, kToggle}] = "Oui";
    texts[{0, 1}] = "A";
    auto effects = select(0, kToggle);
    EXPECT_EQ(effects.switchTo, "Non");
    EXPECT_EQ(effects.history, (CellChanges{{0, kToggle, "Oui", "Non"}}));
    EXPECT_FALSE(effects.write);
    EXPECT_EQ(historyOf(0, 1), CellChanges{});  // the switched text is what the cell held at selection
    texts[{0, 1}] = "B";
    effects = select(0, kToggle);
    EXPECT_EQ(effects.history, (CellChanges{{0, 1, "A", "B"}, {0, kToggle, "Non", "Oui"}}));
    EXPECT_TRUE(effects.write);
}

TEST_F(EditSession, RowOperationsAreWrittenAtTheNextSelection) {
    select(1, 2);
    EXPECT_EQ(session.currentRow(3), std::size_t{1});
    session.rowInserted(3);
    EXPECT_EQ(session.currentRow(4), std::size_t{3});
    EXPECT_EQ(session.currentRow(3), std::nullopt);  // a row the grid no longer holds
    texts[{3, 0}] = "Neuf";
    const auto effects = select(0, 0);
    EXPECT_EQ(effects.history, (CellChanges{{3, 0, "", "Neuf"}}));
    EXPECT_TRUE(effects.write);
    session.written();

    session.rowRemoved();
    EXPECT_EQ(session.currentRow(3), std::nullopt);
    EXPECT_TRUE(writesAt(0, 0));
    session.written();
    session.start();
    EXPECT_FALSE(writesAt(1, 0));
}

TEST_F(EditSession, ARestoredCellIsNoEdit) {
    texts[{0, 1}] = "A";
    select(0, 1);
    texts[{0, 1}] = "B";
    session.restored({0, 1}, "B");
    session.restored({1, 1}, "C");  // not the selected cell: nothing to follow
    EXPECT_EQ(historyOf(1, 1), CellChanges{});
}

}  // namespace
}  // namespace tandarel
