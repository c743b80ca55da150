#include <gtest/gtest.h>

#include "lists/list_rows.h"

namespace tandarel {
namespace {

std::vector<Substitute> fiveRecords() {
    std::vector<Substitute> rows;
    for (char c = 'A'; c <= 'E'; ++c)
        rows.push_back({std::string(1, c), "Commune " + std::string(1, c), "Ecole", "0" + std::string(1, c),
                        c % 2 ? "Oui" : "Non"});
    return rows;
}

TEST(RowOperations, InsertAboveRowThreeMovesWholeRecords) {
    auto rows = fiveRecords();
    const auto original = rows;
    EXPECT_EQ(insertBlankRecord(rows, std::size_t{2}, InsertPlace::Above), 2u);
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0], original[0]);
    EXPECT_EQ(rows[1], original[1]);
    EXPECT_EQ(rows[2], Substitute{});
    EXPECT_EQ(rows[3], original[2]);
    EXPECT_EQ(rows[4], original[3]);
    EXPECT_EQ(rows[5], original[4]);
}

struct InsertCase {
    const char* name;
    std::size_t size;
    std::optional<std::size_t> current;
    InsertPlace place;
    std::size_t expected;
};

class InsertPosition : public ::testing::TestWithParam<InsertCase> {};

TEST_P(InsertPosition, PutsTheEmptyRow) {
    std::vector<std::string> rows(GetParam().size, "x");
    EXPECT_EQ(insertBlankRecord(rows, GetParam().current, GetParam().place), GetParam().expected);
    EXPECT_EQ(rows.size(), GetParam().size + 1);
    EXPECT_EQ(rows[GetParam().expected], "");
}

INSTANTIATE_TEST_SUITE_P(Lists, InsertPosition,
                         ::testing::Values(InsertCase{"AboveFirst", 3, 0, InsertPlace::Above, 0},
                                           InsertCase{"BelowLast", 3, 2, InsertPlace::Below, 3},
                                           InsertCase{"NoCurrentRowAppends", 3, std::nullopt, InsertPlace::Above, 3},
                                           InsertCase{"FirstRowOfEmptyList", 0, std::nullopt, InsertPlace::Below, 0},
                                           InsertCase{"StaleCurrentRowAppends", 2, 7, InsertPlace::Above, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RowOperations, RemoveKeepsTheLastRecord) {
    std::vector<std::string> one{"Seule"};
    EXPECT_FALSE(removeRecord(one, std::size_t{0}));
    EXPECT_EQ(one, std::vector<std::string>{"Seule"});

    std::vector<std::string> three{"a", "b", "c"};
    EXPECT_FALSE(removeRecord(three, std::nullopt));
    EXPECT_TRUE(removeRecord(three, std::size_t{1}));
    EXPECT_EQ(three, (std::vector<std::string>{"a", "c"}));
}

TEST(GridHeights, GrowWithRowsUpToTheScreen) {
    EXPECT_EQ(schoolsGridHeight(2, 1024), 51);
    EXPECT_EQ(schoolsGridHeight(48, 1024), 18 * 48 + 15);
    EXPECT_EQ(schoolsGridHeight(50, 1024), 884);
    EXPECT_EQ(substitutesGridHeight(3, 1024), 92);
    EXPECT_EQ(substitutesGridHeight(300, 1024), 884);
}

TEST(Activity, EachSelectionSwitchesIt) {
    EXPECT_EQ(nextActivity(""), "Oui");
    EXPECT_EQ(nextActivity("Oui"), "Non");
    EXPECT_EQ(nextActivity("Non"), "Oui");
    EXPECT_EQ(nextActivity("oui"), "Oui");
}

TEST(SavedList, NeedsOneName) {
    EXPECT_FALSE(holdsAnyName({}));
    EXPECT_FALSE(holdsAnyName({Substitute{}, Substitute{"  ", "Nontron", "", "", "Oui"}}));
    EXPECT_TRUE(holdsAnyName({Substitute{}, Substitute{"A", "", "", "", ""}}));
}

}  // namespace
}  // namespace tandarel
