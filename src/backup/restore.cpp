#include "backup/restore.h"

#include <set>

#include "backup/zip_archive.h"
#include "core/atomic_file.h"
#include "core/file_error.h"
#include "core/text_file.h"

namespace tandarel {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void refuse(const fs::path& archive, const std::string& why) {
    throw FileError("La sauvegarde « " + displayPath(archive) + " » " + why + ".", archive);
}

// Whether the file already holds exactly these bytes (then it is not rewritten).
bool alreadyHolds(const fs::path& file, const std::string& bytes) {
    std::error_code ec;
    if (!fs::is_regular_file(file, ec) || fs::file_size(file, ec) != bytes.size() || ec) return false;
    try {
        return readFileBytes(file) == bytes;
    } catch (const FileError&) {
        return false;  // the replace says what is wrong, if anything
    }
}

}  // namespace

bool isUnsafeMemberName(std::string_view name) {
    if (name.empty() || name.front() == '/' || name.find('\\') != std::string_view::npos ||
        name.find(':') != std::string_view::npos)
        return true;
    for (std::size_t start = 0; start <= name.size();) {
        const auto end = std::min(name.find('/', start), name.size());
        if (name.substr(start, end - start) == "..") return true;
        start = end + 1;
    }
    return false;
}

std::vector<DataFile> readArchiveData(const fs::path& archive) {
    const ZipReader reader(archive);
    std::vector<DataFile> files;
    std::set<std::string> seen;
    for (const auto& member : reader.members()) {
        if (isUnsafeMemberName(member.name)) refuse(archive, "contient un nom de fichier refusé (« " + member.name + " »)");
        if (!isDataFileName(member.name)) continue;
        if (!seen.insert(member.name).second) refuse(archive, "contient deux fois « " + member.name + " »");
        files.push_back({member.name, reader.read(member)});
    }
    if (files.empty()) refuse(archive, "ne contient aucun fichier de données");
    return files;
}

RestoreOutcome restoreDataFiles(const fs::path& dataFolder, const std::vector<DataFile>& files) {
    RestoreOutcome outcome;
    try {
        for (const auto& file : files) {
            if (isWeekFileName(file.name)) createSubFolder(dataFolder, file.name.substr(0, file.name.find('/')));
            const auto path = dataFilePath(dataFolder, file.name);
            if (alreadyHolds(path, file.bytes)) {
                ++outcome.unchanged;
                continue;
            }
            replaceFileAtomically(path, file.bytes);
            ++outcome.written;
        }
    } catch (const FileError& error) {
        throw RestoreStopped(error, outcome);
    }
    return outcome;
}

}  // namespace tandarel
