#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/calendar.h"

namespace tandarel {

// The data files of a folder are named relative to it, with "/" whatever the platform:
// the three reference files, and the week files "YY_YY/yy_mm_dd.pln" of the folders
// named like a school year (isSchoolYearFolderName). Nothing else is backed up or ever restored.
bool isWeekFileName(std::string_view relative);
bool isDataFileName(std::string_view relative);

struct DataFile {
    std::string name;   // "04_05/05_04_25.pln"
    std::string bytes;  // exactly as on disk
};

// Every data file of the folder, read whole, in name order. Throws FileError when the
// folder, a school-year folder or a data file cannot be read.
std::vector<DataFile> readDataFiles(const std::filesystem::path& dataFolder);

// The path of a data file's name inside the folder.
std::filesystem::path dataFilePath(const std::filesystem::path& dataFolder, std::string_view name);

// Creates the sub-folder `name` of the data folder when it is missing. Throws FileError
// ("Impossible de créer le sous-dossier ... : reason.") when it cannot, a file of that name included.
std::filesystem::path createSubFolder(const std::filesystem::path& dataFolder, std::string_view name);

// A path's last component as UTF-8, on every platform.
std::string utf8FileName(const std::filesystem::path& path);

}  // namespace tandarel
