#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calendar.h"
#include "core/reference_files.h"

namespace tandarel {

// The timetable transfer that follows an edit of the substitutes list: each block
// of eight rows of a week file is handed from an old name to the new one paired with it.

// Whether the edited list (personnels.tmp) differs from the list as it was when the
// window opened (personnels.alt, no lines when missing): another line count, or a
// record whose name, commune, school or telephone changed. The activity is not
// compared, and a list that still begins with the two sample records never counts
// as changed (no week was planned for real people yet).
bool substitutesListChanged(const std::vector<std::string>& oldLines, const std::vector<std::string>& editedLines);

// One data row of the pairing: the new substitute (left) takes over the timetable
// of the old one (right). An empty left cell hands the old timetable to nobody.
struct PairingRow {
    std::string newName;
    std::string oldName;
    bool operator==(const PairingRow&) const = default;
};

// Pairing by position: record r of the edited list opposite record r of the old list.
std::vector<PairingRow> proposePairing(const std::vector<std::string>& editedLines,
                                       const std::vector<std::string>& oldLines);

// The names offered when a pairing is corrected: those of the edited list, in order.
std::vector<std::string> pairingNameChoices(const std::vector<std::string>& editedLines);

// Two left cells with the same text, blanks alone excepted.
bool hasDuplicateNewNames(const std::vector<PairingRow>& pairing);

// The old name a new substitute takes over from: the first pairing row whose left
// cell holds that name. A blank name, or a blank old name, pairs with nobody.
std::optional<std::string> pairedOldName(const std::vector<PairingRow>& pairing, std::string_view newName);

// The day cells of a new block, from semaine.pln's first line: one cell per working
// day, "HTS" where that half-day is not worked, each followed by ";".
struct SlotPatterns {
    std::string morning;
    std::string afternoon;
    bool operator==(const SlotPatterns&) const = default;
};
SlotPatterns slotPatterns(std::string_view workingWeekLine);

// The week file's lines after the transfer: its header, one block per substitute of
// the sorted new list (the paired old block renamed, or a new one), then its
// non-replacement lines. Nothing when the file has no "Non-remplacements" line: such
// a file is not a week as the program writes it, and would lose those lines.
std::optional<std::vector<std::string>> rewriteWeekLines(const std::vector<std::string>& oldLines,
                                                         const std::vector<Substitute>& newList,
                                                         const std::vector<PairingRow>& pairing,
                                                         const SlotPatterns& patterns);

// One selectable week: "05_04_25.pln (lundi 25 avril 2005 )".
struct WeekEntry {
    std::string fileName;
    std::string label;
    bool operator==(const WeekEntry&) const = default;
};
// The real week files among the names of a folder (yy_mm_dd.pln with a real date),
// in file-name order; any other name is left out.
std::vector<WeekEntry> weekEntries(std::vector<std::string> fileNames);

enum class WeekOption { All, ThisWeekAndLater, None };
// The ticks an option sets: every week, none, or this week's file and those after
// it (none at all when this week has no file).
std::vector<bool> weekTicks(WeekOption option, const std::vector<WeekEntry>& entries,
                            std::string_view thisWeekFileName);

}  // namespace tandarel
