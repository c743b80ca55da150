#include "core/week_layout.h"

#include "core/fields.h"

namespace tandarel {

std::array<std::string_view, kIdentityRows> blockIdentity(const Substitute& substitute) {
    return {substitute.Nom, substitute.Etablissement, substitute.Commune, substitute.Telephone};
}

std::optional<MarkedCell> splitMarked(std::string_view cell) {
    const auto letter = characters(cell, 0, 1);
    if (letter.empty() || cell.substr(letter.size(), kMotifMarker.size()) != kMotifMarker) return std::nullopt;
    return MarkedCell{letter, std::string(cell.substr(letter.size() + kMotifMarker.size()))};
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
        if (!isBlank(extra) && trimmed(extra) != kOutOfSchoolTime) return true;
    return false;
}

}  // namespace

Refusal weekSizeProblem(std::size_t lineCount, std::size_t firstLineFields) {
    if (lineCount > static_cast<std::size_t>(kMaxWeekRows)) return "il a " + std::to_string(lineCount) + " lignes";
    if (firstLineFields > static_cast<std::size_t>(kMaxWeekColumns))
        return "sa première ligne a " + std::to_string(firstLineFields) + " champs";
    return std::nullopt;
}

Refusal weekShapeProblem(const std::vector<std::string>& lines) {
    const auto columns = lines.empty() ? 0 : countFields(lines.front());
    if (auto problem = weekSizeProblem(lines.size(), columns)) return problem;
    // Shown, such a text would be dropped by the next save without the planner ever seeing it.
    for (std::size_t row = 1; row < lines.size(); ++row)
        if (holdsTextBeyond(lines[row], columns))
            return "sa ligne " + std::to_string(row + 1) + " a du texte au-delà des " + std::to_string(columns) +
                   " champs de sa première ligne";
    return std::nullopt;
}

FileError unreadableWeekError(const std::filesystem::path& file, std::string_view problem,
                              std::string_view consequence) {
    return FileError("Le fichier « " + displayPath(file) + " » n'est pas lisible comme une semaine : " +
                         std::string(problem) + ". " + std::string(consequence),
                     file);
}

}  // namespace tandarel
