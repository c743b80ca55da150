#include <gtest/gtest.h>

#include <filesystem>

#include "analysis/week_collection.h"
#include "core/text_file.h"
#include "data_folder.h"

using namespace tandarel;
using tandarel::testing::DataFolder;

namespace {

const std::string kSep(1, static_cast<char>(std::filesystem::path::preferred_separator));

std::string shown(const std::string& folder, const std::string& name) { return "..." + kSep + folder + kSep + name; }

class Collection : public ::testing::Test {
protected:
    void week(const std::string& relative) { folder.writeBytes(relative, "x\r\n"); }
    std::vector<std::string> collect(Date start, Date end) {
        const auto list = collectWeekFiles(folder.path(), start, end);
        EXPECT_EQ(list.paths.size(), list.shortNames.size());
        for (std::size_t i = 0; i < list.paths.size(); ++i)
            EXPECT_EQ(shortenedPath(list.paths[i]), list.shortNames[i]);
        return list.shortNames;
    }
    DataFolder folder;
};

TEST_F(Collection, SchoolYearTriesTheMondaysFromItsFirstWeekToItsEnd) {
    week("03_04/04_07_26.pln");  // holds Sunday 01/08/04, which belongs to the next week
    week("04_05/04_08_02.pln");
    week("04_05/05_04_25.pln");
    week("04_05/05_07_25.pln");
    week("05_06/05_08_01.pln");  // after 31/07/05
    EXPECT_EQ(collect({2004, 8, 1}, {2005, 7, 31}),
              (std::vector<std::string>{shown("04_05", "04_08_02.pln"), shown("04_05", "05_04_25.pln"),
                                        shown("04_05", "05_07_25.pln")}));
}

TEST_F(Collection, WeeksOfShortRanges) {
    week("04_05/05_04_25.pln");
    week("04_05/05_05_02.pln");
    struct Row {
        const char* name;
        Date start, end;
        std::vector<std::string> expected;
    };
    const Row rows[] = {
        {"Wednesday to Friday", {2005, 4, 27}, {2005, 4, 29}, {shown("04_05", "05_04_25.pln")}},
        {"Sunday to Sunday", {2005, 5, 1}, {2005, 5, 1}, {}},
        {"Sunday to Monday", {2005, 5, 1}, {2005, 5, 2}, {shown("04_05", "05_05_02.pln")}},
        {"Saturday to Monday", {2005, 4, 30}, {2005, 5, 2},
         {shown("04_05", "05_04_25.pln"), shown("04_05", "05_05_02.pln")}},
        {"end before start", {2005, 5, 2}, {2005, 4, 25}, {}},
    };
    for (const auto& row : rows) EXPECT_EQ(collect(row.start, row.end), row.expected) << row.name;
}

TEST_F(Collection, AnyEntryBearingTheNameCounts) {
    std::filesystem::create_directories(folder / "04_05/05_04_25.pln");
    EXPECT_EQ(collect({2005, 4, 25}, {2005, 4, 29}), (std::vector<std::string>{shown("04_05", "05_04_25.pln")}));
}

TEST_F(Collection, ANameInAnotherCaseCountsWhereTheFileSystemFindsIt) {
    week("04_05/05_04_25.PLN");
    folder.writeBytes("05_06", "not a folder");
    const bool ignoresCase = entryExists(folder / "04_05/05_04_25.pln");
    EXPECT_EQ(collect({2005, 4, 25}, {2005, 8, 10}),
              ignoresCase ? std::vector<std::string>{shown("04_05", "05_04_25.pln")} : std::vector<std::string>{});
}

TEST_F(Collection, OtherEntriesOfAFolderCountForNothing) {
    week("04_05/05_04_25.pln");
    for (const auto* other : {"04_05/05_05_02.pln.bak", "04_05/x05_05_09.pln", "04_05/05_05_16.pl", "04_05/notes.txt"})
        week(other);
    std::filesystem::create_directories(folder / "04_05/05_05_23");
    EXPECT_EQ(collect({2005, 4, 25}, {2005, 5, 29}), (std::vector<std::string>{shown("04_05", "05_04_25.pln")}));
}

TEST_F(Collection, EachWeekIsLookedUpInTheFolderOfItsMonday) {
    week("04_05/05_07_25.pln");
    week("05_06/05_08_01.pln");
    week("05_06/05_08_08.pln");
    week("04_05/05_08_01.pln");  // misplaced: never looked at
    const auto list = collectWeekFiles(folder.path(), {2005, 7, 25}, {2005, 8, 10});
    EXPECT_EQ(list.paths, (std::vector<std::filesystem::path>{folder / "04_05/05_07_25.pln", folder / "05_06/05_08_01.pln",
                                                             folder / "05_06/05_08_08.pln"}));
}

}  // namespace
