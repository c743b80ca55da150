// SetSecurityInfo and friends need Windows Vista or later.
#if !defined(_WIN32_WINNT) || _WIN32_WINNT < 0x0600
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0600
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <aclapi.h>

#include <algorithm>

#include "core/atomic_file_platform.h"

namespace tandarel::durable {
namespace {

std::error_code errorOf(DWORD code) {
    if (code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS) return std::make_error_code(std::errc::file_exists);
    return {static_cast<int>(code), std::system_category()};
}
std::error_code lastError() { return errorOf(GetLastError()); }

HANDLE nativeHandle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

}  // namespace

std::error_code NewFile::create(const std::filesystem::path& path) {
    close();
    // CREATE_NEW refuses any entry of that name; FILE_FLAG_OPEN_REPARSE_POINT keeps a link
    // left under that name from being followed. WRITE_DAC: the rights copied below.
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE | WRITE_DAC, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) return lastError();
    handle_ = reinterpret_cast<std::intptr_t>(file);
    return {};
}

std::error_code NewFile::write(std::string_view bytes) {
    while (!bytes.empty()) {
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(nativeHandle(handle_), bytes.data(), chunk, &written, nullptr)) return lastError();
        bytes.remove_prefix(written);
    }
    return {};
}

std::error_code NewFile::copyRightsOf(const std::filesystem::path& model) {
    // A file that inherits its rights from the folder gets the same ones as the new file
    // does anyway; only rights set on the file itself (a protected list) need copying.
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    const DWORD found = GetNamedSecurityInfoW(const_cast<LPWSTR>(model.c_str()), SE_FILE_OBJECT,
                                              DACL_SECURITY_INFORMATION, nullptr, nullptr, &dacl, nullptr,
                                              &descriptor);
    if (found == ERROR_FILE_NOT_FOUND || found == ERROR_PATH_NOT_FOUND) return {};
    if (found != ERROR_SUCCESS) return errorOf(found);
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    DWORD result = ERROR_SUCCESS;
    if (GetSecurityDescriptorControl(descriptor, &control, &revision) && (control & SE_DACL_PROTECTED))
        result = SetSecurityInfo(nativeHandle(handle_), SE_FILE_OBJECT,
                                 DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION, nullptr, nullptr,
                                 dacl, nullptr);
    LocalFree(descriptor);
    return result == ERROR_SUCCESS ? std::error_code{} : errorOf(result);
}

std::error_code NewFile::flushToDisk() {
    return FlushFileBuffers(nativeHandle(handle_)) ? std::error_code{} : lastError();
}

std::error_code NewFile::close() {
    if (handle_ == -1) return {};
    const BOOL closed = CloseHandle(nativeHandle(handle_));
    handle_ = -1;
    return closed ? std::error_code{} : lastError();
}

std::error_code renameDurably(const std::filesystem::path& from, const std::filesystem::path& to) {
    // WRITE_THROUGH: the call returns once the rename is on the disk.
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return lastError();
    return {};
}

}  // namespace tandarel::durable
