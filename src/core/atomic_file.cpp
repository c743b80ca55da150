#include "core/atomic_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

#include "core/file_error.h"
#include "core/system_error_text.h"

namespace tandarel {
namespace {

ReplaceFaultHook& faultHook() {
    static ReplaceFaultHook hook;
    return hook;
}

std::string systemReason(int error) { return std::generic_category().message(error); }

}  // namespace

void setReplaceFaultHook(ReplaceFaultHook hook) { faultHook() = std::move(hook); }

void replaceFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
    namespace fs = std::filesystem;
    auto temporary = file;
    temporary += ".~tmp";

    auto fail = [&](const std::string& reason) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        throwWriteError(file, reason);
    };

    {
        errno = 0;
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) fail(systemReason(errno ? errno : EACCES));
        const auto half = bytes.size() / 2;
        out.write(bytes.data(), static_cast<std::streamsize>(half));
        if (faultHook() && faultHook()(file)) {
            out.close();
            fail(systemReason(ENOSPC));
        }
        out.write(bytes.data() + half, static_cast<std::streamsize>(bytes.size() - half));
        out.flush();
        if (!out) fail(systemReason(errno ? errno : EIO));
        out.close();
        if (!out) fail(systemReason(errno ? errno : EIO));
    }

    std::error_code ec;
    fs::rename(temporary, file, ec);
    if (ec) fail(systemErrorText(ec));
}

}  // namespace tandarel
