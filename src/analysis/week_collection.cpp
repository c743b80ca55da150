#include "analysis/week_collection.h"

#include "core/text_file.h"
#include "core/utf8_path.h"

namespace tandarel {

WeekFileList collectWeekFiles(const std::filesystem::path& dataFolder, const Date& start, const Date& end) {
    WeekFileList list;
    for (Date monday = analysisMonday(start); monday <= end; monday = addDays(monday, 7)) {
        auto path = weekFilePath(dataFolder, monday);
        if (!entryExists(path)) continue;
        list.shortNames.push_back(shortenedPath(path));
        list.paths.push_back(std::move(path));
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
