#include "analysis/analysis_format.h"

#include <cstdio>

namespace tandarel {

std::string formatDays(long quarterDays) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%ld,%02ld", quarterDays / 4, (quarterDays % 4) * 25);
    return buffer;
}

std::string paddedDays(long quarterDays) {
    auto text = formatDays(quarterDays);
    const auto length = text.size();
    const std::size_t blanks = length >= 8 ? 1 : length == 7 ? 3 : length == 6 ? 5 : length == 5 ? 7 : length == 4 ? 9 : 11;
    return std::string(blanks, ' ') + text;
}

std::string paddedPercent(int percent) {
    const std::size_t blanks = percent >= 100 ? 2 : percent >= 10 ? 4 : 6;
    return std::string(blanks, ' ') + std::to_string(percent) + " %";
}

}  // namespace tandarel
