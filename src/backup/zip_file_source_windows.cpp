#include "backup/zip_file_source.h"

namespace tandarel {

// Windows names are UTF-16: the wide entry point reaches any folder name.
zip_source_t* zipFileSource(const std::filesystem::path& path, zip_error_t* error) {
    return zip_source_win32w_create(path.c_str(), 0, -1, error);
}

}  // namespace tandarel
