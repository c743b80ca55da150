#include "planning/planning_week.h"

#include <algorithm>

#include "core/cp1252.h"
#include "core/fields.h"
#include "core/file_error.h"
#include "core/text_file.h"
#include "core/week_file.h"

namespace tandarel {

std::vector<Substitute> planningSubstitutes(const std::vector<std::string>& fileLines) {
    auto substitutes = parseSubstitutes(fileLines);
    if (substitutes.empty())
        return {Substitute{"Non identifié(e)", "Non identifiée", "Non identifiée", "Non identifié", "Oui"}};
    for (auto& s : substitutes)
        if (s.EnActivite.empty()) s.EnActivite = "Oui";
    return substitutes;
}

std::vector<std::string> planningSchools(const std::vector<std::string>& fileLines) {
    auto schools = parseSchools(fileLines);
    if (schools.empty()) return {"Ecole non identifiée"};
    // Lines come from a Windows-1252 file, so each one encodes; the fallback keeps any
    // stray text in place rather than dropping it.
    auto key = [](const std::string& text) { return encodeCp1252(text).value_or(text); };
    std::vector<std::pair<std::string, std::string>> keyed;
    keyed.reserve(schools.size());
    for (auto& s : schools) keyed.emplace_back(key(s), std::move(s));
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        return std::lexicographical_compare(a.first.begin(), a.first.end(), b.first.begin(), b.first.end(),
                                            [](char x, char y) {
                                                return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
                                            });
    });
    std::vector<std::string> sorted;
    sorted.reserve(keyed.size());
    for (auto& [k, s] : keyed) sorted.push_back(std::move(s));
    return sorted;
}

void PlanningWeek::setSources(std::filesystem::path dataFolder, std::vector<Substitute> substitutes,
                              WorkingWeekSlots workingWeek) {
    dataFolder_ = std::move(dataFolder);
    substitutes_ = std::move(substitutes);
    workingWeek_ = std::move(workingWeek);
}

namespace {

// What a file that cannot be a kept week holds, for looking only: its lines as a grid as
// wide as its first line, or `fallback` when it cannot be read or is too large to show.
WeekGrid readOnlyView(const std::filesystem::path& file, WeekGrid fallback) {
    try {
        const auto lines = readTextLines(file);
        if (!weekSizeProblem(lines.size(), lines.empty() ? 0 : countFields(lines.front())))
            return parseWeekLines(lines);
    } catch (const FileError&) {
        // A folder under the file's name, or no right to read it: nothing to show.
    }
    return fallback;
}

}  // namespace

void PlanningWeek::moveTo(const Date& date) {
    const Date monday = planningMonday(date);
    std::optional<std::string> problem;
    WeekGrid grid;
    try {
        auto stored = loadWeek(dataFolder_, monday);
        grid = stored ? std::move(*stored) : buildNewWeek(substitutes_, workingWeek_, monday);
    } catch (const FileError& failure) {
        problem = failure.what();
        grid = readOnlyView(weekFilePath(dataFolder_, monday), buildNewWeek({}, workingWeek_, monday));
    }
    monday_ = monday;
    grid_ = std::move(grid);
    readOnlyReason_ = std::move(problem);
}

void PlanningWeek::save() const {
    if (!readOnly()) saveWeek(dataFolder_, monday_, grid_);
}

const Substitute* PlanningWeek::substituteOfRow(int row) const {
    if (row < 1) return nullptr;
    const auto k = static_cast<std::size_t>(blockOf(row));
    return k < substitutes_.size() ? &substitutes_[k] : nullptr;
}

}  // namespace tandarel
