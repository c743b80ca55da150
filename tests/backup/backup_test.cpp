#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "analysis/week_collection.h"
#include "backup/backup.h"
#include "backup/restore.h"
#include "backup/zip_archive.h"
#include "core/atomic_file.h"
#include "core/file_error.h"
#include "core/text_file.h"
#include "data_folder.h"
#include "lists/transfer_files.h"

using namespace tandarel;
using tandarel::testing::DataFolder;
namespace fs = std::filesystem;

namespace {

// A data folder whose path holds an "é", with files whose bytes are Windows-1252.
class BackupTest : public ::testing::Test {
protected:
    BackupTest() : data(root.path() / fs::path(u8"données é")) {
        fs::create_directory(data);
        write("personnels.pln", "Fichier des personnels rempla\xE7" "ants\r\nR\xC9MI;B;C;D;Oui;\r\n");
        write("Rattachements.pln", "Fichier des Rattachements\r\nVernelle - El\xE9m\r\n");
        write("semaine.pln", "LUM;LUAM;;;;;;;;;;;\r\n");
        write("04_05/05_04_25.pln", "semaine;\xA4;\r\n");
        write("05_06/05_09_05.pln", "autre semaine;\r\n");
        write("notes.txt", "pas une donn\xE9" "e");
        write("04_05/notes.pln", "pas une semaine");
    }
    void write(const std::string& relative, const std::string& bytes) const {
        fs::create_directories((data / relative).parent_path());
        std::ofstream(data / relative, std::ios::binary) << bytes;
    }
    std::string read(const std::string& relative) const { return readFileBytes(data / relative); }
    std::vector<std::string> archives() const {
        std::vector<std::string> names;
        if (fs::is_directory(data / "sauvegardes"))
            for (const auto& entry : fs::directory_iterator(data / "sauvegardes")) names.push_back(utf8FileName(entry));
        std::sort(names.begin(), names.end());
        return names;
    }
    std::map<std::string, std::string> members(const std::string& archive) const {
        std::map<std::string, std::string> found;
        for (auto& file : readArchiveData(data / "sauvegardes" / archive)) found[file.name] = file.bytes;
        return found;
    }
    BackupOutcome backUp(int hour, int minute, Date day = {2026, 12, 8}) {
        return backUpData(data, {day, hour, minute, 1});
    }

    DataFolder root;
    fs::path data;
};

TEST_F(BackupTest, AnArchiveRestoresTheDataFilesByteForByte) {
    const auto original = readDataFiles(data);
    ASSERT_EQ(backUp(9, 30).holding, "tandarel-2026-12-08-0930.zip");
    const std::vector<std::string> names = {"04_05/05_04_25.pln", "05_06/05_09_05.pln", "Rattachements.pln",
                                            "personnels.pln", "semaine.pln"};
    std::vector<std::string> stored;
    for (const auto& [name, bytes] : members("tandarel-2026-12-08-0930.zip")) stored.push_back(name);
    EXPECT_EQ(stored, names);

    write("personnels.pln", "chang\xE9\r\n");
    fs::remove_all(data / "05_06");
    write("05_06/05_09_12.pln", "semaine ajout\xE9" "e depuis\r\n");
    const auto outcome = restoreDataFiles(data, readArchiveData(data / "sauvegardes/tandarel-2026-12-08-0930.zip"));
    EXPECT_EQ(outcome.written, 2);
    EXPECT_EQ(outcome.unchanged, 3);
    for (const auto& file : original) EXPECT_EQ(read(file.name), file.bytes) << file.name;
    // Not in the archive, or not data: left as they are.
    EXPECT_EQ(read("05_06/05_09_12.pln"), "semaine ajout\xE9" "e depuis\r\n");
    EXPECT_EQ(read("notes.txt"), "pas une donn\xE9" "e");
}

TEST_F(BackupTest, ARestoreStoppedPartWaySaysWhatItWroteBefore) {
    const std::vector<DataFile> files = {
        {"Rattachements.pln", "A\r\n"}, {"personnels.pln", "B\r\n"}, {"semaine.pln", "C\r\n"}};
    setReplaceFaultHook([](const fs::path& file) { return file.filename() == "personnels.pln"; });
    try {
        restoreDataFiles(data, files);
        ADD_FAILURE() << "the failing write must stop the restore";
    } catch (const RestoreStopped& stopped) {
        EXPECT_EQ(stopped.done().written, 1);
        EXPECT_NE(std::string(stopped.what()).find("personnels.pln"), std::string::npos) << stopped.what();
    }
    setReplaceFaultHook({});
    EXPECT_EQ(read("Rattachements.pln"), "A\r\n");
    EXPECT_EQ(read("semaine.pln"), "LUM;LUAM;;;;;;;;;;;\r\n");
}

TEST_F(BackupTest, OneArchiveADayUnlessTheDataChanged) {
    write("sauvegardes/tandarel-2026-12-07-1800.zip.~tmp", "moitié");
    write("sauvegardes/.tandarel-2026-12-07-1800.zip.Ab12.tandarel-tmp", "moitié");
    write("sauvegardes/notes.txt", "à garder");
    const struct {
        const char* step;
        Date day;
        int hour, minute;
        const char* weekBytes;  // written before the backup
        const char* holding;
        bool created;
    } steps[] = {
        {"first start", {2026, 12, 8}, 9, 30, nullptr, "tandarel-2026-12-08-0930.zip", true},
        {"same day, same data", {2026, 12, 8}, 11, 0, nullptr, "tandarel-2026-12-08-0930.zip", false},
        {"a byte changed, same size", {2026, 12, 8}, 11, 5, "semaine;\xA5;\r\n", "tandarel-2026-12-08-1105.zip", true},
        {"changed again within the minute", {2026, 12, 8}, 11, 5, "semaine;\xA6;\r\n", "tandarel-2026-12-08-1105-2.zip",
         true},
        {"next day, same data", {2026, 12, 9}, 8, 0, nullptr, "tandarel-2026-12-09-0800.zip", true},
    };
    for (const auto& step : steps) {
        if (step.weekBytes) write("04_05/05_04_25.pln", step.weekBytes);
        const auto outcome = backUp(step.hour, step.minute, step.day);
        EXPECT_EQ(outcome.holding, step.holding) << step.step;
        EXPECT_EQ(outcome.created, step.created) << step.step;
    }
    EXPECT_EQ(members("tandarel-2026-12-08-1105.zip").at("04_05/05_04_25.pln"), "semaine;\xA5;\r\n");
    EXPECT_EQ(archives(), (std::vector<std::string>{"notes.txt", "tandarel-2026-12-08-0930.zip",
                                                    "tandarel-2026-12-08-1105-2.zip", "tandarel-2026-12-08-1105.zip",
                                                    "tandarel-2026-12-09-0800.zip"}));

    // Retention goes through the same names, and never touches what is not an archive.
    for (int day = 1; day <= 30; ++day) write("sauvegardes/" + archiveName({{2026, 11, day}, 12, 0, 1}), "");
    removeOldArchives(data, {2026, 12, 9});
    EXPECT_EQ(archives().size(), 31u);
    EXPECT_EQ(archives().front(), "notes.txt");
    EXPECT_FALSE(fs::exists(data / "sauvegardes/tandarel-2026-11-04-1200.zip"));
    EXPECT_TRUE(fs::exists(data / "sauvegardes/tandarel-2026-11-05-1200.zip"));
}

TEST_F(BackupTest, ADamagedNewestArchiveIsNotTrustedAndIsListedUnreadable) {
    backUp(9, 30);
    write("sauvegardes/tandarel-2026-12-08-1000.zip", "PK pas une archive");
    EXPECT_TRUE(backUp(10, 30).created);
    const auto listed = listArchives(data);
    ASSERT_EQ(listed.size(), 3u);
    EXPECT_EQ(listed[0].name, "tandarel-2026-12-08-1030.zip");
    EXPECT_EQ(listed[0].weekFiles, 2);
    EXPECT_EQ(listed[1].weekFiles, std::nullopt);
    EXPECT_EQ(listed[1].bytes, 18u);
    EXPECT_THROW(readArchiveData(data / "sauvegardes/tandarel-2026-12-08-1000.zip"), FileError);
}

TEST_F(BackupTest, AFailedBackupLeavesNoArchiveAndTheDataAsTheyWere) {
    const auto original = readDataFiles(data);
    const struct {
        const char* fault;
        std::function<bool()> arrange;  // false: the fault cannot be made here
    } faults[] = {
        {"a file where the folder goes", [&] { write("sauvegardes", "fichier"); return true; }},
        {"the write fails half-way",
         [&] {
             setReplaceFaultHook([](const fs::path&) { return true; });
             return true;
         }},
#ifndef _WIN32
        {"a read-only folder",
         [&] {
             // root writes anyway: the case then proves nothing.
             if (geteuid() == 0) return false;
             fs::create_directory(data / "sauvegardes");
             fs::permissions(data / "sauvegardes", fs::perms::owner_read | fs::perms::owner_exec);
             return true;
         }},
#endif
    };
    for (const auto& fault : faults) {
        if (!fault.arrange()) continue;
        EXPECT_THROW(backUp(9, 30), FileError) << fault.fault;
        setReplaceFaultHook({});
        std::error_code ec;
        fs::permissions(data / "sauvegardes", fs::perms::owner_all, ec);
        EXPECT_EQ(archives(), std::vector<std::string>{}) << fault.fault;
        fs::remove_all(data / "sauvegardes");
    }
    for (const auto& file : original) EXPECT_EQ(read(file.name), file.bytes) << file.name;
}

TEST_F(BackupTest, AnArchiveIsInputItsUnsafeOrForeignMembersAreNeverWritten) {
    const auto archive = data / "sauvegardes/tandarel-2026-12-08-0930.zip";
    const auto put = [&](std::vector<DataFile> files) {
        fs::create_directories(archive.parent_path());
        replaceFileAtomically(archive, zipArchiveBytes(files, archive));
    };
    for (const char* unsafe : {"../personnels.pln", "04_05/../../personnels.pln", "/personnels.pln",
                               "04_05\\05_04_25.pln", "C:/personnels.pln"}) {
        put({{"personnels.pln", "restauré"}, {unsafe, "dehors"}});
        EXPECT_THROW(readArchiveData(archive), FileError) << unsafe;
    }
    put({{"notes.txt", "x"}});
    EXPECT_THROW(readArchiveData(archive), FileError);

    put({{"personnels.pln", "A"}, {"personnelX.pln", "B"}});
    auto twice = readFileBytes(archive);
    for (auto at = twice.find("personnelX.pln"); at != std::string::npos; at = twice.find("personnelX.pln"))
        twice.replace(at, 14, "personnels.pln");
    replaceFileAtomically(archive, twice);
    EXPECT_THROW(readArchiveData(archive), FileError);

    put({{"personnels.pln", "restauré"}, {"notes.txt", "x"}, {"sauvegardes/05_04_25.pln", "x"},
         {"04_05/sub/05_04_25.pln", "x"}, {"06_07/06_09_04.pln", "nouvelle"}});
    restoreDataFiles(data, readArchiveData(archive));
    EXPECT_EQ(read("personnels.pln"), "restauré");
    EXPECT_EQ(read("06_07/06_09_04.pln"), "nouvelle");
    EXPECT_EQ(read("notes.txt"), "pas une donn\xE9" "e");
    EXPECT_FALSE(fs::exists(data / "04_05/sub"));
    EXPECT_FALSE(fs::exists(data / "sauvegardes/05_04_25.pln"));

    // A damaged member is refused before anything is written.
    auto damaged = zipArchiveBytes({{"personnels.pln", std::string(4000, 'z') + "fin"}}, archive);
    damaged[damaged.size() / 3] ^= 0x55;
    replaceFileAtomically(archive, damaged);
    EXPECT_THROW(readArchiveData(archive), FileError);
}

TEST_F(BackupTest, SauvegardesIsNeverASchoolYear) {
    for (const char* name : {"sauvegardes/05_04_25.pln", "sauvegardes/04_05/05_04_25.pln", "sauvegardes/personnels.pln"})
        write(name, "pas une semaine");
    EXPECT_EQ(collectWeekFiles(data, {2004, 8, 1}, {2005, 7, 31}).paths,
              std::vector<fs::path>{data / "04_05/05_04_25.pln"});
    EXPECT_EQ(schoolYearWeeks(data, {2005, 4, 25}).entries.size(), 1u);
    backUp(9, 30);
    EXPECT_EQ(members("tandarel-2026-12-08-0930.zip").size(), 5u);
}

}  // namespace
