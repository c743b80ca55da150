#include "app/deletion_rules.h"

#include <system_error>

#include "core/calendar.h"
#include "core/fields.h"
#include "core/system_error_text.h"

namespace tandarel {
namespace {

int twoDigitValue(std::string_view digits) { return (digits[0] - '0') * 10 + (digits[1] - '0'); }

std::string shownPath(const WeekFileTarget& target) {
    const char separator = static_cast<char>(std::filesystem::path::preferred_separator);
    return std::string("...") + separator + target.folder + separator + target.name;
}

}  // namespace

std::optional<WeekFileTarget> weekFileToDelete(std::string_view typed) {
    // Every position is an ASCII character, so counting bytes is counting characters.
    if (typed.size() != 8 || typed[2] != '/' || typed[5] != '/') return std::nullopt;
    const auto day = typed.substr(0, 2), month = typed.substr(3, 2), year = typed.substr(6, 2);
    if (!allDigits(day) || !allDigits(month) || !allDigits(year)) return std::nullopt;
    WeekFileTarget target;
    target.folder = schoolYearFolder(twoDigitValue(year), twoDigitValue(month));
    target.name = std::string(year) + "_" + std::string(month) + "_" + std::string(day) + ".pln";
    return target;
}

std::filesystem::path targetPath(const std::filesystem::path& dataFolder, const WeekFileTarget& target) {
    return dataFolder / target.folder / target.name;
}

std::string missingWeekFileMessage(const WeekFileTarget& target) {
    return shownPath(target) + " : introuvable, donc non supprimé !";
}

std::optional<std::string> removeWeekFile(const std::filesystem::path& file, const WeekFileTarget& target) {
    const auto failed = [&](const std::string& reason) {
        return "Impossible de supprimer le fichier « " + shownPath(target) + " » : " + reason + ". Fichier conservé !";
    };
    std::error_code ec;
    // A folder bearing a week file's name is not a week file: never removed.
    if (std::filesystem::is_directory(std::filesystem::symlink_status(file, ec)))
        return failed("c'est un dossier, pas un fichier");
    if (!std::filesystem::remove(file, ec)) return failed(ec ? systemErrorText(ec) : "le fichier a disparu");
    return std::nullopt;
}

}  // namespace tandarel
