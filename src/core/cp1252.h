#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tandarel {

// Data files are single-byte Windows-1252; the program holds UTF-8 everywhere else.
// Every byte 0x00-0xFF decodes to one code point and encodes back to the same byte
// (the five bytes Windows-1252 leaves undefined map to U+0081, U+008D, U+008F, U+0090, U+009D).

char32_t cp1252ToUnicode(unsigned char byte);
// The byte for a code point, or nothing when Windows-1252 cannot hold it.
std::optional<unsigned char> unicodeToCp1252(char32_t codePoint);

std::string decodeCp1252(std::string_view bytes);
// Nothing when the text holds a character that Windows-1252 cannot store (or is not valid UTF-8).
std::optional<std::string> encodeCp1252(std::string_view utf8);

// The first character of the UTF-8 text that Windows-1252 cannot store, if any.
std::optional<char32_t> firstUnstorableCharacter(std::string_view utf8);

// Decodes one UTF-8 code point at `pos`, advancing it; nothing on a malformed sequence.
std::optional<char32_t> nextCodePoint(std::string_view utf8, std::size_t& pos);
void appendUtf8(std::string& out, char32_t codePoint);

}  // namespace tandarel
