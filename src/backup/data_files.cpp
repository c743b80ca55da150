#include "backup/data_files.h"

#include <algorithm>
#include <system_error>

#include "core/calendar.h"
#include "core/fields.h"
#include "core/file_error.h"
#include "core/reference_files.h"
#include "core/text_file.h"

namespace tandarel {
namespace {

namespace fs = std::filesystem;

bool isReferenceFileName(std::string_view name) {
    return name == kSubstitutesFile || name == kSchoolsFile || name == kWorkingWeekFile;
}

// The entries of `folder` that `keep` accepts, as (name, path); symbolic links followed.
template <typename Keep>
std::vector<std::pair<std::string, fs::path>> entriesOf(const fs::path& folder, Keep keep) {
    std::vector<std::pair<std::string, fs::path>> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        auto name = utf8FileName(it->path());
        if (keep(name, *it)) found.emplace_back(std::move(name), it->path());
    }
    if (ec) throwReadError(folder, systemReason(ec));
    return found;
}

bool isFile(const fs::directory_entry& entry) {
    std::error_code ec;
    return entry.is_regular_file(ec);
}

bool isFolder(const fs::directory_entry& entry) {
    std::error_code ec;
    return entry.is_directory(ec);
}

}  // namespace

bool isWeekFileName(std::string_view relative) {
    const auto slash = relative.find('/');
    return slash != std::string_view::npos && isSchoolYearFolderName(relative.substr(0, slash)) &&
           parseWeekFileName(relative.substr(slash + 1)).has_value();
}

bool isDataFileName(std::string_view relative) { return isReferenceFileName(relative) || isWeekFileName(relative); }

std::string utf8FileName(const fs::path& path) {
    const auto name = path.filename().u8string();
    return std::string(name.begin(), name.end());
}

fs::path dataFilePath(const fs::path& dataFolder, std::string_view name) {
    return dataFolder / fs::path(std::u8string(name.begin(), name.end()));
}

fs::path createSubFolder(const fs::path& dataFolder, std::string_view name) {
    const auto folder = dataFilePath(dataFolder, name);
    std::error_code ec;
    if (fs::is_directory(folder, ec)) return folder;
    if (fs::exists(fs::symlink_status(folder, ec)))
        throw FileError("Impossible de créer le sous-dossier " + std::string(name) + " : un fichier porte ce nom.", folder);
    fs::create_directory(folder, ec);
    if (ec || !fs::is_directory(folder, ec))
        throw FileError("Impossible de créer le sous-dossier " + std::string(name) + " : " +
                            (ec ? systemReason(ec) : std::string("il n'a pas été créé")) + ".",
                        folder);
    return folder;
}

std::vector<DataFile> readDataFiles(const fs::path& dataFolder) {
    std::vector<std::pair<std::string, fs::path>> files;
    for (auto& [name, path] : entriesOf(dataFolder, [](const std::string& name, const fs::directory_entry& entry) {
             return (isReferenceFileName(name) && isFile(entry)) || (isSchoolYearFolderName(name) && isFolder(entry));
         })) {
        if (isReferenceFileName(name)) {
            files.emplace_back(name, path);
            continue;
        }
        for (auto& [weekName, weekPath] : entriesOf(path, [](const std::string& n, const fs::directory_entry& e) {
                 return parseWeekFileName(n).has_value() && isFile(e);
             }))
            files.emplace_back(name + "/" + weekName, weekPath);
    }
    std::sort(files.begin(), files.end());
    std::vector<DataFile> read;
    read.reserve(files.size());
    for (const auto& [name, path] : files) read.push_back({name, readFileBytes(path)});
    return read;
}

}  // namespace tandarel
