#include "shell/win32/ForegroundHook.h"

#include <windows.h>

#include "shell/win32/ElevationWatch.h"
#include "shell/win32/ProgramFollower.h"

namespace tarvik {

namespace {

// The hook procedure gets no context of its own: one hook per process.
HWINEVENTHOOK hook = nullptr;

void CALLBACK foregroundChanged(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG, DWORD,
                                DWORD eventTime) {
    if (event != EVENT_SYSTEM_FOREGROUND || object != OBJID_WINDOW) return;
    followForeground(window, eventTime);
    checkForegroundElevation(window);
}

}  // namespace

void startForegroundHook() {
    // Out of context: the events arrive in this thread's message loop, no
    // code of Tarvik runs inside other programs.
    hook =
        SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr,
                        foregroundChanged, 0, 0, WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
}

void endForegroundHook() {
    if (hook != nullptr) UnhookWinEvent(hook);
    hook = nullptr;
}

}  // namespace tarvik
