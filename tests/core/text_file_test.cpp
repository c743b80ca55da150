#include <gtest/gtest.h>

#include <filesystem>

#include "core/atomic_file.h"
#include "core/file_error.h"
#include "core/reference_files.h"
#include "core/text_file.h"
#include "data_folder.h"

using namespace tandarel;
using tandarel::testing::DataFolder;

TEST(Lines, EndingsAcceptedOnRead) {
    struct Case {
        const char* text;
        std::vector<std::string_view> lines;
    };
    for (const Case& c : {Case{"a\r\nb\r\n", {"a", "b"}}, Case{"a\nb\n", {"a", "b"}}, Case{"a\r\nb", {"a", "b"}},
                          Case{"", {}}, Case{"\r\n", {""}}, Case{"a\r\n\r\nb\r\n", {"a", "", "b"}}}) {
        EXPECT_EQ(splitLines(c.text), c.lines) << c.text;
    }
}

TEST(TextFile, DefaultFilesAreExactBytes) {
    DataFolder folder;
    writeTextLines(folder / "Rattachements.pln", defaultSchoolsLines());
    writeTextLines(folder / "personnels.pln", defaultSubstitutesLines());
    EXPECT_EQ(folder.readBytes("Rattachements.pln"),
              "Fichier des Rattachements\r\nVernelle - El\xE9m Les Tilleuls\r\nSt Aubrin - Mat J. Perlinot\r\n");
    EXPECT_EQ(folder.readBytes("personnels.pln"),
              "Fichier des personnels rempla\xE7" "ants\r\n"
              "DORSANVAL R\xE9mi;Vernelle en Lizonne;El\xE9mentaire Pradoux;03 00 99 99 99;Oui;\r\n"
              "MOURELLE Sonia;Vernelle en Lizonne;El\xE9mentaire Marcel Tournaval;03 00 88 88 88;Oui;\r\n");
    EXPECT_EQ(readTextLines(folder / "personnels.pln"), defaultSubstitutesLines());
}

TEST(TextFile, FailedReplaceKeepsTheOldFile) {
    DataFolder folder;
    writeTextLines(folder / "semaine.pln", {"LUM;;"});
    setReplaceFaultHook([](const auto&) { return true; });
    try {
        writeTextLines(folder / "semaine.pln", {"LUM;LUAM;MAM;MAAM;"});
        ADD_FAILURE() << "the failed write was not reported";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("semaine.pln"), std::string::npos) << e.what();
    }
    setReplaceFaultHook({});
    EXPECT_EQ(folder.readBytes("semaine.pln"), "LUM;;\r\n");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"semaine.pln"});  // no temporary left behind
}

TEST(TextFile, ReadOnlyFolderReportsAndKeeps) {
    DataFolder folder;
    writeTextLines(folder / "Rattachements.pln", {"Fichier des Rattachements"});
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    bool refused = false;
    try {
        writeTextLines(folder / "Rattachements.pln", {"Fichier des Rattachements", "X"});
    } catch (const FileError& e) {
        refused = true;
        EXPECT_NE(std::string(e.what()).find("Rattachements.pln"), std::string::npos);
    }
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_all);
    if (!refused) GTEST_SKIP() << "running with rights that ignore folder permissions";
    EXPECT_EQ(folder.readBytes("Rattachements.pln"), "Fichier des Rattachements\r\n");
}

TEST(TextFile, UnstorableTextIsRefusedNotMangled) {
    DataFolder folder;
    writeTextLines(folder / "personnels.pln", {"a"});
    EXPECT_THROW(writeTextLines(folder / "personnels.pln", {"Nom;\xE6\x97\xA5;"}), FileError);
    EXPECT_EQ(folder.readBytes("personnels.pln"), "a\r\n");
}

TEST(TextFile, MissingFileIsAFrenchError) {
    DataFolder folder;
    try {
        readTextLines(folder / "absent.pln");
        ADD_FAILURE();
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Impossible de lire le fichier", 0), 0u) << e.what();
    }
    EXPECT_FALSE(entryExists(folder / "absent.pln"));
    std::filesystem::create_directory(folder / "dossier.pln");
    EXPECT_TRUE(entryExists(folder / "dossier.pln"));  // any entry counts
    EXPECT_THROW(readTextLines(folder / "dossier.pln"), FileError);
}
