#include "shell/win32/ConfigWindowPlaceholder.h"

namespace tarvik {

namespace {

constexpr int kCloseButton = 1;
AppState* bound = nullptr;

}  // namespace

void bindConfigWindowPlaceholder(AppState& state) {
    bound = &state;
}

LRESULT CALLBACK configWindowPlaceholderProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    switch (message) {
        case WM_CREATE: {
            bound->configWindow = reinterpret_cast<WindowHandle>(window);
            const HINSTANCE instance = reinterpret_cast<CREATESTRUCTA*>(lParam)->hInstance;
            CreateWindowExA(0, "static", "mapping is paused while this window is open",
                            WS_CHILD | WS_VISIBLE, 20, 20, 400, 20, window, nullptr, instance,
                            nullptr);
            CreateWindowExA(0, "button", "close", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 60, 80,
                            24, window, reinterpret_cast<HMENU>(kCloseButton), instance, nullptr);
            ShowWindow(window, SW_SHOW);
            SetForegroundWindow(window);
            return 0;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == kCloseButton) DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            bound->configWindow = kNoWindow;
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace tarvik
