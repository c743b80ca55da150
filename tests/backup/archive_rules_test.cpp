#include <gtest/gtest.h>

#include "backup/archive_rules.h"
#include "backup/data_files.h"
#include "backup/restore.h"

using namespace tandarel;

namespace {

TEST(ArchiveNames, ParsedOnlyWhenWrittenAsTheProgramWritesThem) {
    const struct {
        const char* name;
        std::optional<ArchiveStamp> stamp;
    } rows[] = {
        {"tandarel-2026-12-08-0930.zip", ArchiveStamp{{2026, 12, 8}, 9, 30, 1}},
        {"tandarel-2026-12-08-0930-2.zip", ArchiveStamp{{2026, 12, 8}, 9, 30, 2}},
        {"tandarel-2024-02-29-2359-17.zip", ArchiveStamp{{2024, 2, 29}, 23, 59, 17}},
        {"tandarel-2026-02-29-0930.zip", std::nullopt},
        {"tandarel-2026-12-08-2400.zip", std::nullopt},
        {"tandarel-2026-12-08-0960.zip", std::nullopt},
        {"tandarel-2026-12-08-930.zip", std::nullopt},
        {"tandarel-2026-12-08-0930-1.zip", std::nullopt},
        {"tandarel-2026-12-08-0930-02.zip", std::nullopt},
        {"tandarel-2026-12-08-0930-.zip", std::nullopt},
        {"tandarel-2026-12-08-0930.zip.~tmp", std::nullopt},
        {"Tandarel-2026-12-08-0930.zip", std::nullopt},
        {"tandarel-2026-12-08-0930.ZIP", std::nullopt},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(parseArchiveName(row.name), row.stamp) << row.name;
        if (row.stamp) {
            EXPECT_EQ(archiveName(*row.stamp), row.name);
        }
    }
    EXPECT_EQ(archiveDateText({{2026, 12, 8}, 9, 5, 1}), "mardi 8 décembre 2026 à 09:05");
    EXPECT_EQ(archiveDateText({{2026, 12, 8}, 9, 5, 3}), "mardi 8 décembre 2026 à 09:05 (3)");
}

std::string stampName(int year, int month, int day, int minute = 0) {
    return archiveName({{year, month, day}, 12, minute, 1});
}

// Daily archives from `first` to `last` included.
std::vector<std::string> daily(Date first, Date last) {
    std::vector<std::string> names;
    for (Date d = first; d <= last; d = addDays(d, 1)) names.push_back(stampName(d.year, d.month, d.day));
    return names;
}

TEST(Retention, TheNewestThirtyAndTheLastOfTwelveMonths) {
    std::vector<std::string> manyThisMonth;  // 31 archives on 1-8 December, then one on the 15th of 18 months
    for (int i = 0; i < 31; ++i) manyThisMonth.push_back(stampName(2026, 12, 1 + i / 4, i % 4));
    for (int back = 1; back <= 18; ++back) {
        const int index = 2026 * 12 + 11 - back;
        manyThisMonth.push_back(stampName(index / 12, index % 12 + 1, 15));
    }
    manyThisMonth.push_back("notes.txt");
    manyThisMonth.push_back("tandarel-2020-13-01-0000.zip");

    std::vector<std::string> autumnRemoved = {stampName(2026, 10, 30)};
    for (int day = 1; day <= 8; ++day) autumnRemoved.push_back(stampName(2026, 11, day));

    const struct {
        const char* label;
        std::vector<std::string> names;
        std::vector<std::string> removed;  // oldest first
    } rows[] = {
        {"fewer than thirty", daily({2026, 12, 1}, {2026, 12, 8}), {}},
        {"forty days: October's last stays", daily({2026, 10, 30}, {2026, 12, 8}), autumnRemoved},
        {"months beyond the twelfth go",
         manyThisMonth,
         {stampName(2025, 6, 15), stampName(2025, 7, 15), stampName(2025, 8, 15), stampName(2025, 9, 15),
          stampName(2025, 10, 15), stampName(2025, 11, 15), stampName(2026, 12, 1, 0)}},
        {"a second archive of a minute is the newer",
         [] {
             auto names = daily({2026, 11, 1}, {2026, 11, 30});
             names.push_back("tandarel-2026-11-01-1200-2.zip");
             return names;
         }(),
         {stampName(2026, 11, 1)}},
    };
    for (const auto& row : rows) EXPECT_EQ(archivesToRemove(row.names, {2026, 12, 8}), row.removed) << row.label;
}

TEST(DataFileNames, OnlyTheReferenceFilesAndTheWeeksOfSchoolYearFolders) {
    const struct {
        const char* name;
        bool data, unsafe;
    } rows[] = {
        {"personnels.pln", true, false},
        {"Rattachements.pln", true, false},
        {"semaine.pln", true, false},
        {"Personnels.pln", false, false},
        {"personnels.alt", false, false},
        {"04_05/05_04_25.pln", true, false},
        {"99_00/00_01_03.pln", true, false},
        {"04_06/05_04_25.pln", false, false},
        {"04_05/05_02_30.pln", false, false},
        {"04_05/05_04_25.pln.bak", false, false},
        {"04_05/sub/05_04_25.pln", false, false},
        {"sauvegardes/04_05/05_04_25.pln", false, false},
        {"..a/b..", false, false},
        {"../personnels.pln", false, true},
        {"04_05/../../personnels.pln", false, true},
        {"04_05/..", false, true},
        {"/personnels.pln", false, true},
        {"C:/personnels.pln", false, true},
        {"04_05\\05_04_25.pln", false, true},
        {"", false, true},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(isDataFileName(row.name), row.data) << row.name;
        EXPECT_EQ(isUnsafeMemberName(row.name), row.unsafe) << row.name;
    }
}

}  // namespace
