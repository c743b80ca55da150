#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/atomic_file_platform.h"

namespace tandarel::durable {
namespace {

std::error_code lastError() { return {errno, std::generic_category()}; }

int fd(std::intptr_t handle) { return static_cast<int>(handle); }

// Where the disk has a cache of its own, fsync alone may leave the data there.
int syncToDisk(int descriptor) {
#ifdef F_FULLFSYNC
    if (::fcntl(descriptor, F_FULLFSYNC) == 0) return 0;
#endif
    return ::fsync(descriptor);
}

}  // namespace

std::error_code NewFile::create(const std::filesystem::path& path) {
    close();
    // O_EXCL refuses any entry of that name, a link included; O_NOFOLLOW says so twice.
    const int descriptor =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR | S_IRGRP |
                                                                                      S_IWGRP | S_IROTH | S_IWOTH);
    if (descriptor < 0) return lastError();
    handle_ = descriptor;
    return {};
}

std::error_code NewFile::write(std::string_view bytes) {
    while (!bytes.empty()) {
        const auto written = ::write(fd(handle_), bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return lastError();
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

std::error_code NewFile::copyRightsOf(const std::filesystem::path& model) {
    struct stat status {};
    if (::stat(model.c_str(), &status) != 0) return errno == ENOENT ? std::error_code{} : lastError();
    if (::fchmod(fd(handle_), status.st_mode & 07777) != 0) return lastError();
    return {};
}

std::error_code NewFile::flushToDisk() { return syncToDisk(fd(handle_)) == 0 ? std::error_code{} : lastError(); }

std::error_code NewFile::close() {
    if (handle_ < 0) return {};
    // Some file systems (NFS) report a failed write only here.
    const int result = ::close(fd(handle_));
    handle_ = -1;
    return result == 0 ? std::error_code{} : lastError();
}

std::error_code renameDurably(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) return lastError();
    // The new name lives in the folder: flush it too, or a power cut may bring back the
    // old name. The file is replaced by now, so a folder that cannot be flushed (some
    // file systems refuse) must not be reported as a failed save.
    const auto folder = to.has_parent_path() ? to.parent_path() : std::filesystem::path(".");
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        syncToDisk(descriptor);
        ::close(descriptor);
    }
    return {};
}

}  // namespace tandarel::durable
