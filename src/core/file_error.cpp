#include "core/file_error.h"

#include <system_error>

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

void throwReadError(const std::filesystem::path& file, const std::string& reason) {
    throw FileError("Impossible de lire le fichier « " + displayPath(file) + " » : " + reason, file);
}

void throwWriteError(const std::filesystem::path& file, const std::string& reason) {
    throw FileError("Impossible d'enregistrer le fichier « " + displayPath(file) + " » : " + reason +
                        ". Le fichier précédent est conservé.",
                    file);
}

}  // namespace tandarel
