#pragma once
// What the two window procedures share: the bound state and the conversion
// between the portable handle and an HWND.

#include <windows.h>

#include "platform/WindowHandle.h"
#include "engine/SharedState.h"

namespace tarvik {

// The state bound by bindEngineWindows, or nullptr before that: the
// procedures then behave like the default one.
SharedState* boundAppState();

inline HWND toHwnd(WindowHandle handle) {
    return reinterpret_cast<HWND>(handle);
}

inline WindowHandle toHandle(HWND window) {
    return reinterpret_cast<WindowHandle>(window);
}

}  // namespace tarvik
