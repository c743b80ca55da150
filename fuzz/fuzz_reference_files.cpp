// The three reference files as a reader meets them after a hand edit or damage.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/cp1252.h"
#include "core/reference_files.h"
#include "core/text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = tandarel::decodeCp1252({reinterpret_cast<const char*>(data), size});
    std::vector<std::string> lines;
    for (const auto line : tandarel::splitLines(text)) lines.emplace_back(line);

    const auto substitutes = tandarel::parseSubstitutes(lines);
    if (!lines.empty() && substitutes.size() != lines.size() - 1) std::abort();
    (void)tandarel::formatSubstitutes(substitutes);
    (void)tandarel::parseSchools(lines);
    const std::string first = lines.empty() ? std::string() : lines.front();
    (void)tandarel::parseWorkingWeekLine(first);
    (void)tandarel::workedHalfDays(first);
    return 0;
}
