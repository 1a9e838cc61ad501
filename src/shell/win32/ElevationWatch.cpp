#include "shell/win32/ElevationWatch.h"

#include "shell/ElevationWarnings.h"
#include "shell/win32/TrayIcon.h"

namespace tarvik {

namespace {

// The hook procedure gets no context of its own: one watch per process.
HWND trayOwner = nullptr;
HWINEVENTHOOK hook = nullptr;
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

void check(HWND foreground) {
    SystemElevation system;
    if (warnAboutForeground(warnings, reinterpret_cast<WindowHandle>(foreground), system)) {
        showTrayBalloon(trayOwner, kTrayIconId, "Tarvik", kElevatedProgramWarning);
    }
}

void CALLBACK foregroundChanged(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG, DWORD,
                                DWORD) {
    if (event != EVENT_SYSTEM_FOREGROUND || object != OBJID_WINDOW) return;
    check(window);
}

}  // namespace

void startElevationWatch(HWND controllerWindow) {
    trayOwner = controllerWindow;
    warnings.selfElevated = tokenElevation(GetCurrentProcess()) == Elevation::kElevated;
    if (warnings.selfElevated) return;
    // Out of context, like following's: the events arrive in this thread's
    // message loop.
    hook =
        SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr,
                        foregroundChanged, 0, 0, WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
    // The program in front at start-up gets no event of its own.
    check(GetForegroundWindow());
}

void endElevationWatch() {
    if (hook != nullptr) UnhookWinEvent(hook);
    hook = nullptr;
}

}  // namespace tarvik
