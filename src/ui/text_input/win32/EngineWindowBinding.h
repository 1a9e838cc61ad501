#pragma once
// What the two window procedures share: the state they were created with
// and the conversion between the portable handle and an HWND.

#include <windows.h>

#include "engine/SharedState.h"
#include "platform/WindowHandle.h"

namespace tarvik {

// What one of the windows does with a message besides the default; `state`
// is what the window was created with.
using EngineWindowHandler = void (*)(HWND window, UINT message, LPARAM lParam, SharedState& state);

// The procedure both windows share: it keeps the state the window was
// created with (Win32EngineWindows passes it), never lets the window take
// the focus, hands the message to `handler` once the state is there, and
// ends in the default procedure. Before WM_NCCREATE, and for a window
// created without state, it is the default procedure alone.
LRESULT engineWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                         EngineWindowHandler handler);

inline HWND toHwnd(WindowHandle handle) {
    return reinterpret_cast<HWND>(handle);
}

inline WindowHandle toHandle(HWND window) {
    return reinterpret_cast<WindowHandle>(window);
}

}  // namespace tarvik
