#include <gtest/gtest.h>

#include <map>

#include "analysis/bilan_report.h"
#include "analysis/bilan_tally.h"
#include "analysis/replacement_analysis.h"
#include "core/fields.h"
#include "data_folder.h"
#include "data_generator.h"
#include "week_builder.h"

using namespace tandarel;
using tandarel::testing::DataFolder;
using tandarel::testing::WeekBuilder;

namespace {

const Date kMonday{2005, 4, 25};
// One day a week, Monday, its four motif lines worked: small numbers to check by hand.
const WorkingWeekSlots kMondayOnly = {"LUM", "LUAM", "", "", "", "", "", "", "", "", "", ""};

using Values = std::vector<long>;
using Rows = std::vector<std::pair<std::string, Values>>;

Period range(Date start, Date end) {
    return Period{PeriodMode::DateRange, frenchShortDate(start), frenchShortDate(end), start, end};
}

struct Run {
    WeekFileList files;
    Period period;
    BilanReport report;
};

Run bilan(BilanKind kind, const DataFolder& folder, Date start, Date end) {
    Run run{collectWeekFiles(folder.path(), start, end), range(start, end), {}};
    run.report = runBilan(kind, run.files, run.period);
    return run;
}

Rows rowsOf(const BilanReport& report) {
    Rows rows;
    for (const auto& row : report.rows) rows.emplace_back(row.label, row.quarterDays);
    return rows;
}

// A file line with one field as a text editor may leave it: the program trims what it writes.
std::string withField(const std::string& line, std::size_t field, const std::string& text) {
    auto fields = splitFields(line);
    fields.at(field) = text;
    std::string joined;
    for (const auto& f : fields) joined += f + ";";
    return joined;
}

// The bilan of a one-Monday week of one substitute, some of whose fields (line, text)
// are as a text editor may leave them.
BilanReport mondayBilan(BilanKind kind, const std::vector<std::pair<std::size_t, std::string>>& fields) {
    DataFolder folder;
    auto lines = WeekBuilder(kMonday, 1, kMondayOnly).lines();
    for (const auto& [line, text] : fields) lines[line] = withField(lines[line], 2, text);
    folder.writeLines("04_05/05_04_25.pln", lines);
    return bilan(kind, folder, kMonday, kMonday).report;
}

// No row, or one row counting a quarter-day in `column` (none when -1) and in the total (last).
Rows oneRow(const char* row, int column, std::size_t columns) {
    if (!row) return {};
    Values values(columns, 0);
    if (column >= 0) values[static_cast<std::size_t>(column)] = values.back() = 1;
    return {{row, values}};
}

TEST(BilanSubstitutes, OneRowPerTrimmedNameInTheProgramsTextOrder) {
    DataFolder folder;
    // Week 1: "DUPONT" and " Zoé " (blanks left by a hand edit).
    auto first = WeekBuilder(kMonday, 2, kMondayOnly).name(0, "DUPONT").motif(0, 0, 0, "M¤x").motif(0, 1, 0, "Indisponible");
    first.motif(1, 0, 0, "HTS");
    auto lines = first.lines();
    lines[9] = withField(lines[9], 0, " Zoé ");
    folder.writeLines(first.relativePath(), lines);
    // Week 2: "DUPONT" twice, a block without a name, "abc" and "Éric".
    auto second = WeekBuilder({2005, 5, 2}, 5, kMondayOnly).name(0, "Éric").name(1, "DUPONT").name(2, "abc");
    second.name(3, "DUPONT").motif(1, 0, 0, "E¤y").motif(3, 0, 0, "Z¤x").motif(3, 1, 0, " C¤z ").writeTo(folder);
    const auto run = bilan(BilanKind::Substitutes, folder, {2005, 4, 25}, {2005, 5, 8});
    // Maladie, Equipe, Convenance, Autre, Mise à disposition, Inconnu, Indisponible, Total.
    const Rows expected = {
        {"(sans nom)", {0, 0, 0, 0, 4, 0, 0, 4}}, {"DUPONT", {1, 1, 1, 0, 7, 1, 1, 11}},
        {"Zoé", {0, 0, 0, 0, 3, 0, 0, 3}},        {"abc", {0, 0, 0, 0, 4, 0, 0, 4}},
        {"Éric", {0, 0, 0, 0, 4, 0, 0, 4}},
    };
    EXPECT_EQ(rowsOf(run.report), expected);
    ASSERT_TRUE(run.report.totals);
    EXPECT_EQ(run.report.totals->label, "Totaux");
    EXPECT_EQ(run.report.totals->quarterDays, (Values{1, 1, 1, 0, 22, 1, 1, 26}));
    EXPECT_EQ(run.report.totals->texts.back(), "6,50");
    EXPECT_EQ(run.report.headers.front(), "Remplaçant");
}

TEST(BilanSubstitutes, TotalsAreTheReplacementAnalysis) {
    DataFolder folder;
    tandarel::testing::generateDataFolder(folder.path(), {.substitutes = 12, .weeks = 9});
    // From a Wednesday to a Thursday: only the retained days count, in both.
    const Date start{2004, 8, 4}, end{2004, 9, 23};
    const auto run = bilan(BilanKind::Substitutes, folder, start, end);
    const auto analysis = analyseReplacements(run.files, run.period, {0, 0});
    ASSERT_TRUE(run.report.totals);
    const auto& totals = run.report.totals->quarterDays;
    for (std::size_t c = 0; c < kCategoryCount; ++c) EXPECT_EQ(totals[c], analysis.counts.counts[c]) << c;
    EXPECT_EQ(totals.back(), analysis.counts.total);
    EXPECT_GT(totals[6], 0);  // the generated weeks have unavailable substitutes
    EXPECT_EQ(run.report.rows.size(), 12u);
}

TEST(BilanRows, AFolderCountsAsItsFilesOneByOne) {
    // Enough files for several threads: their rows, however the files are shared out,
    // are the sums of each file's.
    DataFolder folder;
    tandarel::testing::generateDataFolder(folder.path(), {.substitutes = 6, .weeks = 20});
    const Date start{2004, 8, 1}, end{2005, 1, 31};
    for (const auto kind : {BilanKind::Substitutes, BilanKind::Schools, BilanKind::Teachers}) {
        const auto run = bilan(kind, folder, start, end);
        ASSERT_GE(run.files.size(), 17u);
        std::map<std::string, Values> sums;
        for (std::size_t i = 0; i < run.files.size(); ++i) {
            const WeekFileList one{{run.files.paths[i]}, {run.files.shortNames[i]}};
            for (const auto& row : runBilan(kind, one, run.period).rows) {
                auto& sum = sums[row.key];
                sum.resize(row.quarterDays.size());
                for (std::size_t c = 0; c < sum.size(); ++c) sum[c] += row.quarterDays[c];
            }
        }
        Rows expected;
        for (const auto& row : run.report.rows) expected.emplace_back(row.label, sums.at(row.key));
        EXPECT_EQ(rowsOf(run.report), expected) << bilanWord(kind);
        EXPECT_EQ(run.report.rows.size(), sums.size()) << bilanWord(kind);
    }
}

TEST(BilanRows, KeysDifferingInOneByteHaveRowsOfTheirOwn) {
    // Keys of the same length and ends share their hash: only the compare tells them apart.
    for (std::size_t n = 1; n <= 70; ++n) {
        bilan::RowTally tally;
        const std::string base(n, 'a');
        EXPECT_EQ(tally.row(base), 0u);
        for (std::size_t at = 0; at < n; ++at) {
            auto other = base;
            other[at] = 'b';
            EXPECT_EQ(tally.row(other), at + 1) << n << " " << at;
        }
        EXPECT_EQ(tally.row(base), 0u) << n;
        EXPECT_EQ(tally.size(), n + 1) << n;
    }
}

TEST(BilanRows, RowsStayTheirsWhileTheTableGrows) {
    bilan::RowTally tally;
    for (std::size_t round = 0; round < 2; ++round)
        for (std::size_t i = 0; i < 5000; ++i)
            ASSERT_EQ(tally.row("École " + std::to_string(i)), i) << round << " " << i;
    EXPECT_EQ(tally.size(), 5000u);
    EXPECT_EQ(tally.key(4321), "École 4321");
}

TEST(BilanSchools, EachSchoolLineWithTheMotifLineUnderIt) {
    struct Case {
        const char* school;
        const char* motif;
        const char* row;  // nullptr: no row
        int column;       // Maladie, Equipe, Convenance, Autre, Inconnu, Motif non saisi; -1: counts nothing
    };
    const Case cases[] = {
        {"Les Tilleuls", "M¤x", "Les Tilleuls", 0},  {" Les Tilleuls ", "C¤", "Les Tilleuls", 2},
        {"Les Tilleuls", "Z¤x", "Les Tilleuls", 4},  {"Les Tilleuls", "", "Les Tilleuls", 5},
        {"Les Tilleuls", "Indisponible", "Les Tilleuls", -1}, {"Les Tilleuls", "HTS", "Les Tilleuls", -1},
        {"", "E¤x", "(école non saisie)", 1},       {" ", " A¤ ", "(école non saisie)", 3},
        {"", "", nullptr, -1},                       {"", "Z¤x", nullptr, -1},
        {"HTS", "M¤x", nullptr, -1},                 {"Indisponible", "M¤x", nullptr, -1},
    };
    for (const auto& c : cases) {
        // M 2 and the motif line under it.
        const auto report = mondayBilan(BilanKind::Schools, {{3, c.school}, {4, c.motif}});
        EXPECT_EQ(rowsOf(report), oneRow(c.row, c.column, 7)) << c.school << " / " << c.motif;
    }
}

TEST(BilanTeachers, MotifCodesAndTheTrimmedNameAfterTheMarker) {
    struct Case {
        const char* motif;
        const char* row;  // nullptr: no row
        int column;       // Maladie, Equipe, Convenance, Autre
    };
    const Case cases[] = {
        {"M¤Dupont", "Dupont", 0}, {" A¤  Dupont ", "Dupont", 3}, {"E¤", "(nom non saisi)", 1},
        {"C¤  ", "(nom non saisi)", 2}, {"Z¤Dupont", nullptr, 0}, {"MDupont", nullptr, 0},
        {"Indisponible", nullptr, 0}, {"", nullptr, 0},
    };
    for (const auto& c : cases)  // line 6: the motif line of AM 1
        EXPECT_EQ(rowsOf(mondayBilan(BilanKind::Teachers, {{6, c.motif}})), oneRow(c.row, c.column, 5)) << c.motif;
}

TEST(BilanTeachers, OneRowPerNameWhateverTheMotif) {
    DataFolder folder;
    WeekBuilder(kMonday, 2).motif(0, 0, 0, "M¤Dupont").motif(1, 2, 3, "E¤Dupont").motif(0, 1, 4, "M¤Abel")
        .writeTo(folder);
    const auto report = bilan(BilanKind::Teachers, folder, kMonday, {2005, 4, 29}).report;
    EXPECT_EQ(rowsOf(report), (Rows{{"Abel", {1, 0, 0, 0, 1}}, {"Dupont", {1, 1, 0, 0, 2}}}));
    EXPECT_EQ(report.totals->quarterDays, (Values{2, 1, 0, 0, 3}));
}

TEST(BilanAlerts, DaysWithMissedAbsencesAndFreeSubstitutes) {
    DataFolder folder;
    // Two substitutes, five days, 8 motif lines a day.
    auto week = WeekBuilder(kMonday, 2);
    // Monday: 3 quarter-days missed, 8 free lines. Tuesday: 6 missed, 2 free.
    week.missed(0, 0, "M¤3");
    week.missed(1, 1, "E¤4").missed(3, 1, "A¤2");
    for (int plage = 0; plage < 3; ++plage) week.motif(0, plage, 1, "M¤x").motif(1, plage, 1, "Indisponible");
    // Wednesday: missed, but every motif line taken: no alert.
    week.missed(2, 2, "C¤5");
    for (int plage = 0; plage < 4; ++plage) week.motif(0, plage, 2, "C¤y").motif(1, plage, 2, "HTS");
    // Thursday: free substitutes and nothing missed; Friday all "HTS", its count included.
    week.wholeDay(4, "HTS").missed(0, 4, "M¤9");
    week.writeTo(folder);
    const auto run = bilan(BilanKind::Alerts, folder, kMonday, {2005, 4, 29});
    EXPECT_EQ(rowsOf(run.report),
              (Rows{{"lundi 25 avril 2005", {3, 8, 3}}, {"mardi 26 avril 2005", {6, 2, 2}}}));
    EXPECT_EQ(run.report.rows[1].texts, (std::vector<std::string>{"1,50", "0,50", "0,50"}));
    EXPECT_EQ(run.report.totals->quarterDays, (Values{9, 10, 5}));
    EXPECT_EQ(run.report.rows[0].key, "20050425");
}

TEST(BilanAlerts, CountsAreReadAsTheNonReplacementAnalysisReadsThem) {
    DataFolder folder;
    WeekBuilder(kMonday, 1).missed(0, 0, "M¤1234").missed(1, 0, "Z¤2").missed(2, 0, "C¤1").writeTo(folder);
    const auto report = bilan(BilanKind::Alerts, folder, kMonday, kMonday).report;
    EXPECT_EQ(rowsOf(report), (Rows{{"lundi 25 avril 2005", {1, 4, 1}}}));
    EXPECT_EQ(report.messages, std::vector<std::string>{"Je ne traite pas la donnée suivante : M¤1234 !"});
}

TEST(BilanPeriod, OnlyTheRetainedDaysCount) {
    DataFolder folder;
    auto week = WeekBuilder(kMonday, 1).school(0, 0, 0, "Les Tilleuls").motif(0, 0, 0, "M¤x");
    week.school(0, 0, 2, "Les Tilleuls").motif(0, 0, 2, "E¤x").school(0, 0, 4, "Le Bourg").motif(0, 0, 4, "M¤y");
    week.writeTo(folder);
    // Tuesday to Thursday: the Monday and the Friday are left out, even of the rows.
    const auto report = bilan(BilanKind::Schools, folder, {2005, 4, 26}, {2005, 4, 28}).report;
    EXPECT_EQ(rowsOf(report), (Rows{{"Les Tilleuls", {0, 1, 0, 0, 0, 0, 1}}}));
    EXPECT_EQ(report.periodText, "du 26/04/05 au 28/04/05");
    EXPECT_EQ(report.files, collectWeekFiles(folder.path(), kMonday, kMonday).shortNames);
}

TEST(BilanPeriod, ADayAllHtsCountsNothing) {
    DataFolder folder;
    // The bank holiday is written over what was planned before it.
    auto week = WeekBuilder(kMonday, 1, kMondayOnly).school(0, 0, 0, "Les Tilleuls").motif(0, 0, 0, "M¤x");
    week.missed(0, 0, "M¤2").wholeDay(0, "HTS").writeTo(folder);
    for (const auto kind : {BilanKind::Substitutes, BilanKind::Schools, BilanKind::Teachers, BilanKind::Alerts}) {
        const auto report = bilan(kind, folder, kMonday, kMonday).report;
        for (const auto& row : report.rows)
            for (const long value : row.quarterDays) EXPECT_EQ(value, 0) << bilanWord(kind) << " " << row.label;
        EXPECT_EQ(kind == BilanKind::Substitutes ? 1u : 0u, report.rows.size()) << bilanWord(kind);
    }
}

TEST(BilanDetails, ThePlacementsBehindARow) {
    DataFolder folder;
    auto week = WeekBuilder(kMonday, 2).name(0, "DUPONT").name(1, "MARTIN");
    week.school(0, 0, 0, "Les Tilleuls").motif(0, 0, 0, "M¤Abel").school(1, 3, 2, "Les Tilleuls").motif(1, 3, 2, "");
    week.motif(1, 1, 1, "E¤Abel").missed(0, 3, "M¤2");
    for (int plage = 0; plage < 4; ++plage) week.motif(0, plage, 3, "Indisponible").motif(1, plage, 3, "A¤Caro");
    week.motif(1, 0, 3, "");
    week.writeTo(folder);
    const auto files = collectWeekFiles(folder.path(), kMonday, kMonday);
    const auto period = range(kMonday, {2005, 4, 29});
    const std::string file = files.shortNames[0];
    using D = BilanDetail;
    EXPECT_EQ(bilanDetails(BilanKind::Schools, "Les Tilleuls", files, period),
              (std::vector<D>{{"lundi 25 avril 2005", file, "DUPONT", "Les Tilleuls", "M¤Abel"},
                              {"mercredi 27 avril 2005", file, "MARTIN", "Les Tilleuls", ""}}));
    EXPECT_EQ(bilanDetails(BilanKind::Teachers, "Abel", files, period),
              (std::vector<D>{{"lundi 25 avril 2005", file, "DUPONT", "Les Tilleuls", "M¤Abel"},
                              {"mardi 26 avril 2005", file, "MARTIN", "", "E¤Abel"}}));
    // The key of an alert is its date; behind it, the free substitutes of that day.
    EXPECT_EQ(bilanDetails(BilanKind::Alerts, "20050428", files, period),
              (std::vector<D>{{"jeudi 28 avril 2005", file, "MARTIN", "", ""}}));
    const auto substitute = bilanDetails(BilanKind::Substitutes, "DUPONT", files, period);
    EXPECT_EQ(substitute.size(), 20u);  // every motif line of the week, "Indisponible" ones included
    EXPECT_EQ(substitute[0], (D{"lundi 25 avril 2005", file, "DUPONT", "Les Tilleuls", "M¤Abel"}));
    EXPECT_TRUE(bilanDetails(BilanKind::Comparison, "20040801", files, period).empty());
}

}  // namespace
