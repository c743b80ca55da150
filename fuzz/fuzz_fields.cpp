// Line and field walks and the codec on arbitrary bytes: they end, agree with each
// other, and every byte survives a decode and an encode.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/cp1252.h"
#include "core/fields.h"
#include "core/text_file.h"
#include "core/week_layout.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto text = tandarel::decodeCp1252(bytes);
    const auto back = tandarel::encodeCp1252(text);
    if (!back || *back != bytes) std::abort();
    for (const auto line : tandarel::splitLines(text)) {
        if (tandarel::splitFields(line).size() != tandarel::countFields(line)) std::abort();
        (void)tandarel::splitMarked(tandarel::trimmed(line));
        (void)tandarel::characters(line, 2, 3);
    }
    (void)tandarel::firstUnstorableCharacter(bytes);  // arbitrary bytes as (possibly broken) UTF-8
    return 0;
}
