#include "backup/zip_file_source.h"

namespace tandarel {

// POSIX names are bytes: the path's native string is what the system takes.
zip_source_t* zipFileSource(const std::filesystem::path& path, zip_error_t* error) {
    return zip_source_file_create(path.c_str(), 0, -1, error);
}

}  // namespace tandarel
