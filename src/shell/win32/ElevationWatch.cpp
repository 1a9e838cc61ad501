#include "shell/win32/ElevationWatch.h"

#include "shell/ElevationWarnings.h"
#include "shell/win32/TrayIcon.h"

namespace tarvik {

namespace {

// The foreground hook hands over no context: one watch per process.
HWND trayOwner = nullptr;
ElevationWarnings warnings;

Elevation tokenElevation(HANDLE process) {
    HANDLE token = nullptr;
    if (OpenProcessToken(process, TOKEN_QUERY, &token) == FALSE) return Elevation::kUnknown;
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    const bool read =
        GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size) != FALSE;
    CloseHandle(token);
    if (!read) return Elevation::kUnknown;
    return elevation.TokenIsElevated != 0 ? Elevation::kElevated : Elevation::kNotElevated;
}

class SystemElevation final : public ProcessElevation {
  public:
    Elevation ofWindow(WindowHandle window) override {
        DWORD processId = 0;
        GetWindowThreadProcessId(reinterpret_cast<HWND>(window), &processId);
        if (processId == 0) return Elevation::kUnknown;
        // Limited query rights are granted even on an elevated process.
        HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
        if (process == nullptr) return Elevation::kUnknown;
        const Elevation elevation = tokenElevation(process);
        CloseHandle(process);
        return elevation;
    }
};

}  // namespace

void startElevationWatch(HWND controllerWindow) {
    trayOwner = controllerWindow;
    warnings.selfElevated = tokenElevation(GetCurrentProcess()) == Elevation::kElevated;
    checkForegroundElevation(GetForegroundWindow());
}

void checkForegroundElevation(HWND foreground) {
    if (trayOwner == nullptr) return;
    SystemElevation system;
    if (warnAboutForeground(warnings, reinterpret_cast<WindowHandle>(foreground), system)) {
        showTrayBalloon(trayOwner, kTrayIconId, "Tarvik", kElevatedProgramWarning);
    }
}

}  // namespace tarvik
