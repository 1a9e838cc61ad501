#pragma once
// How every window class of the program is registered: no icon, no cursor
// of its own, the given style, procedure and background.

#include <windows.h>

namespace tarvik {

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

}  // namespace tarvik
