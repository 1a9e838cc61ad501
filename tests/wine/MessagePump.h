#pragma once
// Dispatches this thread's messages until a condition holds or the patience
// runs out, so no Wine test ever waits without bound.

#include <windows.h>

#include <functional>

namespace tarvik::testing {

inline bool pumpMessagesUntil(const std::function<bool()>& done, DWORD patienceMs,
                              DWORD sliceMs = 20) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (done()) return true;
        if (GetTickCount() - start >= patienceMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, sliceMs, QS_ALLINPUT);
    }
}

}  // namespace tarvik::testing
