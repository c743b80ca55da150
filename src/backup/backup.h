#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "backup/archive_rules.h"

namespace tandarel {

// dataFolder / "sauvegardes"
std::filesystem::path backupFolder(const std::filesystem::path& dataFolder);

struct BackupOutcome {
    // The archive that holds the data as they are now: the new one, or the newest when it
    // already held them; nothing when the folder holds no data file.
    std::optional<std::string> holding;
    bool created = false;
};

// Archives the data files of the folder into sauvegardes/ when an archive is due
// (`archiveDue`), after removing what interrupted archives left there. The archive is
// written whole under a temporary name, then renamed. Throws FileError when the data
// cannot be read or the archive cannot be written; the data are never touched.
BackupOutcome backUpData(const std::filesystem::path& dataFolder, const ArchiveStamp& now);

// Removes the archives that retention does not keep (`archivesToRemove`).
// Throws FileError when the folder cannot be listed or an archive cannot be removed.
void removeOldArchives(const std::filesystem::path& dataFolder, const Date& today);

struct ArchiveSummary {
    std::string name;
    ArchiveStamp stamp;
    std::uintmax_t bytes = 0;
    std::optional<int> weekFiles;  // nothing when the archive cannot be read
};

// The archives of sauvegardes/, newest first (none when the folder is missing).
// Throws FileError when the folder cannot be listed.
std::vector<ArchiveSummary> listArchives(const std::filesystem::path& dataFolder);

}  // namespace tandarel
