#pragma once
// How the program's windows are registered and how their procedures find
// the state they work on: the creation parameter of CreateWindowExA, kept
// in the window's user data from WM_NCCREATE on.

#include <windows.h>

namespace tarvik {

// No icon, no cursor of its own, the given style, procedure and background.
// True when the class was registered (false also when the name is taken).
inline bool registerWindowClass(HINSTANCE instance, const char* name, WNDPROC procedure,
                                HBRUSH background, UINT style = 0) {
    WNDCLASSA windowClass{};
    windowClass.style = style;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    return RegisterClassA(&windowClass) != 0;
}

// Called first in a window procedure with its message: the state the window
// was created with, or nullptr for the messages that come before
// WM_NCCREATE and for a window created without one.
template <typename State>
State* windowStateOf(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    return reinterpret_cast<State*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

}  // namespace tarvik
