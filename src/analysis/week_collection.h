#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/period_rules.h"
#include "core/calendar.h"

namespace tandarel {

// The week files that exist for the weeks of a period, in week order, with the
// shortened form shown under " Liste des fichiers analysés ".
struct WeekFileList {
    std::vector<std::filesystem::path> paths;
    std::vector<std::string> shortNames;
    bool empty() const { return paths.empty(); }
    std::size_t size() const { return paths.size(); }
};

// Every week whose Monday (a Sunday belonging to the next week) lies from the week of
// `start` up to `end`; a week counts when any entry bears its file's name.
WeekFileList collectWeekFiles(const std::filesystem::path& dataFolder, const Date& start, const Date& end);

// "..." + the last two components, with the platform's separator: ...\04_05\05_04_25.pln
std::string shortenedPath(const std::filesystem::path& file);

// What the user is told when the period holds no week file, and the fields then emptied.
std::string_view noWeekFileMessage(PeriodMode mode);
std::vector<PeriodField> noWeekFileFields(PeriodMode mode);

inline constexpr std::string_view kAnotherAnalysisCaption = "Quitter";
inline constexpr std::string_view kAnotherAnalysisQuestion = "Souhaitez-vous une autre analyse ?";

}  // namespace tandarel
