#pragma once

#include <zip.h>

#include <filesystem>

namespace tandarel {

// A libzip source reading the file at `path`, whatever characters its folders' names
// hold (one file per platform: the library takes narrow names in the system's code page
// on Windows). Null, with `error` set, when the source cannot be made.
zip_source_t* zipFileSource(const std::filesystem::path& path, zip_error_t* error);

}  // namespace tandarel
