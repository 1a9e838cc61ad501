#pragma once
// The system objects start-up creates for the whole run: one instance in
// the program, filled in step by step and handed to whoever draws or owns.

#include <windows.h>

namespace tarvik {

struct ShellHandles {
    HINSTANCE instance = nullptr;
    // The hidden TaskBarController window: owner of the tray icon and the
    // devices' cooperative-level window.
    HWND controllerWindow = nullptr;
    // Solid, in the 3-D face colour: background of the program's window
    // classes and eraser of the configuration window's painted texts.
    HPEN backgroundPen = nullptr;
    HBRUSH backgroundBrush = nullptr;
};

}  // namespace tarvik
