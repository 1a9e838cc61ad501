#pragma once
// Finds a visible dialog box (message box or common dialog) that this test
// process has open, for the helpers that answer them.

#include <windows.h>

#include <string>

namespace tarvik::testing {

inline HWND findOwnVisibleDialog() {
    HWND found = nullptr;
    EnumWindows(
        [](HWND window, LPARAM result) -> BOOL {
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            char className[32] = {};
            GetClassNameA(window, className, sizeof(className));
            if (process == GetCurrentProcessId() && IsWindowVisible(window) &&
                std::string(className) == "#32770") {
                *reinterpret_cast<HWND*>(result) = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace tarvik::testing
