#include "core/week_file.h"

#include <system_error>

#include "core/atomic_file.h"
#include "core/file_error.h"
#include "core/text_file.h"

namespace tandarel {

std::optional<WeekGrid> loadWeek(const std::filesystem::path& dataFolder, const Date& monday) {
    const auto file = weekFilePath(dataFolder, monday);
    if (!entryExists(file)) return std::nullopt;
    const auto lines = readTextLines(file);
    if (const auto problem = weekShapeProblem(lines))
        throw unreadableWeekError(file, *problem, "Il est affiché en lecture seule et ne sera pas modifié.");
    return parseWeekLines(lines);
}

namespace {

// A file that already holds exactly these bytes is left alone.
void saveWeekFile(const std::filesystem::path& file, const WeekGrid& grid) {
    const auto bytes = encodeTextLines(formatWeekLines(grid), file);
    std::error_code ec;
    if (std::filesystem::is_regular_file(file, ec)) {
        try {
            if (readFileBytes(file) == bytes) return;
        } catch (const FileError&) {
            // Unreadable: the replace below reports what is wrong, if anything.
        }
    }
    replaceFileAtomically(file, bytes);
}

}  // namespace

void saveWeek(const std::filesystem::path& dataFolder, const Date& monday, const WeekGrid& grid) {
    const auto folderName = schoolYearFolder(monday);
    const auto folder = dataFolder / folderName;
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        std::filesystem::create_directory(folder, ec);
        if (ec || !std::filesystem::is_directory(folder))
            throw FileError("Impossible de créer le sous-dossier " + folderName, folder);
    }
    saveWeekFile(folder / weekFileName(monday), grid);
}

}  // namespace tandarel
