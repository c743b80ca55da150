#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tandarel {

// Blanks and control characters (bytes up to 0x20) removed at both ends, as the
// stored files and the planner's cells have always been trimmed.
std::string_view trimmed(std::string_view text);
std::string trim(std::string_view text);
bool isBlank(std::string_view text);

// The field walks of every ";"-separated line: each ";" closes one field. A last
// field that a hand edit left without its ";" is taken whole as one more field.
std::size_t countFields(std::string_view line);
std::vector<std::string> splitFields(std::string_view line);

// The text before the first ";" (the whole line when there is none).
std::string_view firstField(std::string_view line);

// Number of characters (code points) of a UTF-8 text.
std::size_t characterCount(std::string_view utf8);
// The text from character `first` (0-based) on, `count` characters long at most.
std::string characters(std::string_view utf8, std::size_t first,
                       std::size_t count = std::string_view::npos);

// Whether the text is one or more ASCII digits, and nothing else.
bool allDigits(std::string_view text);
// The number such a text writes (leading zeros allowed); nothing for any other text, or
// for a number beyond the range of an int. The one reading of digits of the program.
std::optional<int> parseDigits(std::string_view text);

}  // namespace tandarel
