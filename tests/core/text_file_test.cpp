#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

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
    struct Case {
        const char* name;
        bool previous;
        const char* ending;
    };
    for (const Case& c : {Case{"existing", true, " : Disque plein. Le fichier précédent est conservé."},
                          Case{"new", false, " : Disque plein. Le fichier n'a pas été créé."}}) {
        DataFolder folder;
        if (c.previous) writeTextLines(folder / "semaine.pln", {"LUM;;"});
        setReplaceFaultHook([](const auto&) { return true; });
        try {
            writeTextLines(folder / "semaine.pln", {"LUM;LUAM;MAM;MAAM;"});
            ADD_FAILURE() << c.name << ": the failed write was not reported";
        } catch (const FileError& e) {
            const std::string what = e.what();
            EXPECT_NE(what.find("semaine.pln"), std::string::npos) << what;
            EXPECT_TRUE(what.ends_with(c.ending)) << what;
        }
        setReplaceFaultHook({});
        // The previous file as it was, or none; no temporary left behind.
        EXPECT_EQ(folder.entries(), c.previous ? std::vector<std::string>{"semaine.pln"} : std::vector<std::string>{})
            << c.name;
        if (c.previous) {
            EXPECT_EQ(folder.readBytes("semaine.pln"), "LUM;;\r\n");
        }
    }
}

TEST(FileErrorReason, FrenchFromTheCodeWhateverItsCategory) {
    struct Case {
        std::errc code;
        const char* french;
    };
    for (const Case& c : {Case{std::errc::permission_denied, "Permission refusée"},
                          Case{std::errc::no_space_on_device, "Disque plein"},
                          Case{std::errc::no_such_file_or_directory, "Fichier ou dossier introuvable"},
                          Case{std::errc::read_only_file_system, "Disque en lecture seule"},
                          Case{std::errc::is_a_directory, "C'est un dossier"},
                          Case{std::errc::not_a_directory, "Un élément du chemin n'est pas un dossier"},
                          Case{std::errc::file_exists, "Le fichier existe déjà"},
                          Case{std::errc::too_many_files_open, "Trop de fichiers ouverts"},
                          Case{std::errc::filename_too_long, "Nom de fichier trop long"},
                          Case{std::errc::io_error, "Erreur d'entrée-sortie"}}) {
        const auto generic = std::make_error_code(c.code);
        EXPECT_EQ(systemReason(generic), c.french) << generic.message();
        EXPECT_EQ(systemReason(generic.value()), c.french) << generic.message();
        // What the file system library reports: the platform's own code for the same cause.
        const auto platform = std::error_code(generic.value(), std::system_category());
        if (platform == c.code) {
            EXPECT_EQ(systemReason(platform), c.french) << generic.message();
        }
    }
#ifdef EDQUOT
    EXPECT_EQ(systemReason(EDQUOT), "Quota de disque dépassé");
#endif
    // A cause without a French text keeps the system's.
    const auto unknown = std::make_error_code(std::errc::protocol_error);
    EXPECT_EQ(systemReason(unknown), unknown.message());
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
        const std::string what = e.what();
        EXPECT_TRUE(what.starts_with("Impossible de lire le fichier")) << what;
        EXPECT_TRUE(what.ends_with("absent.pln » : Fichier ou dossier introuvable")) << what;
    }
    EXPECT_FALSE(entryExists(folder / "absent.pln"));
    std::filesystem::create_directory(folder / "dossier.pln");
    EXPECT_TRUE(entryExists(folder / "dossier.pln"));  // any entry counts
    EXPECT_THROW(readTextLines(folder / "dossier.pln"), FileError);
}
