#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "analysis/week_table.h"
#include "data_folder.h"

using namespace tandarel;

namespace {

// A line read with the one under it: hand-edited lines cut short or longer than the header.
TEST(WeekTablePairs, EachDayGivesBothLinesCellsAsStored) {
    const WeekTable table(tandarel::testing::cp1252Lines({
        "Remplaçants;M/AM;lundi 2 août 2004;mardi 3 août 2004;mercredi 4 août 2004;",
        "DURAND;M 1;a;b;c;",
        "DURAND;Nom;x;;z;",
        "MARTIN;M 2;p",
        "MARTIN;Nom;q;r;s;t;u;",
    }));
    using Cells = std::vector<std::tuple<int, std::string, std::string>>;
    const struct {
        int row, other, first, last;
        Cells expected;
    } cases[] = {
        {1, 2, 0, 2, {{0, "a", "x"}, {1, "b", ""}, {2, "c", "z"}}},
        {3, 4, 0, 2, {{0, "p", "q"}, {1, "", "r"}, {2, "", "s"}}},
        {3, 4, 1, 9, {{1, "", "r"}, {2, "", "s"}}},  // the days past the table's are not there
        {4, 3, -3, 0, {{0, "q", "p"}}},
        {2, 2, 2, 1, {}},
        {4, 5, 0, 2, {}},  // no line 5: nothing
    };
    for (const auto& c : cases) {
        Cells cells;
        table.forEachDayCellPair(c.row, c.other, c.first, c.last, [&](int day, std::string_view a, std::string_view b) {
            cells.emplace_back(day, std::string(a), std::string(b));
        });
        EXPECT_EQ(cells, c.expected) << c.row << " " << c.other << " " << c.first << " " << c.last;
    }
}

}  // namespace
