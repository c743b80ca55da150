#include "core/reference_files.h"

#include <algorithm>

#include "core/fields.h"

namespace tandarel {

Substitute parseSubstituteRecord(std::string_view line) {
    std::array<std::string, 4> first;
    for (auto& field : first) {
        const auto sep = line.find(';');
        if (sep == std::string_view::npos) {
            field = std::string(line);
            line = {};
            continue;
        }
        field = std::string(line.substr(0, sep));
        line.remove_prefix(sep + 1);
    }
    if (!line.empty() && line.back() == ';') line.remove_suffix(1);
    return Substitute{first[0], first[1], first[2], first[3], std::string(line)};
}

std::string formatSubstituteRecord(const Substitute& r) {
    return r.Nom + ";" + r.Commune + ";" + r.Etablissement + ";" + r.Telephone + ";" + r.EnActivite + ";";
}

std::vector<Substitute> parseSubstitutes(const std::vector<std::string>& lines) {
    std::vector<Substitute> records;
    for (std::size_t i = 1; i < lines.size(); ++i) records.push_back(parseSubstituteRecord(lines[i]));
    return records;
}

std::vector<std::string> formatSubstitutes(const std::vector<Substitute>& records) {
    std::vector<std::string> lines{std::string(kSubstitutesTitle)};
    for (const auto& r : records) lines.push_back(formatSubstituteRecord(r));
    return lines;
}

std::vector<std::string> parseSchools(const std::vector<std::string>& lines) {
    if (lines.size() < 2) return {};
    return {lines.begin() + 1, lines.end()};
}

std::vector<std::string> formatSchools(const std::vector<std::string>& schools) {
    std::vector<std::string> lines{std::string(kSchoolsTitle)};
    lines.insert(lines.end(), schools.begin(), schools.end());
    return lines;
}

std::vector<std::string> defaultSubstitutesLines() {
    return {std::string(kSubstitutesTitle),
            "DORSANVAL Rémi;Vernelle en Lizonne;Elémentaire Pradoux;03 00 99 99 99;Oui;",
            "MOURELLE Sonia;Vernelle en Lizonne;Elémentaire Marcel Tournaval;03 00 88 88 88;Oui;"};
}

std::vector<std::string> defaultSchoolsLines() {
    return {std::string(kSchoolsTitle), "Vernelle - Elém Les Tilleuls", "St Aubrin - Mat J. Perlinot"};
}

WorkingWeekSlots parseWorkingWeekLine(std::string_view firstLine) { return splitFields(firstLine); }

std::string formatWorkingWeekLine(const std::array<bool, 12>& worked) {
    std::string line;
    for (std::size_t i = 0; i < kSlotCodes.size(); ++i) {
        if (worked[i]) line += kSlotCodes[i];
        line += ';';
    }
    return line;
}

std::array<bool, 12> workedHalfDays(std::string_view firstLine) {
    std::array<bool, 12> worked{};
    const auto fields = splitFields(firstLine);
    for (std::size_t k = 0; k < fields.size() && k < worked.size(); ++k) worked[k] = !isBlank(fields[k]);
    return worked;
}

bool slotListContains(const WorkingWeekSlots& slots, std::string_view code) {
    return std::find(slots.begin(), slots.end(), code) != slots.end();
}

}  // namespace tandarel
