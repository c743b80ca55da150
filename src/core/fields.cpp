#include "core/fields.h"

#include <charconv>

namespace tandarel {

std::string_view trimmed(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= 0x20) ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 0x20) --end;
    return text.substr(begin, end - begin);
}

std::string trim(std::string_view text) { return std::string(trimmed(text)); }

bool isBlank(std::string_view text) { return trimmed(text).empty(); }

std::size_t countFields(std::string_view line) {
    std::size_t count = 0;
    while (!line.empty()) {
        const auto sep = line.find(';');
        ++count;
        if (sep == std::string_view::npos) break;
        line.remove_prefix(sep + 1);
    }
    return count;
}

std::vector<std::string> splitFields(std::string_view line) {
    std::vector<std::string> fields;
    while (!line.empty()) {
        const auto sep = line.find(';');
        if (sep == std::string_view::npos) {
            fields.emplace_back(line);
            break;
        }
        fields.emplace_back(line.substr(0, sep));
        line.remove_prefix(sep + 1);
    }
    return fields;
}

std::string_view firstField(std::string_view line) { return line.substr(0, line.find(';')); }

namespace {
std::size_t characterLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}
}  // namespace

std::size_t characterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < utf8.size(); i += characterLength(static_cast<unsigned char>(utf8[i])))
        ++count;
    return count;
}

std::string characters(std::string_view utf8, std::size_t first, std::size_t count) {
    std::size_t pos = 0;
    for (std::size_t skipped = 0; skipped < first && pos < utf8.size(); ++skipped)
        pos += characterLength(static_cast<unsigned char>(utf8[pos]));
    std::size_t end = pos;
    for (std::size_t taken = 0; taken < count && end < utf8.size(); ++taken)
        end += characterLength(static_cast<unsigned char>(utf8[end]));
    pos = std::min(pos, utf8.size());
    end = std::min(end, utf8.size());
    return std::string(utf8.substr(pos, end - pos));
}

bool allDigits(std::string_view text) {
    if (text.empty()) return false;
    for (const char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

std::optional<int> parseDigits(std::string_view text) {
    if (!allDigits(text)) return std::nullopt;
    int value = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc()) return std::nullopt;
    return value;
}

}  // namespace tandarel
