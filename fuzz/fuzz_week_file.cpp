// A week file of any shape: parsed, built on, written and read back without loss of shape.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/cp1252.h"
#include "core/text_file.h"
#include "core/week_grid.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = tandarel::decodeCp1252({reinterpret_cast<const char*>(data), size});
    std::vector<std::string> lines;
    for (const auto line : tandarel::splitLines(text)) lines.emplace_back(line);

    const auto grid = tandarel::parseWeekLines(lines);
    const auto written = tandarel::formatWeekLines(grid);
    const auto again = tandarel::parseWeekLines(written);
    if (again.rowCount() != grid.rowCount()) std::abort();
    if (grid.rowCount() > 0 && again.columnCount() != grid.columnCount()) std::abort();
    (void)grid.substituteCount();
    (void)grid.cell(grid.rowCount(), grid.columnCount());
    return 0;
}
