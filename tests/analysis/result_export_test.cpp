#include <gtest/gtest.h>

#include "analysis/result_export.h"

using namespace tandarel;

namespace {

ReplacementAnalysis smallAnalysis() {
    ReplacementAnalysis analysis;
    analysis.walk.rangeStart = "lundi 18 avril 2005";
    analysis.walk.rangeEnd = "mardi 26 avril 2005";
    analysis.walk.files = {{".../04_05/05_04_18.pln", kOddFileColour}, {".../04_05/05_04_25.pln", kEvenFileColour}};
    analysis.walk.days = {{"lundi 18 avril 2005", kOddFileColour},
                          {"", kOddFileColour},
                          {"lundi 25 avril 2005", kHtsDayColour},
                          {"mardi 26 avril 2005", kEvenFileColour}};
    analysis.counts.counts = {9, 2, 0, 0, 1, 0};
    analysis.counts.total = 12;
    analysis.substitutes = {2, 3};
    return analysis;
}

TEST(ResultExport, ReplacementCsvBytes) {
    const Period year{PeriodMode::SchoolYear, "01/08/04", "31/07/05", {2004, 8, 1}, {2005, 7, 31}};
    const auto report = replacementReport(smallAnalysis(), year);
    EXPECT_EQ(report.title, "Tandarel - Analyse des remplacements");
    EXPECT_EQ(report.fileStem, "analyse-remplacements-2004-2005");
    EXPECT_EQ(resultCsv(report),
              "\xEF\xBB\xBF"
              "Motifs d'absence;Totaux;%\r\n"
              "Maladie;2,25;75\r\n"
              "Equipe;0,50;17\r\n"
              "Convenance personnelle;0,00;0\r\n"
              "Autre raison;0,00;0\r\n"
              "Mise à disposition;0,25;8\r\n"
              "Inconnu (bug);0,00;0\r\n"
              "Totaux;3,00;100\r\n"
              "\r\n"
              "Période;du 01/08/04 au 31/07/05\r\n"
              "Plage retenue pour l'analyse;du lundi 18 avril 2005 au mardi 26 avril 2005\r\n"
              "Nb MIN/MAX de personnels;2/3\r\n"
              "\r\n"
              "Liste des fichiers analysés\r\n"
              ".../04_05/05_04_18.pln\r\n"
              ".../04_05/05_04_25.pln\r\n"
              "\r\n"
              "Liste des jours analysés\r\n"
              "lundi 18 avril 2005\r\n"
              "\r\n"
              "lundi 25 avril 2005;jour entièrement HTS\r\n"
              "mardi 26 avril 2005\r\n");
}

TEST(ResultExport, NonReplacementReportSaysWhenNothingWasMissed) {
    const Period range{PeriodMode::DateRange, "18/04/05", "28/04/05", {2005, 4, 18}, {2005, 4, 28}};
    NonReplacementAnalysis analysis;
    analysis.days = {DayCounts{}, DayCounts{}};
    auto report = nonReplacementReport(analysis, range);
    EXPECT_EQ(report.fileStem, "analyse-non-remplacements-2005-04-18_2005-04-28");
    EXPECT_EQ(report.note, kNothingMissedMessage);
    EXPECT_NE(resultCsv(report).find("Totaux;0,00\r\n\r\nPériode;du 18/04/05 au 28/04/05\r\n"), std::string::npos);

    analysis.days[1] = DayCounts{{0, 0, 0, 6}, 6, false};
    analysis.totals = {0, 0, 0, 6};
    analysis.total = 6;
    report = nonReplacementReport(analysis, range);
    EXPECT_EQ(report.note, "");
    EXPECT_EQ(report.grid[4], (std::vector<std::string>{"Maladie", "         1,50"}));
    EXPECT_EQ(report.rowColours[4], 0xC0FFC0u);
}

TEST(ResultExport, CsvCellsThatWouldSplitAreQuoted) {
    struct Row {
        std::vector<std::string> cells;
        std::string line;
    };
    const Row rows[] = {
        {{"a", "b c"}, "a;b c\r\n"},
        {{"a;b"}, "\"a;b\"\r\n"},
        {{"dit \"non\""}, "\"dit \"\"non\"\"\"\r\n"},
        {{"deux\r\nlignes", ""}, "\"deux\r\nlignes\";\r\n"},
        {{""}, "\r\n"},
    };
    for (const auto& row : rows) EXPECT_EQ(csvLine(row.cells), row.line) << row.line;
}

}  // namespace
