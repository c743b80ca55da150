#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tandarel {

// The week file that the deletion window would remove: a school-year folder and a
// week-file name, both made only of digits and "_", so that nothing outside the
// school-year folders can ever be reached.
struct WeekFileTarget {
    std::string folder;  // "04_05"
    std::string name;    // "05_04_25.pln"
    bool operator==(const WeekFileTarget&) const = default;
};

inline constexpr std::string_view kDeletionFormatRefused =
    "Votre saisie est erronnée ( format jj/mm/aa )... Pas de suppression de fichier !";

// "jj/mm/aa": eight characters, digits but at the two "/". The month is not checked
// against 1-12: a month above 7 (13 included) counts as August to December for the folder.
std::optional<WeekFileTarget> weekFileToDelete(std::string_view typed);

std::filesystem::path targetPath(const std::filesystem::path& dataFolder, const WeekFileTarget& target);

// "...\04_05\05_04_25.pln : introuvable, donc non supprimé !" with the platform's separator.
std::string missingWeekFileMessage(const WeekFileTarget& target);

// Removes the week file. Throws FileError when it cannot (a folder of that name, no
// rights): nothing is removed then.
void removeWeekFile(const std::filesystem::path& file, const WeekFileTarget& target);

}  // namespace tandarel
