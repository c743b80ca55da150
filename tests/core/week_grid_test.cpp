#include <gtest/gtest.h>

#include "core/file_error.h"
#include "core/fields.h"
#include "core/text_file.h"
#include "core/week_file.h"
#include "data_folder.h"

using namespace tandarel;
using tandarel::testing::DataFolder;

namespace {
const WorkingWeekSlots kFiveDays = parseWorkingWeekLine("LUM;LUAM;MAM;MAAM;MEM;;JEM;JEAM;VEM;VEAM;;;");
const Date kMonday{2005, 4, 25};
std::vector<Substitute> substitutes(int n) {
    std::vector<Substitute> list;
    for (int i = 0; i < n; ++i)
        list.push_back({"NOM " + std::to_string(i), "Commune", "Ecole", "03 00", "Oui"});
    return list;
}
}  // namespace

TEST(WeekGrid, NewWeekShape) {
    const auto grid = buildNewWeek(substitutes(3), kFiveDays, kMonday);
    EXPECT_EQ(grid.rowCount(), 29);
    EXPECT_EQ(grid.columnCount(), 7);
    EXPECT_EQ(grid.cell(0, 0), "Remplaçant / Affectation");
    EXPECT_EQ(grid.cell(0, 1), "M/AM");
    EXPECT_EQ(grid.cell(0, 2), "lundi 25 avril 2005");
    EXPECT_EQ(grid.cell(0, 6), "vendredi 29 avril 2005");
    EXPECT_EQ(grid.cell(9, 0), "NOM 1");
    EXPECT_EQ(grid.cell(10, 0), "Ecole");
    EXPECT_EQ(grid.cell(11, 0), "Commune");
    EXPECT_EQ(grid.cell(12, 0), "03 00");
    EXPECT_EQ(grid.cell(13, 1), "AM 1");
    EXPECT_EQ(grid.cell(25, 0), "Non-remplacements");
    EXPECT_EQ(grid.cell(28, 1), "A");
    EXPECT_EQ(grid.substituteCount(), 3);
    // Wednesday afternoon is not worked: its four afternoon rows are "HTS", the morning ones empty.
    for (int r = 1; r <= 4; ++r) EXPECT_EQ(grid.cell(r, 4), "") << r;
    for (int r = 5; r <= 8; ++r) EXPECT_EQ(grid.cell(r, 4), "HTS") << r;
    EXPECT_EQ(grid.cell(25, 4), "");  // never in the non-replacement rows
}

TEST(WeekGrid, DaysFollowTheWorkingWeek) {
    struct Case {
        const char* line;
        std::vector<std::string> headers;
    };
    for (const Case& c : {Case{"LUM;;;;;;;;;;;SAAM;", {"lundi 25 avril 2005", "samedi 30 avril 2005"}},
                          Case{";LUAM;;;;;;;;;;;", {"lundi 25 avril 2005"}}}) {
        const auto grid = buildNewWeek(substitutes(1), parseWorkingWeekLine(c.line), kMonday);
        ASSERT_EQ(grid.columnCount(), 2 + static_cast<int>(c.headers.size())) << c.line;
        for (std::size_t i = 0; i < c.headers.size(); ++i) EXPECT_EQ(grid.cell(0, 2 + static_cast<int>(i)), c.headers[i]);
    }
    const auto onlyAfternoon = buildNewWeek(substitutes(1), parseWorkingWeekLine(";LUAM;;;;;;;;;;;"), kMonday);
    EXPECT_EQ(onlyAfternoon.cell(1, 2), "HTS");
    EXPECT_EQ(onlyAfternoon.cell(5, 2), "");
}

TEST(WeekFile, RoundTripAndBytes) {
    DataFolder folder;
    auto grid = buildNewWeek(substitutes(3), kFiveDays, kMonday);
    grid.setCell(1, 2, "  Vernelle - Elém Les Tilleuls ");
    grid.setCell(2, 2, "M¤DUPONT Jean");
    grid.setCell(3, 2, "   ");
    saveWeek(folder.path(), kMonday, grid);
    ASSERT_TRUE(folder.exists("04_05/05_04_25.pln"));
    const auto bytes = folder.readBytes("04_05/05_04_25.pln");
    EXPECT_EQ(bytes.substr(0, bytes.find("\r\n") + 2),
              "Rempla\xE7" "ant / Affectation;M/AM;lundi 25 avril 2005;mardi 26 avril 2005;"
              "mercredi 27 avril 2005;jeudi 28 avril 2005;vendredi 29 avril 2005;\r\n");
    EXPECT_NE(bytes.find("NOM 0;M 1;Vernelle - El\xE9m Les Tilleuls;;;;;\r\nEcole;Nom;M\xA4" "DUPONT Jean;;;;;\r\n"),
              std::string::npos);
    EXPECT_NE(bytes.find("Commune;M 2;;;;;;\r\n"), std::string::npos);  // blanks-only cell written empty

    const auto lines = splitLines(bytes);
    ASSERT_EQ(lines.size(), 29u);
    for (const auto line : lines) EXPECT_EQ(countFields(line), 7u) << line;

    const auto loaded = loadWeek(folder.path(), kMonday);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->cell(1, 2), "Vernelle - Elém Les Tilleuls");
    EXPECT_EQ(loaded->cell(2, 2), "M¤DUPONT Jean");
    EXPECT_EQ(formatWeekLines(*loaded), formatWeekLines(grid));
}

TEST(WeekFile, ColumnsComeFromTheHeaderLine) {
    const auto grid = parseWeekLines({"a;b;c;d;e;f;", "1;2;3;4;5;6;7;8;", "x;y", ""});
    EXPECT_EQ(grid.rowCount(), 4);
    EXPECT_EQ(grid.columnCount(), 6);
    EXPECT_EQ(grid.cell(1, 5), "6");
    EXPECT_EQ(grid.cell(2, 1), "y");
    EXPECT_EQ(grid.cell(2, 2), "");
    EXPECT_EQ(grid.cell(40, 40), "");
}

TEST(WeekFile, MissingWeekAndFolderFailure) {
    DataFolder folder;
    EXPECT_FALSE(loadWeek(folder.path(), kMonday));
    folder.writeBytes("04_05", "un fichier à la place du dossier");
    try {
        saveWeek(folder.path(), kMonday, buildNewWeek(substitutes(1), kFiveDays, kMonday));
        ADD_FAILURE();
    } catch (const FileError& e) {
        EXPECT_STREQ(e.what(), "Impossible de créer le sous-dossier 04_05");
    }
}

TEST(WeekFile, AbsurdShapesAreRefusedWithTheirReason) {
    DataFolder folder;
    std::string header;
    for (int i = 0; i < 100000; ++i) header += "x;";
    folder.writeBytes("04_05/05_04_25.pln", header + "\r\n");
    try {
        loadWeek(folder.path(), kMonday);
        ADD_FAILURE();
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("100000 champs"), std::string::npos) << e.what();
    }
    EXPECT_EQ(folder.readBytes("04_05/05_04_25.pln").size(), header.size() + 2);  // untouched
}
