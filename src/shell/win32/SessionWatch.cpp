#include "shell/win32/SessionWatch.h"

#include <wtsapi32.h>

namespace tarvik {

namespace {

// Its own id and procedure on the tray's window: the tray's handler never
// sees it.
constexpr UINT_PTR kSessionRetryTimer = 0x5E55;
constexpr UINT kSessionRetryMs = 5000;

bool sessionWatched = false;
void* suspendNotification = nullptr;

void CALLBACK registerSession(HWND window, UINT, UINT_PTR, DWORD) {
    if (WTSRegisterSessionNotification(window, NOTIFY_FOR_THIS_SESSION) != FALSE) {
        sessionWatched = true;
        KillTimer(window, kSessionRetryTimer);
        return;
    }
    OutputDebugStringA(
        "tarvik: the session service does not answer yet; lock will be "
        "watched once it does\n");
    SetTimer(window, kSessionRetryTimer, kSessionRetryMs, registerSession);
}

// Windows 8 and later: without it a machine with modern standby goes to
// sleep without a word to the program. Looked up by name, so that the
// program still starts where it is missing.
void registerSuspend(HWND window) {
    using Register = void*(WINAPI*)(HANDLE, DWORD);
    HMODULE user = GetModuleHandleA("user32.dll");
    const auto registerFunction = reinterpret_cast<Register>(
        reinterpret_cast<void*>(GetProcAddress(user, "RegisterSuspendResumeNotification")));
    constexpr DWORD kToWindow = 0;  // DEVICE_NOTIFY_WINDOW_HANDLE: as WM_POWERBROADCAST
    if (registerFunction != nullptr) suspendNotification = registerFunction(window, kToWindow);
}

}  // namespace

void watchSessionAndPower(HWND window) {
    registerSession(window, WM_TIMER, kSessionRetryTimer, 0);
    registerSuspend(window);
}

void endSessionAndPowerWatch(HWND window) {
    KillTimer(window, kSessionRetryTimer);
    if (sessionWatched) WTSUnRegisterSessionNotification(window);
    sessionWatched = false;
    if (suspendNotification == nullptr) return;
    using Unregister = BOOL(WINAPI*)(void*);
    const auto unregisterFunction = reinterpret_cast<Unregister>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("user32.dll"), "UnregisterSuspendResumeNotification")));
    if (unregisterFunction != nullptr) unregisterFunction(suspendNotification);
    suspendNotification = nullptr;
}

}  // namespace tarvik
