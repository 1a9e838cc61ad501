#pragma once
// A plain window of the test program that has the focus and hands what it
// receives to the test's procedure: where injected input is meant to arrive.

#include <windows.h>

#include "wine/MessagePump.h"

namespace tarvik::testing {

// Registers `className` with `procedure` on a white background (a class
// this process has registered already is used as it is), then creates the
// window at `place` and shows it; nullptr when it could not be created.
inline HWND openProbeWindow(const char* className, const char* title, WNDPROC procedure,
                            RECT place) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, className, title, WS_OVERLAPPEDWINDOW, place.left, place.top,
                                  place.right - place.left, place.bottom - place.top, nullptr,
                                  nullptr, instance, nullptr);
    if (window == nullptr) return nullptr;
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    return window;
}

// Gives `window` the foreground and the keyboard focus; false when it has
// not got them before the patience ran out.
inline bool focusProbeWindow(HWND window, DWORD patienceMs = 3000) {
    SetForegroundWindow(window);
    SetFocus(window);
    return pumpMessagesUntil([&] { return GetForegroundWindow() == window; }, patienceMs);
}

}  // namespace tarvik::testing
