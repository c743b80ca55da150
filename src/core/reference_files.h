#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tandarel {

// File names, opened relative to the data folder (the process's current directory).
inline constexpr std::string_view kSubstitutesFile = "personnels.pln";
inline constexpr std::string_view kSchoolsFile = "Rattachements.pln";
inline constexpr std::string_view kWorkingWeekFile = "semaine.pln";
// The substitutes list's working copies while its window is open: the list as it was
// when the window opened, and as edited. The timetable transfer compares them, then
// removes both.
inline constexpr std::string_view kOldSubstitutesFile = "personnels.alt";
inline constexpr std::string_view kEditedSubstitutesFile = "personnels.tmp";

inline constexpr std::string_view kSubstitutesTitle = "Fichier des personnels remplaçants";
inline constexpr std::string_view kSchoolsTitle = "Fichier des Rattachements";

// One line of personnels.pln.
struct Substitute {
    std::string Nom;
    std::string Commune;
    std::string Etablissement;
    std::string Telephone;
    std::string EnActivite;  // "Oui" / "Non"
    bool operator==(const Substitute&) const = default;
};

// Fields 1-4 are the texts before the first four ";", field 5 the rest less its
// closing ";". A hand-edited line with fewer ";" leaves the missing fields empty.
Substitute parseSubstituteRecord(std::string_view line);
std::string formatSubstituteRecord(const Substitute& record);

// Record lines after the title line (which is skipped whatever it holds).
std::vector<Substitute> parseSubstitutes(const std::vector<std::string>& lines);
// Title line then one record line each.
std::vector<std::string> formatSubstitutes(const std::vector<Substitute>& records);

std::vector<std::string> parseSchools(const std::vector<std::string>& lines);
std::vector<std::string> formatSchools(const std::vector<std::string>& schools);

// The lines written when the file is missing at start-up.
std::vector<std::string> defaultSubstitutesLines();
std::vector<std::string> defaultSchoolsLines();

// The working week: one entry per field of semaine.pln's first line, the slot's
// code when that half-day is worked, empty otherwise (12 entries as the program writes it).
using WorkingWeekSlots = std::vector<std::string>;

inline constexpr std::array<std::string_view, 12> kSlotCodes = {
    "LUM", "LUAM", "MAM", "MAAM", "MEM", "MEAM", "JEM", "JEAM", "VEM", "VEAM", "SAM", "SAAM"};

WorkingWeekSlots parseWorkingWeekLine(std::string_view firstLine);
// The line of semaine.pln for twelve ticks in slot order: code + ";" or ";" alone.
std::string formatWorkingWeekLine(const std::array<bool, 12>& worked);
// Which of the twelve half-days a first line marks as worked: field k non-blank, k <= 12.
std::array<bool, 12> workedHalfDays(std::string_view firstLine);

bool slotListContains(const WorkingWeekSlots& slots, std::string_view code);

}  // namespace tandarel
