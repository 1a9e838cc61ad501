#include "ui/text_input/win32/NoActivation.h"

#include "platform/win32/Win32Platform.h"

namespace tarvik {

namespace {

// How long the drag waits for the next mouse message before it looks at
// the button itself; a release it never hears of still ends the drag.
constexpr DWORD kDragWaitMs = 50;

WNDPROC childProcedure = nullptr;

LRESULT CALLBACK transparentChildProc(HWND child, UINT message, WPARAM wParam, LPARAM lParam) {
    // Only windows of the same thread are asked next: the parent is one.
    if (message == WM_NCHITTEST) return HTTRANSPARENT;
    return CallWindowProcA(childProcedure, child, message, wParam, lParam);
}

bool primaryButtonDown() {
    const int button = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    return (GetAsyncKeyState(button) & 0x8000) != 0;
}

// Follows the cursor from `grab` until the button is let go. It holds up
// the thread that owns the window, the polling thread, only as long as the
// button is held; other messages are dispatched meanwhile.
bool threadAskedToHold(const SharedState* state) {
    return state != nullptr &&
           (state->runFlag.load() == 0 || state->engine.pauseRequests.load() > 0);
}

void dragWithoutActivation(HWND window, POINT grab, const SharedState* state) {
    RECT frame{};
    GetWindowRect(window, &frame);
    auto follow = [&](POINT cursor) {
        SetWindowPos(window, nullptr, frame.left + cursor.x - grab.x, frame.top + cursor.y - grab.y,
                     0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    };
    SetCapture(window);
    while (GetCapture() == window && !threadAskedToHold(state)) {
        MSG message;
        if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (!primaryButtonDown()) break;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, kDragWaitMs, QS_ALLINPUT);
            continue;
        }
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (message.message == WM_MOUSEMOVE || message.message == WM_NCMOUSEMOVE) {
            follow(message.pt);
            continue;
        }
        if (message.message == WM_LBUTTONUP || message.message == WM_NCLBUTTONUP) {
            follow(message.pt);
            break;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    if (GetCapture() == window) ReleaseCapture();
}

}  // namespace

bool handleWithoutActivation(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                             const SharedState* state, LRESULT& result) {
    result = 0;
    switch (message) {
        case WM_MOUSEACTIVATE:
            result = MA_NOACTIVATE;
            return true;
        case WM_NCLBUTTONDOWN:
            if (wParam == HTCAPTION &&
                static_cast<uintptr_t>(GetMessageExtraInfo()) != kInjectedInputMark) {
                const POINT grab{static_cast<short>(LOWORD(lParam)),
                                 static_cast<short>(HIWORD(lParam))};
                dragWithoutActivation(window, grab, state);
            }
            return true;
        // The default handling of these maximises, sizes or opens the
        // system menu, each of which activates the window.
        case WM_NCLBUTTONDBLCLK:
        case WM_NCRBUTTONDOWN:
        case WM_NCRBUTTONDBLCLK:
        case WM_CONTEXTMENU:
            return true;
        default:
            return false;
    }
}

void passClicksToParent(HWND child) {
    if (child == nullptr) return;
    const auto previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(transparentChildProc)));
    // Every child passed here is a push button: one class procedure.
    if (previous != transparentChildProc) childProcedure = previous;
}

}  // namespace tarvik
