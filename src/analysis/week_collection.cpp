#include "analysis/week_collection.h"

#include <algorithm>
#include <optional>
#include <set>

#include "core/text_file.h"
#include "core/utf8_path.h"

namespace tandarel {
namespace {

std::string asciiLower(std::string text) {
    std::ranges::transform(text, text.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return text;
}

// The names of a school-year folder, read once: asking for each week's file on its own
// costs a call to the system per week.
class FolderNames {
public:
    explicit FolderNames(const std::filesystem::path& folder) {
        std::error_code ec;
        for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
            auto name = utf8FromPath(it->path().filename());
            folded_.insert(asciiLower(name));
            names_.insert(std::move(name));
        }
        listed_ = !ec;
    }

    // Whether an entry bears the name. Where the folder could not be listed, or holds the
    // name in another case (a file system that ignores case answers for it), the system
    // is asked about that one entry.
    bool holds(const std::filesystem::path& folder, const std::string& name) const {
        if (listed_ && names_.contains(name)) return true;
        if (listed_ && !folded_.contains(asciiLower(name))) return false;
        return entryExists(folder / pathFromUtf8(name));
    }

private:
    std::set<std::string, std::less<>> names_;
    std::set<std::string, std::less<>> folded_;
    bool listed_ = false;
};

}  // namespace

WeekFileList collectWeekFiles(const std::filesystem::path& dataFolder, const Date& start, const Date& end) {
    WeekFileList list;
    const std::string separator(1, static_cast<char>(std::filesystem::path::preferred_separator));
    // The Mondays of a school year follow one another: its folder is read when the first comes.
    std::string folderName;
    std::filesystem::path folder;
    std::optional<FolderNames> names;
    for (Date monday = analysisMonday(start); monday <= end; monday = addDays(monday, 7)) {
        if (auto name = schoolYearFolder(monday); !names || name != folderName) {
            folderName = std::move(name);
            folder = dataFolder / pathFromUtf8(folderName);
            names.emplace(folder);
        }
        const auto fileName = weekFileName(monday);
        if (!names->holds(folder, fileName)) continue;
        // shortenedPath of the path, without taking the path apart again.
        list.shortNames.push_back("..." + separator + folderName + separator + fileName);
        list.paths.push_back(folder / pathFromUtf8(fileName));
    }
    return list;
}

std::string shortenedPath(const std::filesystem::path& file) {
    const std::string separator(1, static_cast<char>(std::filesystem::path::preferred_separator));
    return "..." + separator + utf8FromPath(file.parent_path().filename()) + separator + utf8FromPath(file.filename());
}

std::string_view noWeekFileMessage(PeriodMode mode) {
    switch (mode) {
        case PeriodMode::SchoolYear: return "Aucun fichier pour cette année scolaire... Donc, pas d'analyse !";
        case PeriodMode::Trimester: return "Aucun fichier pour ce trimestre... Donc, pas d'analyse !";
        case PeriodMode::Month: return "Aucun fichier pour ce mois... Donc, pas d'analyse !";
        case PeriodMode::DateRange:
            return "Aucun fichier dans la fourchette de dates saisies... Donc, pas d'analyse !";
    }
    return "";
}

std::vector<PeriodField> noWeekFileFields(PeriodMode mode) {
    switch (mode) {
        case PeriodMode::SchoolYear: return {PeriodField::SchoolYear};
        case PeriodMode::Trimester: return {PeriodField::SchoolYear, PeriodField::Trimester};
        case PeriodMode::Month: return {PeriodField::SchoolYear, PeriodField::Month};
        case PeriodMode::DateRange: return {PeriodField::StartDate, PeriodField::EndDate};
    }
    return {};
}

}  // namespace tandarel
