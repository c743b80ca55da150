#include <windows.h>

#include "ui/clock_setter.h"

namespace tandarel::ui {
namespace {

class WindowsClockSetter final : public ClockSetter {
public:
    bool setSystemTime(const QDateTime& utc, QString& reason) override {
        const QDate date = utc.date();
        const QTime time = utc.time();
        SYSTEMTIME st{};
        st.wYear = static_cast<WORD>(date.year());
        st.wMonth = static_cast<WORD>(date.month());
        st.wDay = static_cast<WORD>(date.day());
        st.wHour = static_cast<WORD>(time.hour());
        st.wMinute = static_cast<WORD>(time.minute());
        st.wSecond = static_cast<WORD>(time.second());
        st.wMilliseconds = static_cast<WORD>(time.msec());
        if (!SetSystemTime(&st)) {
            reason = QStringLiteral("le système a refusé (code %1)").arg(GetLastError());
            return false;
        }
        // Tell the taskbar clock that the time changed.
        if (HWND tray = FindWindowA("Shell_TrayWnd", nullptr)) SendMessageA(tray, WM_TIMECHANGE, 0, 0);
        return true;
    }
};

}  // namespace

std::unique_ptr<ClockSetter> makeSystemClockSetter() { return std::make_unique<WindowsClockSetter>(); }

}  // namespace tandarel::ui
