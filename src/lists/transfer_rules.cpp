#include "lists/transfer_rules.h"

#include <algorithm>

#include "core/fields.h"
#include "core/week_layout.h"

namespace tandarel {
namespace {

std::string recordName(std::string_view line) { return parseSubstituteRecord(line).Nom; }

bool sameIdentity(std::string_view a, std::string_view b) {
    const auto x = parseSubstituteRecord(a), y = parseSubstituteRecord(b);
    return x.Nom == y.Nom && x.Commune == y.Commune && x.Etablissement == y.Etablissement &&
           x.Telephone == y.Telephone;
}

std::string withFirstField(std::string_view line, std::string_view field) {
    const auto sep = line.find(';');
    std::string out(trimmed(field));
    if (sep != std::string_view::npos) out += line.substr(sep);
    return out;
}

void appendNewBlock(std::vector<std::string>& out, const Substitute& s, const SlotPatterns& p) {
    const auto identity = blockIdentity(s);
    for (std::size_t i = 0; i < kPlageLabels.size(); ++i) {
        const auto who = i < identity.size() ? trimmed(identity[i]) : std::string_view();
        const auto& days = i < static_cast<std::size_t>(kHalfDayRows) ? p.morning : p.afternoon;
        out.push_back(std::string(who) + ";" + std::string(kPlageLabels[i]) + ";" + days);
    }
}

}  // namespace

bool substitutesListChanged(const std::vector<std::string>& oldLines, const std::vector<std::string>& editedLines) {
    const auto samples = defaultSubstitutesLines();
    if (oldLines.size() >= 3 && oldLines[1] == samples[1] && oldLines[2] == samples[2]) return false;
    if (oldLines.size() != editedLines.size()) return true;
    for (std::size_t r = 1; r < oldLines.size(); ++r)
        if (!sameIdentity(oldLines[r], editedLines[r])) return true;
    return false;
}

std::vector<PairingRow> proposePairing(const std::vector<std::string>& editedLines,
                                       const std::vector<std::string>& oldLines) {
    const std::size_t rows = std::max(editedLines.size(), oldLines.size());
    std::vector<PairingRow> pairing;
    for (std::size_t r = 1; r < rows; ++r)
        pairing.push_back({r < editedLines.size() ? recordName(editedLines[r]) : std::string(),
                           r < oldLines.size() ? recordName(oldLines[r]) : std::string()});
    return pairing;
}

std::vector<std::string> pairingNameChoices(const std::vector<std::string>& editedLines) {
    std::vector<std::string> names;
    for (std::size_t r = 1; r < editedLines.size(); ++r) names.push_back(recordName(editedLines[r]));
    return names;
}

bool hasDuplicateNewNames(const std::vector<PairingRow>& pairing) {
    for (std::size_t i = 0; i < pairing.size(); ++i) {
        if (isBlank(pairing[i].newName)) continue;
        for (std::size_t j = i + 1; j < pairing.size(); ++j)
            if (pairing[j].newName == pairing[i].newName) return true;
    }
    return false;
}

std::optional<std::string> pairedOldName(const std::vector<PairingRow>& pairing, std::string_view newName) {
    if (isBlank(newName)) return std::nullopt;
    for (const auto& row : pairing)
        if (row.newName == newName) {
            if (isBlank(row.oldName)) return std::nullopt;
            return row.oldName;
        }
    return std::nullopt;
}

SlotPatterns slotPatterns(std::string_view workingWeekLine) {
    const auto fields = splitFields(workingWeekLine);
    auto field = [&](std::size_t i) { return i < fields.size() ? std::string_view(fields[i]) : std::string_view(); };
    SlotPatterns patterns;
    for (std::size_t day = 0; day < 6; ++day) {
        const bool morning = !isBlank(field(2 * day)), afternoon = !isBlank(field(2 * day + 1));
        if (!morning && !afternoon) continue;
        patterns.morning += std::string(morning ? "" : kOutOfSchoolTime) + ";";
        patterns.afternoon += std::string(afternoon ? "" : kOutOfSchoolTime) + ";";
    }
    return patterns;
}

std::optional<std::vector<std::string>> rewriteWeekLines(const std::vector<std::string>& oldLines,
                                                         const std::vector<Substitute>& newList,
                                                         const std::vector<PairingRow>& pairing,
                                                         const SlotPatterns& patterns) {
    auto section = static_cast<std::size_t>(kFirstBlockRow);
    while (section < oldLines.size() && firstField(oldLines[section]) != kNonReplacementLabel) ++section;
    if (section >= oldLines.size()) return std::nullopt;

    constexpr auto kBlock = static_cast<std::size_t>(kBlockRows);
    std::vector<std::string> out{oldLines.front()};
    out.reserve(1 + kBlock * newList.size() + (oldLines.size() - section));
    for (const auto& substitute : newList) {
        std::optional<std::size_t> found;
        if (const auto oldName = pairedOldName(pairing, substitute.Nom)) {
            // Stored cells are trimmed: a name typed with a trailing blank still finds its block.
            for (auto start = static_cast<std::size_t>(kFirstBlockRow); start + kBlock <= section && !found;
                 start += kBlock)
                if (trimmed(firstField(oldLines[start])) == trimmed(*oldName)) found = start;
        }
        if (!found) {
            appendNewBlock(out, substitute, patterns);
            continue;
        }
        const auto identity = blockIdentity(substitute);
        for (std::size_t i = 0; i < kBlock; ++i) {
            const auto& line = oldLines[*found + i];
            out.push_back(i < identity.size() ? withFirstField(line, identity[i]) : line);
        }
    }
    out.insert(out.end(), oldLines.begin() + static_cast<std::ptrdiff_t>(section), oldLines.end());
    return out;
}

std::vector<WeekEntry> weekEntries(std::vector<std::string> fileNames) {
    std::sort(fileNames.begin(), fileNames.end());
    std::vector<WeekEntry> entries;
    for (auto& name : fileNames) {
        const auto date = parseWeekFileName(name);
        if (!date) continue;
        auto label = name + " (" + frenchLongDate(*date) + " )";
        entries.push_back({std::move(name), std::move(label)});
    }
    return entries;
}

std::vector<bool> weekTicks(WeekOption option, const std::vector<WeekEntry>& entries,
                            std::string_view thisWeekFileName) {
    std::vector<bool> ticks(entries.size(), option == WeekOption::All);
    if (option != WeekOption::ThisWeekAndLater) return ticks;
    const auto first = std::find_if(entries.begin(), entries.end(),
                                    [&](const WeekEntry& e) { return e.fileName == thisWeekFileName; });
    for (auto i = static_cast<std::size_t>(first - entries.begin()); i < entries.size(); ++i) ticks[i] = true;
    return ticks;
}

}  // namespace tandarel
