#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "backup/data_files.h"
#include "core/file_error.h"

namespace tandarel {

// A member name that could reach outside the data folder: absolute, with a drive or a
// "..", or with a backslash (a separator on Windows).
bool isUnsafeMemberName(std::string_view name);

// The data files an archive holds, read and checked whole before anything is written.
// Members that are not data files are left aside; an unsafe name, a data file present
// twice, a damaged member or an archive without any data file refuses the archive.
// Throws FileError with the French reason; nothing has been written then.
std::vector<DataFile> readArchiveData(const std::filesystem::path& archive);

struct RestoreOutcome {
    int written = 0;
    int unchanged = 0;  // already held those bytes: left alone
};

using RestoreStopped = StoppedPartWay<RestoreOutcome>;

// Writes each file into the data folder through the atomic replace, one by one, creating
// school-year folders where missing. Files that are not in `files` are not touched.
// Throws RestoreStopped at the first failure, telling what was done before it.
RestoreOutcome restoreDataFiles(const std::filesystem::path& dataFolder, const std::vector<DataFile>& files);

}  // namespace tandarel
