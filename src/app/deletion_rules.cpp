#include "app/deletion_rules.h"

#include <system_error>

#include "core/calendar.h"
#include "core/fields.h"
#include "core/file_error.h"

namespace tandarel {
namespace {

std::string shownPath(const WeekFileTarget& target) {
    const char separator = static_cast<char>(std::filesystem::path::preferred_separator);
    return std::string("...") + separator + target.folder + separator + target.name;
}

}  // namespace

std::optional<WeekFileTarget> weekFileToDelete(std::string_view typed) {
    // Every position is an ASCII character, so counting bytes is counting characters.
    if (typed.size() != 8 || typed[2] != '/' || typed[5] != '/') return std::nullopt;
    const auto day = typed.substr(0, 2), month = typed.substr(3, 2), year = typed.substr(6, 2);
    const auto monthValue = parseDigits(month), yearValue = parseDigits(year);
    if (!allDigits(day) || !monthValue || !yearValue) return std::nullopt;
    WeekFileTarget target;
    target.folder = schoolYearFolder(*yearValue, *monthValue);
    target.name = std::string(year) + "_" + std::string(month) + "_" + std::string(day) + ".pln";
    return target;
}

std::filesystem::path targetPath(const std::filesystem::path& dataFolder, const WeekFileTarget& target) {
    return dataFolder / target.folder / target.name;
}

std::string missingWeekFileMessage(const WeekFileTarget& target) {
    return shownPath(target) + " : introuvable, donc non supprimé !";
}

void removeWeekFile(const std::filesystem::path& file, const WeekFileTarget& target) {
    const auto fail = [&](const std::string& reason) {
        throw FileError("Impossible de supprimer le fichier « " + shownPath(target) + " » : " + reason +
                            ". Fichier conservé !",
                        file);
    };
    std::error_code ec;
    // A folder bearing a week file's name is not a week file: never removed.
    if (std::filesystem::is_directory(std::filesystem::symlink_status(file, ec)))
        fail("c'est un dossier, pas un fichier");
    if (!std::filesystem::remove(file, ec)) fail(ec ? systemReason(ec) : "le fichier a disparu");
}

}  // namespace tandarel
