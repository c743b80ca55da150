#include <gtest/gtest.h>

#include <filesystem>

#include "core/atomic_file.h"
#include "core/file_error.h"
#include "core/week_file.h"
#include "data_folder.h"

using namespace tandarel;
using tandarel::testing::DataFolder;
namespace fs = std::filesystem;

namespace {

struct HookReset {
    ~HookReset() { setReplaceStageHook({}); }
};

TEST(AtomicFile, FailureAtEveryStageKeepsTheOldFileAndNoTemporary) {
    for (const auto stage : {ReplaceStage::CreatingTemporary, ReplaceStage::Writing, ReplaceStage::BeforeFlush,
                             ReplaceStage::AfterFlush, ReplaceStage::BeforeRename}) {
        for (const bool existed : {true, false}) {
            SCOPED_TRACE(::testing::Message() << "stage " << static_cast<int>(stage) << ", existed " << existed);
            DataFolder folder;
            fs::create_directory(folder / "04_05");
            if (existed) folder.writeBytes("04_05/05_04_25.pln", "old\r\n");
            HookReset reset;
            setReplaceStageHook([stage](const fs::path&, const fs::path&, ReplaceStage at) { return at == stage; });
            EXPECT_THROW(replaceFileAtomically(folder / "04_05/05_04_25.pln", "new bytes\r\n"), FileError);
            setReplaceStageHook({});
            EXPECT_EQ(folder.entries("04_05"), existed ? std::vector<std::string>{"05_04_25.pln"}
                                                       : std::vector<std::string>{});
            if (existed) {
                EXPECT_EQ(folder.readBytes("04_05/05_04_25.pln"), "old\r\n");
            }
            // The next save goes through whole.
            replaceFileAtomically(folder / "04_05/05_04_25.pln", "new bytes\r\n");
            EXPECT_EQ(folder.readBytes("04_05/05_04_25.pln"), "new bytes\r\n");
            EXPECT_EQ(folder.entries("04_05"), std::vector<std::string>{"05_04_25.pln"});
        }
    }
}

// Windows makes symbolic links only with a right that ordinary accounts (and Wine) lack.
bool canMakeSymlinks() {
    DataFolder folder;
    std::error_code error;
    fs::create_symlink("cible", folder / "lien", error);
    return !error;
}

TEST(AtomicFile, ALinkIsWrittenThroughToItsTarget) {
    if (!canMakeSymlinks()) GTEST_SKIP() << "no symbolic links here";
    struct Case {
        const char* name;
        std::vector<std::pair<const char*, const char*>> links;  // link -> what it names
        const char* target;
        bool targetExists = true;
    };
    const Case cases[] = {
        {"relative", {{"04_05/05_04_25.pln", "../stock/semaine-25.pln"}}, "stock/semaine-25.pln"},
        {"chain", {{"04_05/05_04_25.pln", "relais.pln"}, {"04_05/relais.pln", "../stock/semaine-25.pln"}},
         "stock/semaine-25.pln"},
        {"to a file not yet made", {{"personnels.pln", "stock/personnels.pln"}}, "stock/personnels.pln", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DataFolder folder;
        fs::create_directories(folder / "04_05");
        fs::create_directories(folder / "stock");
        if (c.targetExists) folder.writeBytes(c.target, "old\r\n");
        for (const auto& [link, named] : c.links) fs::create_symlink(named, folder / link);
        const auto written = c.links.front().first;

        replaceFileAtomically(folder / written, "new\r\n");

        for (const auto& [link, named] : c.links) {
            EXPECT_TRUE(fs::is_symlink(folder / link)) << link;
            EXPECT_EQ(fs::read_symlink(folder / link), named);
        }
        EXPECT_EQ(folder.readBytes(c.target), "new\r\n");
        EXPECT_EQ(folder.entries("stock"), std::vector<std::string>{fs::path(c.target).filename().string()});
    }
}

TEST(AtomicFile, PermissionsAreKept) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows keeps rights in access lists, not in these bits";
#endif
    using P = fs::perms;
    for (const auto rights : {P::owner_read | P::owner_write | P::group_read,  // 0640
                              P::owner_read | P::owner_write,                   // 0600
                              P::owner_read | P::owner_write | P::group_read | P::group_write | P::others_read}) {
        DataFolder folder;
        folder.writeBytes("personnels.pln", "old\r\n");
        fs::permissions(folder / "personnels.pln", rights);
        replaceFileAtomically(folder / "personnels.pln", "new\r\n");
        EXPECT_EQ(fs::status(folder / "personnels.pln").permissions(), rights);
        EXPECT_EQ(folder.readBytes("personnels.pln"), "new\r\n");
    }
}

// Whatever lies under the temporary's name (a file, a link to a file elsewhere) is
// neither opened, followed nor removed: another name is taken.
TEST(AtomicFile, AnEntryUnderTheTemporaryNameIsNeverOpened) {
    for (const bool asLink : {false, true}) {
        SCOPED_TRACE(asLink ? "link" : "file");
        if (asLink && !canMakeSymlinks()) continue;
        DataFolder folder;
        folder.writeBytes("semaine.pln", "old\r\n");
        folder.writeBytes("ailleurs/cible.txt", "untouched\r\n");
        std::vector<fs::path> planted;
        HookReset reset;
        setReplaceStageHook([&](const fs::path&, const fs::path& temporary, ReplaceStage stage) {
            if (stage == ReplaceStage::CreatingTemporary && planted.empty()) {
                EXPECT_TRUE(isTemporaryFileName(temporary.filename())) << temporary;
                if (asLink)
                    fs::create_symlink(folder / "ailleurs/cible.txt", temporary);
                else
                    folder.writeBytes(temporary.filename().string(), "planted\r\n");
                planted.push_back(temporary);
            }
            return false;
        });
        replaceFileAtomically(folder / "semaine.pln", "new\r\n");

        ASSERT_EQ(planted.size(), 1u);
        EXPECT_EQ(folder.readBytes("semaine.pln"), "new\r\n");
        EXPECT_EQ(folder.readBytes("ailleurs/cible.txt"), "untouched\r\n");
        EXPECT_EQ(folder.readBytes(planted.front().filename().string()), asLink ? "untouched\r\n" : "planted\r\n");
        EXPECT_EQ(folder.entries().size(), 3u);  // ailleurs, semaine.pln, the planted entry
    }
}

TEST(AtomicFile, OnlyLeftoverTemporariesAreRemoved) {
    DataFolder folder;
    const std::vector<std::string> left = {".personnels.pln.00ff00ff00ff00ff.tandarel-tmp",
                                           "04_05/.05_04_25.pln.0123456789abcdef.tandarel-tmp"};
    const std::vector<std::string> kept = {"personnels.pln", "04_05/05_04_25.pln", "notes.tandarel-tmp",
                                           ".tandarel-tmp", "04_05/.cache", "04_05/sous/.a.pln.1.tandarel-tmp"};
    for (const auto& name : left) folder.writeBytes(name, "x");
    for (const auto& name : kept) folder.writeBytes(name, "x");
    fs::create_directory(folder / ".dossier.tandarel-tmp");

    EXPECT_EQ(removeLeftoverTemporaries(folder.path()), 2);
    for (const auto& name : left) EXPECT_FALSE(folder.exists(name)) << name;
    for (const auto& name : kept) EXPECT_TRUE(folder.exists(name)) << name;
    EXPECT_TRUE(folder.exists(".dossier.tandarel-tmp"));
}

// Every cell selection saves the week: one that changed nothing writes nothing.
TEST(AtomicFile, AWeekSavedUnchangedIsNotRewritten) {
    DataFolder folder;
    const Date monday{2005, 4, 25};
    WeekGrid grid(13, 3);
    grid.setCell(2, 2, "M¤DUPONT");
    saveWeek(folder.path(), monday, grid);
    int replacements = 0;
    HookReset reset;
    setReplaceStageHook([&](const fs::path&, const fs::path&, ReplaceStage stage) {
        replacements += stage == ReplaceStage::CreatingTemporary;
        return false;
    });
    saveWeek(folder.path(), monday, grid);
    EXPECT_EQ(replacements, 0);
    grid.setCell(2, 2, "M¤DURAND");
    saveWeek(folder.path(), monday, grid);
    EXPECT_EQ(replacements, 1);
}

}  // namespace
