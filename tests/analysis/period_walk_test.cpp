#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <map>
#include <memory>

#include "analysis/non_replacement_analysis.h"
#include "analysis/parallel_files.h"
#include "analysis/replacement_analysis.h"
#include "core/file_error.h"
#include "core/week_file.h"
#include "data_folder.h"
#include "week_builder.h"

using namespace tandarel;
using tandarel::testing::DataFolder;
using tandarel::testing::WeekBuilder;

namespace {

TEST(ParallelIndexes, EachIndexOnceAndAllBelowTheOneThatStops) {
    struct Row {
        std::size_t count;
        std::size_t stopAt;  // == count: never stops
    };
    for (const auto& row : {Row{0, 0}, Row{1, 1}, Row{7, 7}, Row{9, 9}, Row{1000, 1000}, Row{200, 0}, Row{200, 57},
                            Row{200, 199}}) {
        const auto worked = std::make_unique<std::atomic<int>[]>(row.count);
        forEachIndexInParallel(row.count, [&](std::size_t index) {
            ++worked[index];
            return index != row.stopAt;
        });
        for (std::size_t i = 0; i < row.count; ++i) {
            if (i <= row.stopAt) {
                EXPECT_EQ(worked[i], 1) << row.count << " " << row.stopAt << " " << i;
            } else {
                EXPECT_LE(worked[i], 1) << row.count << " " << row.stopAt << " " << i;
            }
        }
    }
}

// Enough weeks for the files to be read on several threads, each different.
class ManyWeeks : public ::testing::Test {
protected:
    static constexpr int kWeeks = 40;
    static Date monday(int week) { return addDays({2005, 9, 5}, 7 * week); }
    static Period weeks(int first, int last) {
        const Date start = monday(first), end = addDays(monday(last), 4);
        return Period{PeriodMode::DateRange, frenchShortDate(start), frenchShortDate(end), start, end};
    }
    static WeekBuilder week(int w) {
        WeekBuilder builder(monday(w), 1 + w % 3);
        builder.motif(0, w % 4, w % 5, "M¤Durand").motif(0, 0, (w + 1) % 5, "E¤Martin");
        if (w % 9 == 0) builder.wholeDay(w % 5, "HTS");
        // Now and then a count that cannot be read: its message must come in file order.
        const auto count = w % 7 == 3 ? "douze" + std::to_string(w) : std::to_string(w % 10);
        builder.missed(w % 4, (w + 2) % 5, "M¤" + count);
        return builder;
    }
    void writeWeeks() const {
        for (int w = 0; w < kWeeks; ++w) week(w).writeTo(folder);
    }
    WeekFileList files(const Period& period) const { return collectWeekFiles(folder.path(), period.start, period.end); }

    DataFolder folder;
};

TEST_F(ManyWeeks, APeriodAddsUpAsItsWeeksOneByOne) {
    writeWeeks();
    ReplacementAnalysis expected;
    expected.substitutes = {9, 9};
    NonReplacementAnalysis expectedMissed;
    for (int w = 0; w < kWeeks; ++w) {
        const auto one = analyseReplacements(files(weeks(w, w)), weeks(w, w), expected.substitutes);
        const auto fileColour = (w + 1) % 2 == 0 ? kEvenFileColour : kOddFileColour;
        for (auto day : one.walk.days) {
            if (day.colour != kHtsDayColour) day.colour = fileColour;
            expected.walk.days.push_back(day);
        }
        if (w + 1 < kWeeks) expected.walk.days.push_back({"", 0});
        expected.walk.files.push_back({one.walk.files.at(0).text, fileColour});
        for (std::size_t i = 0; i < kCategoryCount; ++i) expected.counts.counts[i] += one.counts.counts[i];
        expected.counts.total += one.counts.total;
        expected.substitutes = one.substitutes;

        const auto missed = analyseNonReplacements(files(weeks(w, w)), weeks(w, w));
        for (std::size_t i = 0; i < kMotifCount; ++i) expectedMissed.totals[i] += missed.totals[i];
        expectedMissed.total += missed.total;
        expectedMissed.days.insert(expectedMissed.days.end(), missed.days.begin(), missed.days.end());
        expectedMissed.walk.messages.insert(expectedMissed.walk.messages.end(), missed.walk.messages.begin(),
                                            missed.walk.messages.end());
    }
    ASSERT_FALSE(expectedMissed.walk.messages.empty());
    const auto period = weeks(0, kWeeks - 1);
    // Several runs: the threads share the files out differently each time.
    for (int run = 0; run < 5; ++run) {
        const auto all = analyseReplacements(files(period), period, {9, 9});
        EXPECT_EQ(all.walk.days, expected.walk.days);
        EXPECT_EQ(all.walk.files, expected.walk.files);
        EXPECT_EQ(all.walk.rangeStart, "lundi 5 septembre 2005");
        EXPECT_EQ(all.walk.rangeEnd, expected.walk.days.back().text);
        EXPECT_EQ(all.counts.counts, expected.counts.counts);
        EXPECT_EQ(all.counts.total, expected.counts.total);
        EXPECT_EQ(all.substitutes.minimum, 1);
        EXPECT_EQ(all.substitutes.maximum, 9);

        const auto missed = analyseNonReplacements(files(period), period);
        EXPECT_EQ(missed.days, expectedMissed.days);
        EXPECT_EQ(missed.totals, expectedMissed.totals);
        EXPECT_EQ(missed.total, expectedMissed.total);
        EXPECT_EQ(missed.walk.messages, expectedMissed.walk.messages);
    }
}

// The analyses take a file's bytes from the reader they are given, once a file: here
// copies held in memory, the files themselves gone.
TEST_F(ManyWeeks, TheBytesComeFromTheReaderGiven) {
    writeWeeks();
    const auto period = weeks(0, kWeeks - 1);
    const auto list = files(period);
    const auto replaced = analyseReplacements(list, period, {9, 9});
    const auto missed = analyseNonReplacements(list, period);
    std::map<std::filesystem::path, std::string> held;
    for (const auto& path : list.paths) held[path] = readWeekFileBytes(path);
    for (const auto& path : list.paths) std::filesystem::remove(path);
    std::atomic<int> reads{0};
    const WeekBytesReader fromMemory = [&](const std::filesystem::path& path) {
        ++reads;
        return held.at(path);
    };
    const auto replacedHeld = analyseReplacements(list, period, {9, 9}, fromMemory);
    EXPECT_EQ(replacedHeld.counts.counts, replaced.counts.counts);
    EXPECT_EQ(replacedHeld.walk.days, replaced.walk.days);
    const auto missedHeld = analyseNonReplacements(list, period, fromMemory);
    EXPECT_EQ(missedHeld.days, missed.days);
    EXPECT_EQ(missedHeld.walk.messages, missed.walk.messages);
    EXPECT_EQ(reads, 2 * kWeeks);
}

TEST_F(ManyWeeks, TheFirstUnreadableFileInTheirOrderIsTheOneReported) {
    writeWeeks();
    std::string tooLong;
    for (int i = 0; i <= kMaxWeekRows; ++i) tooLong += "x\r\n";
    for (const int damaged : {31, 12}) folder.writeBytes(week(damaged).relativePath(), tooLong);
    const auto period = weeks(0, kWeeks - 1);
    // The messages of the files before the damaged one still come first, in their order.
    std::vector<std::string> before;
    for (int w = 0; w < 12; ++w) {
        const auto messages = analyseNonReplacements(files(weeks(w, w)), weeks(w, w)).walk.messages;
        before.insert(before.end(), messages.begin(), messages.end());
    }
    ASSERT_EQ(before.size(), 2u);
    for (int run = 0; run < 5; ++run) {
        try {
            analyseReplacements(files(period), period, {0, 0});
            ADD_FAILURE() << "no error";
        } catch (const FileError& error) {
            EXPECT_EQ(error.file().filename(), weekFileName(monday(12)));
            EXPECT_NE(std::string(error.what()).find("n'est pas lisible comme une semaine"), std::string::npos);
        }
        try {
            analyseNonReplacements(files(period), period);
            ADD_FAILURE() << "no error";
        } catch (const UnreadableWeekFile& error) {
            EXPECT_EQ(error.file().filename(), weekFileName(monday(12)));
            EXPECT_EQ(error.messagesBefore(), before);
        }
    }
}

}  // namespace
