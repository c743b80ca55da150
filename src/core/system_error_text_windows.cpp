#include "core/system_error_text.h"

#include <string.h>
#include <windows.h>

#include <string_view>

#include "core/wide_text_windows.h"

namespace tandarel {

std::string systemErrorText(const std::error_code& error) {
    // errno values: the C library's wording, which may be translated, hence wide too.
    if (error.category() == std::generic_category()) {
        wchar_t text[256];
        return _wcserror_s(text, std::size(text), error.value()) == 0 ? utf8FromWide(text) : error.message();
    }
    if (error.category() != std::system_category()) return error.message();
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        static_cast<DWORD>(error.value()), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring_view text(buffer, buffer ? length : 0);
    // The system's sentences end with ".\r\n"; ours go on after the reason.
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ' || text.back() == L'.'))
        text.remove_suffix(1);
    auto utf8 = utf8FromWide(text);
    LocalFree(buffer);
    if (utf8.empty()) return "erreur du système n° " + std::to_string(error.value());
    return utf8;
}

}  // namespace tandarel
