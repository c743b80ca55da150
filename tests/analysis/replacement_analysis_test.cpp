#include <gtest/gtest.h>

#include "analysis/analysis_format.h"
#include "analysis/replacement_analysis.h"
#include "core/cp1252.h"
#include "core/fields.h"
#include "data_folder.h"
#include "week_builder.h"

using namespace tandarel;
using tandarel::testing::DataFolder;
using tandarel::testing::WeekBuilder;

namespace {

const Date kMonday{2005, 4, 25};

Period range(Date start, Date end) {
    return Period{PeriodMode::DateRange, frenchShortDate(start), frenchShortDate(end), start, end};
}

MotifCounts countAll(const WeekBuilder& week) {
    const WeekTable table(week.bytes());
    MotifCounts counts;
    countReplacements(table, {0, table.dayCount() - 1}, counts);
    return counts;
}

std::array<long, kCategoryCount> counts(long maladie, long equipe, long conv, long autre, long mad, long inconnu) {
    return {maladie, equipe, conv, autre, mad, inconnu};
}

TEST(ReplacementCount, OneMaladieOnAFiveDayWeek) {
    const auto result = countAll(WeekBuilder(kMonday, 1).motif(0, 0, 0, "M¤DURAND"));
    EXPECT_EQ(result.counts, counts(1, 0, 0, 0, 19, 0));
    EXPECT_EQ(result.total, 20);
}

TEST(ReplacementCount, EachMotifCellGoesToItsCategory) {
    struct Row {
        const char* cell;
        std::array<long, kCategoryCount> expected;
    };
    const Row rows[] = {
        {"M¤x", counts(1, 0, 0, 0, 0, 0)},      {" E¤ ", counts(0, 1, 0, 0, 0, 0)},
        {"C¤Nom Prénom", counts(0, 0, 1, 0, 0, 0)}, {"A¤", counts(0, 0, 0, 1, 0, 0)},
        {"   ", counts(0, 0, 0, 0, 1, 0)},      {"Z¤x", counts(0, 0, 0, 0, 0, 1)},
        {"Mx", counts(0, 0, 0, 0, 0, 1)},       {"m¤x", counts(0, 0, 0, 0, 0, 1)},
        {"¤M", counts(0, 0, 0, 0, 0, 1)},       {"HTS", counts(0, 0, 0, 0, 0, 0)},
        {"Indisponible", counts(0, 0, 0, 0, 0, 0)}, {" HTS ", counts(0, 0, 0, 0, 0, 0)},
        // Near "HTS" and "Indisponible" by length or by one byte.
        {"HTSS", counts(0, 0, 0, 0, 0, 1)},     {"hts", counts(0, 0, 0, 0, 0, 1)},
        {"Indisponibl", counts(0, 0, 0, 0, 0, 1)}, {"Indisponibles", counts(0, 0, 0, 0, 0, 1)},
        {"IndispoNible", counts(0, 0, 0, 0, 0, 1)}, {"Indisponiblf", counts(0, 0, 0, 0, 0, 1)},
    };
    // One motif line of a one-day week: Monday only.
    const WorkingWeekSlots monday = {"LUM", "", "", "", "", "", "", "", "", "", "", ""};
    for (const auto& row : rows) {
        auto week = WeekBuilder(kMonday, 1, monday).motif(0, 1, 0, row.cell);
        // The other three motif lines of the day are "HTS" (no afternoon) or taken here.
        week.motif(0, 0, 0, "HTS");
        const auto result = countAll(week);
        EXPECT_EQ(result.counts, row.expected) << row.cell;
        long sum = 0;
        for (const auto c : result.counts) sum += c;
        EXPECT_EQ(result.total, sum) << row.cell;
    }
}

TEST(ReplacementCount, HandEditedBlanksAroundACode) {
    // Raw lines: the planning window never writes blanks around a code, a text editor may.
    struct Row {
        const char* cell;
        std::array<long, kCategoryCount> expected;
    };
    const Row rows[] = {
        {"M¤x  ", counts(1, 0, 0, 0, 0, 0)},    {"\tA¤y", counts(0, 0, 0, 1, 0, 0)},
        {" \t ", counts(0, 0, 0, 0, 1, 0)},    {"\tIndisponible ", counts(0, 0, 0, 0, 0, 0)},
        {"HT", counts(0, 0, 0, 0, 0, 1)},       {"M", counts(0, 0, 0, 0, 0, 1)},
        {" M ", counts(0, 0, 0, 0, 0, 1)},      {"Indisponibles", counts(0, 0, 0, 0, 0, 1)},
        {"H TS", counts(0, 0, 0, 0, 0, 1)},     {"", counts(0, 0, 0, 0, 1, 0)},
    };
    for (const auto& row : rows) {
        std::vector<std::string> lines{"Remplaçant / Affectation;M/AM;lundi 25 avril 2005;"};
        for (int line = 1; line <= 8; ++line)
            lines.push_back(line == 2 ? std::string(";Nom;") + row.cell + ";" : ";M 1;HTS;");
        for (int line = 0; line < 4; ++line) lines.push_back(";M;;");
        const WeekTable table(tandarel::testing::cp1252Lines(lines));
        MotifCounts result;
        EXPECT_EQ(countReplacements(table, {0, 0}, result), 1) << row.cell;
        EXPECT_EQ(result.counts, row.expected) << row.cell;
    }
}

TEST(ReplacementCount, SchoolAndNonReplacementLinesAreNotMotifLines) {
    auto week = WeekBuilder(kMonday, 1, {"LUM", "", "", "", "", "", "", "", "", "", "", ""});
    week.motif(0, 0, 0, "HTS").motif(0, 1, 0, "HTS").school(0, 0, 0, "M¤x");
    week.missed(0, 0, "M¤3").missed(1, 0, "E¤x");
    const WeekTable table(week.bytes());
    MotifCounts result;
    // A school line is never read as a motif, whatever it holds.
    EXPECT_EQ(countReplacements(table, {0, 0}, result), 1);
    EXPECT_EQ(result.total, 0);
}

TEST(ReplacementFiles, DamagedFilesCountWhatTheyHold) {
    struct Row {
        const char* name;
        std::vector<std::string> lines;
        int days;
        int substitutes;
        long total;
    };
    const std::string header = "Remplaçant / Affectation;M/AM;lundi 25 avril 2005;mardi 26 avril 2005;";
    const std::vector<std::string> tail = {"Non-remplacements;M;;;", ";E;;;", ";C;;;", ";A;;;"};
    auto with = [&](std::vector<std::string> body) {
        std::vector<std::string> lines{header};
        lines.insert(lines.end(), body.begin(), body.end());
        lines.insert(lines.end(), tail.begin(), tail.end());
        return lines;
    };
    const Row rows[] = {
        {"empty", {}, 0, 0, 0},
        {"header only", {header}, 2, 0, 0},
        {"no M/AM", {"Remplaçant;lundi 25 avril 2005;", "a;b;c;", "", "", "", ""}, 0, 1, 0},
        {"no M/AM, motif lines", {"Remplaçant;lundi 25 avril 2005;", "X;M 1;a;", ";Nom;M¤a;", ";M 2;;", ";Nom;;",
                                  "Non-remplacements;M;M¤1;", ";E;;", ";C;;", ";A;;"}, 0, 1, 0},
        {"short lines", with({"X;M 1;", "", ";M 2;École", ";Nom;M¤a"}), 2, 1, 4},
        {"one block", with({"X;M 1;;;", ";Nom;M¤a;;", ";M 2;;;", ";Nom;;;", ";AM 1;;;", ";Nom;;;", ";AM 2;;;", ";Nom;;;"}), 2, 1, 8},
        {"unclosed header", {"Remplaçant / Affectation;M/AM;lundi 25 avril 2005;mardi 26 avril 2005", "X;M 1;a;b;",
                             ";Nom;E¤;E¤", "", "", "", ""}, 2, 1, 2},
    };
    for (const auto& row : rows) {
        const WeekTable table(tandarel::testing::cp1252Lines(row.lines));
        EXPECT_EQ(table.dayCount(), row.days) << row.name;
        MotifCounts result;
        EXPECT_EQ(countReplacements(table, {0, table.dayCount() - 1}, result), row.substitutes) << row.name;
        EXPECT_EQ(result.total, row.total) << row.name;
        // Every line's cells can be read whole, a table without day columns included.
        for (int line = 0; line < table.rowCount(); ++line)
            EXPECT_EQ(table.rowCells(line).size(), static_cast<std::size_t>(row.days)) << row.name << " " << line;
    }
    EXPECT_EQ(WeekTable("Remplaçant / Affectation;M/AM;lundi 25 avril 2005;mardi 26 avril 2005").header(1),
              "mardi 26 avril 2005");
    // The dates are read from the stored bytes: "août" is one byte 0xFB there.
    const WeekTable august(tandarel::testing::cp1252Lines({"Remplaçant / Affectation;M/AM;lundi 1 août 2005;"}));
    EXPECT_EQ(august.header(0), "lundi 1 août 2005");
    EXPECT_EQ(analysedColumns(august, FilePlace::Only, "20050801", "20050801").first, 0);
}

TEST(ReplacementFiles, AColumnIsAHolidayOnlyWhenEveryLineHoldsHts) {
    struct Row {
        const char* name;
        std::vector<std::string> body;  // lines below the header, which has two days
        bool monday, tuesday;
    };
    const Row rows[] = {
        {"closed lines", {"X;M 1;HTS;HTS;", ";Nom;HTS;HTS;"}, true, true},
        {"unclosed last field", {"X;M 1;HTS;HTS", ";Nom;HTS;HTS;"}, true, true},
        {"one day worked", {"X;M 1;HTS;;", ";Nom;HTS;M¤a;"}, true, false},
        {"field beyond the days", {"X;M 1;HTS;HTS;HTS;", ";Nom;HTS;HTS;"}, true, true},
        {"line cut short", {"X;M 1;HTS;", ";Nom;HTS;HTS;"}, true, false},
        {"blank around HTS", {"X;M 1; HTS;HTS ;", ";Nom;HTS;HTS;"}, false, false},
        {"labels only", {"X;M 1", ";Nom;HTS;HTS;"}, false, false},
        {"first HTS line then not", {"X;M 1;HTS;HTS;", ";Nom;HTS;HTSX;"}, true, false},
        {"header only", {}, true, true},
    };
    for (const auto& row : rows) {
        std::vector<std::string> lines{"Remplaçant / Affectation;M/AM;lundi 25 avril 2005;mardi 26 avril 2005;"};
        lines.insert(lines.end(), row.body.begin(), row.body.end());
        const WeekTable table(tandarel::testing::cp1252Lines(lines));
        EXPECT_EQ(table.allHts(0), row.monday) << row.name;
        EXPECT_EQ(table.allHts(1), row.tuesday) << row.name;
        EXPECT_FALSE(table.allHts(2)) << row.name;
    }
    // The counts compare the motif marker in its stored form.
    EXPECT_EQ(encodeCp1252(kMotifMarker), std::string(WeekTable::storedMarker()));
}

class ReplacementPeriod : public ::testing::Test {
protected:
    ReplacementAnalysis analyse(Date start, Date end, SubstituteRange seed = {0, 0}) {
        return analyseReplacements(collectWeekFiles(folder.path(), start, end), range(start, end), seed);
    }
    DataFolder folder;
};

TEST_F(ReplacementPeriod, ListsDaysAndFilesInTheirColours) {
    WeekBuilder(kMonday, 1).wholeDay(1, "HTS").writeTo(folder);
    WeekBuilder(addDays(kMonday, 7), 1).writeTo(folder);
    WeekBuilder(addDays(kMonday, 14), 1).writeTo(folder);
    // Wednesday of the first week to Tuesday of the third.
    const auto result = analyse({2005, 4, 27}, {2005, 5, 10});
    const auto blue = kOddFileColour, green = kEvenFileColour;
    EXPECT_EQ(result.walk.days,
              (std::vector<ListEntry>{{"mercredi 27 avril 2005", blue}, {"jeudi 28 avril 2005", blue},
                                      {"vendredi 29 avril 2005", blue}, {"", 0},
                                      {"lundi 2 mai 2005", green}, {"mardi 3 mai 2005", green},
                                      {"mercredi 4 mai 2005", green}, {"jeudi 5 mai 2005", green},
                                      {"vendredi 6 mai 2005", green}, {"", 0},
                                      {"lundi 9 mai 2005", blue}, {"mardi 10 mai 2005", blue}}));
    EXPECT_EQ(result.walk.files.size(), 3u);
    EXPECT_EQ(result.walk.files[1].colour, green);
    EXPECT_EQ(result.walk.rangeStart, "mercredi 27 avril 2005");
    EXPECT_EQ(result.walk.rangeEnd, "mardi 10 mai 2005");
    // 3 + 5 + 2 days of four motif lines each.
    EXPECT_EQ(result.counts.total, 40);
    EXPECT_EQ(result.walk.messages, std::vector<std::string>{});
}

TEST_F(ReplacementPeriod, OneFileWithoutAnyDayOfThePeriod) {
    WeekBuilder(kMonday, 1).motif(0, 0, 0, "M¤x").writeTo(folder);
    const auto result = analyse({2005, 4, 30}, {2005, 4, 30});  // Saturday, not worked
    EXPECT_EQ(result.walk.messages, std::vector<std::string>{std::string(kForeignDateMessage)});
    EXPECT_EQ(result.walk.rangeStart, "30/04/05");
    EXPECT_EQ(result.walk.rangeEnd, "30/04/05");
    EXPECT_EQ(result.walk.days, std::vector<ListEntry>{});
    EXPECT_EQ(result.counts.total, 0);
}

TEST_F(ReplacementPeriod, SubstituteRangeFromSeedAndFiles) {
    WeekBuilder(kMonday, 3).writeTo(folder);
    WeekBuilder(addDays(kMonday, 7), 5).writeTo(folder);
    WeekBuilder(addDays(kMonday, 14), 2).writeTo(folder);
    const auto first = analyse({2005, 4, 25}, {2005, 5, 6}, {substituteSeed(5), substituteSeed(5)});
    EXPECT_EQ(first.substitutes.minimum, 3);
    EXPECT_EQ(first.substitutes.maximum, 5);
    const auto line = substituteLine(first.substitutes);
    EXPECT_EQ(line.label, "Nb MIN/MAX de personnels :");
    EXPECT_EQ(line.value, "3/5");
    // A second run of the same opening goes on from the first one's range.
    const auto second = analyse({2005, 5, 9}, {2005, 5, 13}, first.substitutes);
    EXPECT_EQ(substituteLine(second.substitutes).value, "2/5");
    EXPECT_EQ(substituteSeed(0), 0);  // no personnels.pln, or an empty one
}

TEST(Percentages, RoundedHalfToEvenAndMadeToAddUpTo100) {
    struct Row {
        const char* name;
        std::array<long, kCategoryCount> counts;
        std::array<int, kCategoryCount> expected;
        int sum;
    };
    const Row rows[] = {
        {"thirds: the first gains", counts(1, 1, 1, 0, 0, 0), {34, 33, 33, 0, 0, 0}, 100},
        {"halves go to even", counts(1, 3, 4, 0, 0, 0), {12, 38, 50, 0, 0, 0}, 100},
        {"101: the largest loses", counts(1, 1, 0, 0, 36, 0), {3, 3, 0, 0, 94, 0}, 100},
        {"101: the first largest", counts(5, 5, 2, 0, 0, 0), {41, 42, 17, 0, 0, 0}, 100},
        // Two roundings the same way: no correction, equal counts keep equal percentages.
        {"102 stands", counts(1, 1, 1, 1, 1, 1), {17, 17, 17, 17, 17, 17}, 102},
        {"98 stands", counts(104, 104, 104, 104, 584, 0), {10, 10, 10, 10, 58, 0}, 98},
        {"98 stands, small shares at 0", counts(10280, 0, 40, 40, 40, 40), {98, 0, 0, 0, 0, 0}, 98},
        {"nothing counted", counts(0, 0, 0, 0, 0, 0), {0, 0, 0, 0, 0, 0}, 0},
        {"one category", counts(0, 0, 0, 0, 7, 0), {0, 0, 0, 0, 100, 0}, 100},
    };
    for (const auto& row : rows) {
        MotifCounts c;
        c.counts = row.counts;
        for (const auto n : row.counts) c.total += n;
        const auto p = percentages(c);
        EXPECT_EQ(p.values, row.expected) << row.name;
        EXPECT_EQ(p.sum, row.sum) << row.name;
        EXPECT_EQ(replacementGrid(c, p).back().at(2), paddedPercent(row.sum)) << row.name;
    }
}

TEST(PieChart, AnglesFillTheDiscFromMaladie) {
    Percentages p;
    p.values = {34, 33, 33, 0, 0, 0};
    p.sum = 100;
    EXPECT_EQ(pieAngles(p), (std::array<int, kCategoryCount>{124, 118, 118, 0, 0, 0}));
    EXPECT_EQ(pieSectors(p), (std::vector<PieSector>{{0, 124, 0xC0FFC0}, {124, 118, 0xBFFA7F}, {242, 118, 0x00C0FF}}));
    p.values = {0, 0, 0, 50, 50, 0};
    EXPECT_EQ(pieSectors(p), (std::vector<PieSector>{{0, 180, 0x00DFFF}, {180, 180, 0xFFFFFF}}));
    EXPECT_EQ(pieSectors(Percentages{}), std::vector<PieSector>{});
    // A sum of 98: each share of that sum, the 3 missing degrees to the largest.
    p.values = {10, 10, 10, 10, 58, 0};
    p.sum = 98;
    EXPECT_EQ(pieAngles(p), (std::array<int, kCategoryCount>{36, 36, 36, 36, 216, 0}));
}

TEST(DayTexts, DecimalCommaTwoDecimalsAndPaddingBlanks) {
    struct Row {
        long quarters;
        const char* padded;
    };
    const Row rows[] = {
        {0, "         0,00"},    {1, "         0,25"},   {2, "         0,50"},   {4, "         1,00"},
        {9, "         2,25"},    {10, "         2,50"},  {51, "       12,75"},    {400, "     100,00"},
        {4938, "   1234,50"},      {49380, " 12345,00"},
    };
    for (const auto& row : rows) EXPECT_EQ(paddedDays(row.quarters), row.padded) << row.quarters;
    EXPECT_EQ(paddedPercent(0), "      0 %");
    EXPECT_EQ(paddedPercent(9), "      9 %");
    EXPECT_EQ(paddedPercent(10), "    10 %");
    EXPECT_EQ(paddedPercent(100), "  100 %");
}

}  // namespace
