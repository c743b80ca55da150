#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tandarel {

// Paths and the program's UTF-8 texts. A path's native form is UTF-16 on Windows, and its
// narrow form there may be the ANSI code page, which cannot hold every name: every
// conversion between a path and a text goes through these two.
std::filesystem::path pathFromUtf8(std::string_view utf8);
std::string utf8FromPath(const std::filesystem::path& path);

}  // namespace tandarel
