#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/reference_files.h"

namespace tandarel {

// The stored (Windows-1252) bytes of a text: the order of every list compares these,
// so that "é" (0xE9) comes after "z" and "€" (0x80) before "é", as in the files.
std::string cp1252Bytes(std::string_view utf8);

// The schools list's key, as Windows-1252 bytes: a-z upper-cased, the small accented
// vowels and "ç" folded to their plain capital, and "Ô" to "O". Every other
// character (capital accents but "Ô", small "ô", digits, blanks) stays as it is.
std::string schoolSortKey(std::string_view name);

// The exchange sort of the lists: for each slot i, every later slot j whose key is
// smaller is swapped in. Equal keys are never swapped, which fixes the order of
// names that only differ by case or accent ("b", "B", "a" gives "a", "B", "b").
void sortSchools(std::vector<std::string>& schools);

// By commune, then by name within each run of records of one commune; both on the
// Windows-1252 bytes with no folding (capitals first, accented letters last).
void sortSubstitutes(std::vector<Substitute>& records);

}  // namespace tandarel
