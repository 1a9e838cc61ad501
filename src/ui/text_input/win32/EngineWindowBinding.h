#pragma once
// What the two window procedures share: the state they were created with
// and the conversion between the portable handle and an HWND.

#include <windows.h>

#include "platform/WindowHandle.h"
#include "platform/win32/WindowClass.h"
#include "engine/SharedState.h"

namespace tarvik {

// The state the window was created with (Win32EngineWindows passes it), or
// nullptr before WM_NCCREATE: the procedures then behave like the default
// one. Called first with every message.
inline SharedState* engineWindowState(HWND window, UINT message, LPARAM lParam) {
    return windowStateOf<SharedState>(window, message, lParam);
}

inline HWND toHwnd(WindowHandle handle) {
    return reinterpret_cast<HWND>(handle);
}

inline WindowHandle toHandle(HWND window) {
    return reinterpret_cast<WindowHandle>(window);
}

}  // namespace tarvik
