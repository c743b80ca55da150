#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tandarel {

// Lines of a stored text: CR LF ends a line; a lone LF (hand-edited file) does too,
// and a last line without an end is still a line.
std::vector<std::string_view> splitLines(std::string_view text);

// The whole file as raw bytes; throws FileError when it cannot be read. The string has
// room for `spareCapacity` more bytes, for a reader that appends some without a copy.
std::string readFileBytes(const std::filesystem::path& file, std::size_t spareCapacity = 0);

// A Windows-1252 text file as UTF-8 lines; throws FileError when it cannot be read.
std::vector<std::string> readTextLines(const std::filesystem::path& file);
// Only the first line ("" for an empty file).
std::string readFirstLine(const std::filesystem::path& file);

// The bytes of a data file: every line Windows-1252, each ended by CR LF. Throws
// FileError (naming `file`) when a line holds a character Windows-1252 cannot store.
std::string encodeTextLines(const std::vector<std::string>& lines, const std::filesystem::path& file);

// Writes the lines as a data file through the atomic replace.
void writeTextLines(const std::filesystem::path& file, const std::vector<std::string>& lines);

// The existence test of the program: any directory entry of that exact name.
bool entryExists(const std::filesystem::path& path);

}  // namespace tandarel
