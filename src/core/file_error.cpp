#include "core/file_error.h"

#include <cerrno>
#include <utility>
#include <vector>

#include "core/system_error_text.h"
#include "core/utf8_path.h"

namespace tandarel {

std::string displayPath(const std::filesystem::path& file) {
    std::error_code ec;
    const auto base = std::filesystem::current_path(ec);
    if (!ec && file.is_absolute()) {
        auto relative = file.lexically_relative(base);
        if (!relative.empty() && *relative.begin() != "..") return utf8FromPath(relative.make_preferred());
    }
    return utf8FromPath(std::filesystem::path(file).make_preferred());
}

std::string systemReason(const std::error_code& error) {
    static const std::vector<std::pair<std::error_condition, const char*>> french = {
        {std::errc::permission_denied, "Permission refusée"},
        {std::errc::operation_not_permitted, "Permission refusée"},
        {std::errc::no_space_on_device, "Disque plein"},
#ifdef EDQUOT
        {std::error_condition(EDQUOT, std::generic_category()), "Quota de disque dépassé"},
#endif
        {std::errc::no_such_file_or_directory, "Fichier ou dossier introuvable"},
        {std::errc::read_only_file_system, "Disque en lecture seule"},
        {std::errc::is_a_directory, "C'est un dossier"},
        {std::errc::not_a_directory, "Un élément du chemin n'est pas un dossier"},
        {std::errc::file_exists, "Le fichier existe déjà"},
        {std::errc::directory_not_empty, "Dossier non vide"},
        {std::errc::too_many_files_open, "Trop de fichiers ouverts"},
        {std::errc::too_many_files_open_in_system, "Trop de fichiers ouverts"},
        {std::errc::filename_too_long, "Nom de fichier trop long"},
        {std::errc::file_too_large, "Fichier trop volumineux"},
        {std::errc::io_error, "Erreur d'entrée-sortie"},
        {std::errc::device_or_resource_busy, "Fichier ou périphérique occupé"},
        {std::errc::text_file_busy, "Fichier ou périphérique occupé"},
        {std::errc::no_such_device, "Périphérique introuvable"},
        {std::errc::no_such_device_or_address, "Périphérique introuvable"},
        {std::errc::cross_device_link, "Déplacement impossible d'un disque à un autre"},
        {std::errc::too_many_symbolic_link_levels, "Trop de liens symboliques"},
        {std::errc::not_enough_memory, "Mémoire insuffisante"},
        {std::errc::invalid_argument, "Nom ou paramètre invalide"},
        {std::errc::timed_out, "Délai d'attente dépassé"},
        {std::errc::not_supported, "Opération non prise en charge"},
    };
    for (const auto& [condition, text] : french)
        if (error == condition) return text;
    return systemErrorText(error);  // a cause without a French text keeps the system's own
}

std::string systemReason(int errnoValue) { return systemReason(std::error_code(errnoValue, std::generic_category())); }

void throwReadError(const std::filesystem::path& file, const std::string& reason) {
    throw FileError("Impossible de lire le fichier « " + displayPath(file) + " » : " + reason, file);
}

void throwWriteError(const std::filesystem::path& file, const std::string& reason) {
    // A failed write leaves the target as it was: a previous file, or nothing (a folder in
    // its place is no previous file).
    std::error_code ec;
    const auto target = std::filesystem::symlink_status(file, ec);
    const bool kept = std::filesystem::exists(target) && !std::filesystem::is_directory(target);
    throw FileError("Impossible d'enregistrer le fichier « " + displayPath(file) + " » : " + reason +
                        (kept ? ". Le fichier précédent est conservé." : ". Le fichier n'a pas été créé."),
                    file);
}

}  // namespace tandarel
