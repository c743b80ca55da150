#include "core/week_file.h"

#include <system_error>

#include "core/atomic_file.h"
#include "core/fields.h"
#include "core/file_error.h"
#include "core/text_file.h"

namespace tandarel {

std::optional<WeekGrid> loadWeek(const std::filesystem::path& dataFolder, const Date& monday) {
    const auto file = weekFilePath(dataFolder, monday);
    if (!entryExists(file)) return std::nullopt;
    const auto lines = readTextLines(file);
    if (const auto problem = weekShapeProblem(lines))
        throw FileError("Le fichier « " + displayPath(file) + " » n'est pas lisible comme une semaine : " + *problem +
                            ". Il est affiché en lecture seule et ne sera pas modifié.",
                        file);
    return parseWeekLines(lines);
}

namespace {

// Whether a line holds text after its first `columns` fields, where no grid cell takes it.
// "HTS" alone does not count: the timetable transfer writes the half-days of a working
// week changed since, days that this week does not have.
bool holdsTextBeyond(std::string_view line, std::size_t columns) {
    for (std::size_t field = 0; field < columns; ++field) {
        const auto sep = line.find(';');
        if (sep == std::string_view::npos) return false;
        line.remove_prefix(sep + 1);
    }
    for (const auto& extra : splitFields(line))
        if (!isBlank(extra) && trimmed(extra) != "HTS") return true;
    return false;
}

}  // namespace

std::optional<std::string> weekShapeProblem(const std::vector<std::string>& lines) {
    if (lines.size() > static_cast<std::size_t>(kMaxWeekRows))
        return "il a " + std::to_string(lines.size()) + " lignes";
    if (lines.empty()) return std::nullopt;
    const auto columns = countFields(lines.front());
    if (columns > static_cast<std::size_t>(kMaxWeekColumns))
        return "sa première ligne a " + std::to_string(columns) + " champs";
    // Shown, such a text would be dropped by the next save without the planner ever seeing it.
    for (std::size_t row = 1; row < lines.size(); ++row)
        if (holdsTextBeyond(lines[row], columns))
            return "sa ligne " + std::to_string(row + 1) + " a du texte au-delà des " + std::to_string(columns) +
                   " champs de sa première ligne";
    return std::nullopt;
}

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
