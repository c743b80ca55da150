#include "ui/windows_clock.h"

#include <windows.h>

#include <system_error>

#include "core/error.h"
#include "core/system_error_text.h"

namespace tandarel::ui {

void setWindowsClock(const UtcClockTime& utc) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(utc.year);
    st.wMonth = static_cast<WORD>(utc.month);
    st.wDay = static_cast<WORD>(utc.day);
    st.wHour = static_cast<WORD>(utc.hour);
    st.wMinute = static_cast<WORD>(utc.minute);
    st.wSecond = static_cast<WORD>(utc.second);
    st.wMilliseconds = static_cast<WORD>(utc.millisecond);
    if (!SetSystemTime(&st))
        throw Error(systemErrorText(std::error_code(static_cast<int>(GetLastError()), std::system_category())));
    // Tell the taskbar clock that the time changed.
    if (HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr)) SendMessageW(tray, WM_TIMECHANGE, 0, 0);
}

}  // namespace tandarel::ui
