#include "backup/backup.h"

#include <algorithm>
#include <map>
#include <system_error>

#include "backup/data_files.h"
#include "backup/zip_archive.h"
#include "core/atomic_file.h"
#include "core/file_error.h"

namespace tandarel {
namespace {

namespace fs = std::filesystem;

// The names of the regular files of sauvegardes/ (none when it is missing).
std::vector<std::string> backupFolderNames(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return names;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code kindError;
        if (it->is_regular_file(kindError)) names.push_back(utf8FileName(it->path()));
    }
    if (ec) throwReadError(folder, systemReason(ec));
    return names;
}

// Whether `archive` holds exactly these data files, compared by size and CRC-32 without
// unpacking. An archive that cannot be read holds nothing.
bool archiveHolds(const fs::path& archive, const std::vector<DataFile>& files) {
    std::map<std::string, std::pair<std::uint64_t, std::uint32_t>> stored;
    try {
        const ZipReader reader(archive);
        for (const auto& member : reader.members())
            if (isDataFileName(member.name)) stored[member.name] = {member.size, member.crc};
    } catch (const FileError&) {
        return false;
    }
    if (stored.size() != files.size()) return false;
    return std::all_of(files.begin(), files.end(), [&](const DataFile& file) {
        const auto found = stored.find(file.name);
        return found != stored.end() && found->second.first == file.bytes.size() &&
               found->second.second == zipCrc(file.bytes);
    });
}

}  // namespace

fs::path backupFolder(const fs::path& dataFolder) { return dataFilePath(dataFolder, kBackupFolder); }

BackupOutcome backUpData(const fs::path& dataFolder, const ArchiveStamp& now) {
    const auto files = readDataFiles(dataFolder);
    if (files.empty()) return {};
    const auto folder = createSubFolder(dataFolder, kBackupFolder);

    auto names = backupFolderNames(folder);
    std::erase_if(names, [&](const std::string& name) {
        if (!isArchiveLeftover(name)) return false;
        std::error_code ignored;  // one that stays is never read, and goes at the next start
        fs::remove(dataFilePath(folder, name), ignored);
        return true;
    });

    const auto newest = archivesNewestFirst(names);
    const bool differ = newest.empty() || !archiveHolds(dataFilePath(folder, newest.front()), files);
    if (!archiveDue(names, now.date, differ)) return {newest.front(), false};

    const auto name = freshArchiveName(names, now);
    const auto archive = dataFilePath(folder, name);
    replaceFileAtomically(archive, zipArchiveBytes(files, archive));
    return {name, true};
}

void removeOldArchives(const fs::path& dataFolder, const Date& today) {
    const auto folder = backupFolder(dataFolder);
    for (const auto& name : archivesToRemove(backupFolderNames(folder), today)) {
        const auto archive = dataFilePath(folder, name);
        std::error_code ec;
        if (!fs::remove(archive, ec) && ec)
            throw FileError("Impossible de supprimer l'ancienne sauvegarde « " + displayPath(archive) + " » : " +
                                systemReason(ec),
                            archive);
    }
}

std::vector<ArchiveSummary> listArchives(const fs::path& dataFolder) {
    const auto folder = backupFolder(dataFolder);
    std::vector<ArchiveSummary> archives;
    for (const auto& name : archivesNewestFirst(backupFolderNames(folder))) {
        ArchiveSummary summary{name, *parseArchiveName(name), 0, std::nullopt};
        const auto archive = dataFilePath(folder, name);
        std::error_code ec;
        summary.bytes = fs::file_size(archive, ec);
        if (ec) summary.bytes = 0;
        try {
            const ZipReader reader(archive);
            summary.weekFiles = static_cast<int>(std::count_if(reader.members().begin(), reader.members().end(),
                                                               [](const auto& m) { return isWeekFileName(m.name); }));
        } catch (const FileError&) {
            // Shown as unreadable; restoring it says why.
        }
        archives.push_back(std::move(summary));
    }
    return archives;
}

}  // namespace tandarel
