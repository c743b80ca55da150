#include <gtest/gtest.h>

#include "core/text_file.h"
#include "core/week_file.h"
#include "data_folder.h"
#include "data_generator.h"

using namespace tandarel;

// Benchmarks compare figures across runs and machines: the same options must give the same files.
TEST(Generator, SameOptionsSameBytesAndRealisticWeeks) {
    tandarel::testing::DataFolder a, b;
    const tandarel::testing::GeneratedFolder options{.substitutes = 6, .weeks = 3};
    const auto files = tandarel::testing::generateDataFolder(a.path(), options);
    tandarel::testing::generateDataFolder(b.path(), options);
    ASSERT_EQ(files.size(), 3u);
    for (const auto& file : files) {
        const auto relative = file.lexically_relative(a.path()).string();
        EXPECT_EQ(a.readBytes(relative), b.readBytes(relative)) << relative;
    }
    const auto week = loadWeek(a.path(), options.firstMonday);
    ASSERT_TRUE(week);
    EXPECT_EQ(week->rowCount(), 6 * 8 + 5);
    EXPECT_EQ(week->columnCount(), 7);
    EXPECT_EQ(readTextLines(a / "personnels.pln").size(), 7u);
}
