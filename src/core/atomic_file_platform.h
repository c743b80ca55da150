#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <system_error>

// The few system calls of a durable replacement, one implementation per platform
// (atomic_file_posix.cpp, atomic_file_windows.cpp). Each call returns the system's
// error, empty on success.
namespace tandarel::durable {

// A file this process has just created and alone writes.
class NewFile {
public:
    NewFile() = default;
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;
    ~NewFile() { close(); }

    // Creates `path` for writing only when no entry bears that name: an existing file,
    // or a link left under that name (even one that leads nowhere), makes it fail with
    // std::errc::file_exists, and nothing is opened or followed.
    std::error_code create(const std::filesystem::path& path);
    std::error_code write(std::string_view bytes);
    // Gives the file the access rights of `model`, the file it will replace (nothing
    // to do when `model` does not exist).
    std::error_code copyRightsOf(const std::filesystem::path& model);
    // Returns once the data are on the disk, not just in the system's cache.
    std::error_code flushToDisk();
    std::error_code close();

private:
    std::intptr_t handle_ = -1;  // a descriptor, or a HANDLE on Windows (-1: none)
};

// Renames `from` over `to`, replacing it in one step, and makes the new name itself
// durable (on POSIX, by flushing the folder).
std::error_code renameDurably(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace tandarel::durable
