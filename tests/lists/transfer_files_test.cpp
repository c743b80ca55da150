#include <gtest/gtest.h>

#include <filesystem>

#include "core/file_error.h"
#include "data_folder.h"
#include "lists/transfer_files.h"

namespace tandarel {
namespace {

using testing::cp1252Lines;
using testing::DataFolder;

const std::vector<std::string> kWeek = {"Remplaçant / Affectation;M/AM;lundi 25 avril 2005;",
                                        "OLD Max;M 1;Abjat - Mat;", "E;Nom;M¤X;", "C;M 2;;", "T;Nom;;",
                                        ";AM 1;;", ";Nom;;", ";AM 2;;", ";Nom;;",
                                        "Non-remplacements;M;M¤1;", ";E;;", ";C;;", ";A;;"};

TEST(SchoolYearWeeks, OnlyTheWeekFilesOfThisSchoolYear) {
    DataFolder folder;
    for (const auto* name : {"04_05/05_04_25.pln", "04_05/04_09_06.pln", "04_05/notes.txt", "04_05/05_02_30.pln",
                             "03_04/04_04_19.pln"})
        folder.writeLines(name, kWeek);
    std::filesystem::create_directory(folder / "04_05/05_05_02.pln");

    // Sunday 1 May 2005 still belongs to the week of Monday 25 April.
    const auto weeks = schoolYearWeeks(folder.path(), Date{2005, 5, 1});
    EXPECT_EQ(weeks.folderName, "04_05");
    EXPECT_EQ(weeks.thisWeekFileName, "05_04_25.pln");
    EXPECT_EQ(weeks.entries, (std::vector<WeekEntry>{{"04_09_06.pln", "04_09_06.pln (lundi 6 septembre 2004 )"},
                                                     {"05_04_25.pln", "05_04_25.pln (lundi 25 avril 2005 )"}}));
    // Monday 31 July 2006 seen on Tuesday 1 August: the folder of the Monday.
    EXPECT_EQ(schoolYearWeeks(folder.path(), Date{2006, 8, 1}).folderName, "05_06");
    EXPECT_TRUE(schoolYearWeeks(folder.path(), Date{2005, 9, 5}).entries.empty());
}

TEST(WeekFilesRewrite, OtherLayoutsAreLeftAloneAndNamed) {
    DataFolder folder;
    folder.writeLines("04_05/05_04_18.pln", kWeek);
    const std::vector<std::string> noSection(kWeek.begin(), kWeek.begin() + 9);
    folder.writeLines("04_05/05_04_25.pln", noSection);

    const auto outcome = rewriteWeekFiles(folder / "04_05", {"05_04_18.pln", "05_04_25.pln"},
                                          {{"NEW Ann", "Abjat", "EcN", "09", "Oui"}}, {{"NEW Ann", "OLD Max"}},
                                          {";", ";"});
    EXPECT_EQ(outcome.rewritten, std::vector<std::string>{"05_04_18.pln"});
    EXPECT_EQ(outcome.leftAlone, std::vector<std::string>{"05_04_25.pln"});
    auto expected = kWeek;
    expected[1] = "NEW Ann;M 1;Abjat - Mat;";
    expected[2] = "EcN;Nom;M¤X;";
    expected[3] = "Abjat;M 2;;";
    expected[4] = "09;Nom;;";
    EXPECT_EQ(folder.readBytes("04_05/05_04_18.pln"), cp1252Lines(expected));
    EXPECT_EQ(folder.readBytes("04_05/05_04_25.pln"), cp1252Lines(noSection));

    const auto sep = std::string(1, std::filesystem::path::preferred_separator);
    EXPECT_EQ(leftAloneMessage("04_05", {"a.pln", "b.pln"}),
              "Les semaines 04_05" + sep + "a.pln, 04_05" + sep +
                  "b.pln n'ont pas été modifiées : ces fichiers n'ont pas de ligne « Non-remplacements ».");
}

TEST(WeekFilesRewrite, StopsAtAnUnreadableFileAndKeepsWhatWasDone) {
    DataFolder folder;
    folder.writeLines("04_05/05_04_18.pln", kWeek);
    try {
        rewriteWeekFiles(folder / "04_05", {"05_04_18.pln", "05_04_25.pln"}, {}, {}, {";", ";"});
        ADD_FAILURE() << "the missing week must stop the rewrite";
    } catch (const RewriteStopped& stopped) {
        EXPECT_EQ(stopped.done().rewritten, std::vector<std::string>{"05_04_18.pln"});
    }
}

}  // namespace
}  // namespace tandarel
