#include <gtest/gtest.h>

#include "core/calendar.h"

using namespace tandarel;

struct WeekCase {
    const char* name;
    Date date;
    Date planningMonday;
    Date analysisMonday;
    const char* file;
    const char* folder;
};
void PrintTo(const WeekCase& c, std::ostream* os) { *os << c.name; }

class Week : public ::testing::TestWithParam<WeekCase> {};

TEST_P(Week, MondayFileAndFolder) {
    const auto& c = GetParam();
    EXPECT_EQ(planningMonday(c.date), c.planningMonday);
    EXPECT_EQ(analysisMonday(c.date), c.analysisMonday);
    EXPECT_EQ(weekFileName(c.planningMonday), c.file);
    EXPECT_EQ(schoolYearFolder(c.planningMonday), c.folder);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, Week,
    ::testing::Values(
        WeekCase{"SundayEndsItsWeek", {2005, 5, 1}, {2005, 4, 25}, {2005, 5, 2}, "05_04_25.pln", "04_05"},
        WeekCase{"Monday", {2005, 4, 25}, {2005, 4, 25}, {2005, 4, 25}, "05_04_25.pln", "04_05"},
        WeekCase{"Wednesday", {2005, 4, 27}, {2005, 4, 25}, {2005, 4, 25}, "05_04_25.pln", "04_05"},
        WeekCase{"SeptemberStartsYear", {2004, 9, 8}, {2004, 9, 6}, {2004, 9, 6}, "04_09_06.pln", "04_05"},
        // A July Monday stays in the year it belongs to, whatever day of its week is picked.
        WeekCase{"AugustSundayOfJulyWeek", {2004, 8, 1}, {2004, 7, 26}, {2004, 8, 2}, "04_07_26.pln", "03_04"},
        WeekCase{"WeekAcrossMonths", {2005, 8, 3}, {2005, 8, 1}, {2005, 8, 1}, "05_08_01.pln", "05_06"},
        WeekCase{"JulyWeekEndingInAugust", {2011, 8, 2}, {2011, 8, 1}, {2011, 8, 1}, "11_08_01.pln", "11_12"},
        WeekCase{"YearEnd", {2009, 1, 1}, {2008, 12, 29}, {2008, 12, 29}, "08_12_29.pln", "08_09"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Calendar, SchoolYearFolderWraps) {
    EXPECT_EQ(schoolYearFolder(0, 1), "99_00");
    EXPECT_EQ(schoolYearFolder(99, 12), "99_00");
    EXPECT_EQ(schoolYearFolder(5, 4), "04_05");
    EXPECT_EQ(schoolYearFolder(4, 9), "04_05");
    EXPECT_EQ(schoolYearFolder(5, 13), "05_06");  // anything outside 1-7 is autumn
    EXPECT_EQ(schoolYearFolder(9, 8), "09_10");
}

TEST(Calendar, FrenchTextsWhateverTheLocale) {
    EXPECT_EQ(frenchLongDate({2005, 4, 25}), "lundi 25 avril 2005");
    EXPECT_EQ(frenchLongDate({2005, 5, 1}), "dimanche 1 mai 2005");
    EXPECT_EQ(frenchLongDate({2004, 8, 14}), "samedi 14 août 2004");
    EXPECT_EQ(frenchLongDate({2005, 2, 2}), "mercredi 2 février 2005");
    EXPECT_EQ(weekTitle({2005, 4, 25}), "Semaine du lundi 25 avril 2005 au dimanche 1 mai 2005");
    EXPECT_EQ(frenchShortDate({2005, 4, 5}), "05/04/05");
    const std::vector<std::string> days = {"lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi", "dimanche"};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(frenchLongDate(addDays({2005, 4, 25}, i)).substr(0, days[i].size()), days[i]);
}

TEST(Calendar, WeekStepsCrossMonthsAndYears) {
    EXPECT_EQ(addDays({2005, 4, 25}, 7), (Date{2005, 5, 2}));
    EXPECT_EQ(addDays({2005, 1, 3}, -7), (Date{2004, 12, 27}));
    EXPECT_EQ(addDays({2004, 2, 23}, 7), (Date{2004, 3, 1}));
    EXPECT_EQ(addDays({2000, 2, 28}, 1), (Date{2000, 2, 29}));
    EXPECT_EQ(weekdayIndex({1970, 1, 1}), 3);
}

TEST(Calendar, ShortDatesAndKeys) {
    EXPECT_EQ(parseShortDate("29/02/04"), (Date{2004, 2, 29}));
    EXPECT_FALSE(parseShortDate("29/02/05"));
    EXPECT_FALSE(parseShortDate("1/02/05"));
    EXPECT_FALSE(parseShortDate("aa/02/05"));
    EXPECT_EQ(longDateKey("lundi 25 avril 2005"), "20050425");
    EXPECT_EQ(longDateKey("dimanche 1 mai 2005"), "20050501");
    EXPECT_EQ(longDateKey("samedi 14 août 2004"), "20040814");
    EXPECT_FALSE(longDateKey("Remplaçant / Affectation"));
    EXPECT_FALSE(longDateKey("lundi 25 avrol 2005"));
}

TEST(Calendar, WeekFileNames) {
    EXPECT_EQ(parseWeekFileName("05_04_25.pln"), (Date{2005, 4, 25}));
    for (const char* bad : {"05_04_32.pln", "05-04-25.pln", "05_04_25.txt", "5_04_25.pln", "ab_04_25.pln", "05_13_01.pln"})
        EXPECT_FALSE(parseWeekFileName(bad)) << bad;
    EXPECT_EQ(weekFilePath("/d", {2005, 4, 25}), std::filesystem::path("/d") / "04_05" / "05_04_25.pln");
}
