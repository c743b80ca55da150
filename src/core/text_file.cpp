#include "core/text_file.h"

#include <cerrno>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

#include "core/atomic_file.h"
#include "core/cp1252.h"
#include "core/file_error.h"

namespace tandarel {

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto lf = text.find('\n');
        if (lf == std::string_view::npos) {
            lines.push_back(text);
            break;
        }
        auto line = text.substr(0, lf);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        text.remove_prefix(lf + 1);
    }
    return lines;
}

std::string readFileBytes(const std::filesystem::path& file, std::size_t spareCapacity) {
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) throwReadError(file, systemReason(EISDIR));
    errno = 0;
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    if (!in) throwReadError(file, systemReason(errno ? errno : ENOENT));
    const auto size = static_cast<std::streamoff>(in.tellg());
    std::string bytes;
    if (size > 0) {
        // One read of the known size; a file that grows meanwhile is read to its end below.
        bytes.reserve(static_cast<std::size_t>(size) + spareCapacity);
        bytes.resize(static_cast<std::size_t>(size));
        in.seekg(0);
        in.read(bytes.data(), size);
        bytes.resize(static_cast<std::size_t>(in.gcount()));
        in.clear();
    } else {
        in.seekg(0);
    }
    std::ostringstream rest;
    rest << in.rdbuf();
    if (in.bad()) throwReadError(file, systemReason(errno ? errno : EIO));
    bytes += std::move(rest).str();
    return bytes;
}

std::vector<std::string> readTextLines(const std::filesystem::path& file) {
    const auto bytes = readFileBytes(file);
    std::vector<std::string> lines;
    for (const auto line : splitLines(bytes)) lines.push_back(decodeCp1252(line));
    return lines;
}

std::string readFirstLine(const std::filesystem::path& file) {
    const auto bytes = readFileBytes(file);
    const auto lines = splitLines(bytes);
    return lines.empty() ? std::string() : decodeCp1252(lines.front());
}

std::string encodeTextLines(const std::vector<std::string>& lines, const std::filesystem::path& file) {
    std::string bytes;
    for (const auto& line : lines) {
        const auto encoded = encodeCp1252(line);
        if (!encoded)
            throwWriteError(file, "le texte « " + line +
                                      " » contient un caractère que le fichier ne peut pas conserver");
        bytes += *encoded;
        bytes += "\r\n";
    }
    return bytes;
}

void writeTextLines(const std::filesystem::path& file, const std::vector<std::string>& lines) {
    replaceFileAtomically(file, encodeTextLines(lines, file));
}

bool entryExists(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(path, ec));
}

}  // namespace tandarel
