#include <gtest/gtest.h>

#include "lists/list_rows.h"

namespace tandarel {
namespace {

struct InsertCase {
    const char* name;
    std::optional<std::size_t> current;
    InsertPlace place;
    std::vector<std::string> rows;
};

class InsertPosition : public ::testing::TestWithParam<InsertCase> {};

TEST_P(InsertPosition, PutsTheEmptyRow) {
    std::vector<std::string> rows{"a", "b", "c"};
    insertBlankRecord(rows, GetParam().current, GetParam().place);
    EXPECT_EQ(rows, GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, InsertPosition,
    ::testing::Values(InsertCase{"AboveFirst", 0, InsertPlace::Above, {"", "a", "b", "c"}},
                      InsertCase{"BelowLast", 2, InsertPlace::Below, {"a", "b", "c", ""}},
                      InsertCase{"NoCurrentRowAppends", std::nullopt, InsertPlace::Above, {"a", "b", "c", ""}},
                      InsertCase{"StaleCurrentRowAppends", 7, InsertPlace::Above, {"a", "b", "c", ""}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RowOperations, RemoveKeepsTheLastRecord) {
    std::vector<std::string> one{"Seule"};
    EXPECT_FALSE(removeRecord(one, std::size_t{0}));
    std::vector<std::string> three{"a", "b", "c"};
    EXPECT_FALSE(removeRecord(three, std::nullopt));
    EXPECT_TRUE(removeRecord(three, std::size_t{1}));
    EXPECT_EQ(three, (std::vector<std::string>{"a", "c"}));
}

}  // namespace
}  // namespace tandarel
