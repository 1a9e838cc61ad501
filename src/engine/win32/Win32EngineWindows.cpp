#include "engine/win32/Win32EngineWindows.h"

#include <windows.h>

namespace tarvik {

namespace {

// Topmost, never activated (not when shown, not when clicked), so
// synthetic input keeps going to the application that has the focus;
// painted before this returns because the polling thread that owns the
// window runs no message loop.
WindowHandle openEngineWindow(SharedState& state, const char* className, const char* title,
                              DWORD style, int width, int height) {
    HWND window =
        CreateWindowExA(WS_EX_TOPMOST | WS_EX_NOACTIVATE, className, title, style, 0, 0, width,
                        height, nullptr, nullptr, GetModuleHandleA(nullptr), &state);
    if (window == nullptr) return kNoWindow;
    ShowWindow(window, SW_SHOWNOACTIVATE);
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    return reinterpret_cast<WindowHandle>(window);
}

}  // namespace

WindowHandle Win32EngineWindows::openTextInputWindow() {
    return openEngineWindow(state_, kTextInputWindowClass, "text input with gaming device",
                            WS_CAPTION | WS_THICKFRAME, 640, 480);
}

void Win32EngineWindows::askForConfigurationStep(int step) {
    // Posted, never sent: the receiver pauses this thread while it loads.
    PostMessageA(shellWindow_, kConfigurationStepMessage, static_cast<WPARAM>(step), 0);
}

WindowHandle Win32EngineWindows::openSelectorWindow() {
    return openEngineWindow(state_, kSelectorWindowClass, "F1", WS_CAPTION, 0, 0);
}

}  // namespace tarvik
