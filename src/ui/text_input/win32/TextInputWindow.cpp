// The text-input window "JoyString": its procedure, which lays the window
// out and paints it, and the view through which the polling thread draws on
// it between paints.

#include "engine/text_input/WindowClosing.h"
#include "ui/text_input/TextInputLayout.h"
#include "ui/text_input/win32/EngineWindowBinding.h"
#include "ui/text_input/win32/EngineWindowClasses.h"
#include "ui/text_input/win32/NoActivation.h"
#include "ui/text_input/win32/TextInputDrawing.h"

namespace tarvik {

namespace {

void createTextInputWindow(HWND window, const CREATESTRUCTA& create, EngineState& engine) {
    RECT desktop{};
    GetClientRect(GetDesktopWindow(), &desktop);
    const PixelRect place =
        textInputPlacement(desktop.right - desktop.left, desktop.bottom - desktop.top);
    MoveWindow(window, place.left, place.top, kTextInputWidth, kTextInputHeight, TRUE);

    RECT client{};
    GetClientRect(window, &client);
    const PixelRect exit = exitButtonRect(client.bottom);
    HWND button = CreateWindowExA(
        0, "button", kExitButtonText, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | BS_CENTER, exit.left,
        exit.top, exit.right - exit.left, exit.bottom - exit.top, window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kExitButtonId)), create.hInstance, nullptr);
    // Only a device button on the exit row closes the window; a click on
    // "exit" does nothing and must not take the focus.
    passClicksToParent(button);

    engine.textInput.cursorColumn = 0;
    engine.textInput.cursorRow = 0;
    engine.stringWindow = toHandle(window);
}

// The polling thread dispatches this window's messages, so a paint follows
// every uncovering: it restores the echo box as well, which only the
// polling thread's step would otherwise draw.
void paintTextInputWindow(HWND window, const TextInputState& textInput) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (dc != nullptr) {
        RECT client{};
        GetClientRect(window, &client);
        drawGrid(dc);
        if (textInput.cursorRow == kExitRow) {
            // The button would otherwise paint itself over its highlight
            // right after this paint.
            HWND button = GetDlgItem(window, kExitButtonId);
            if (button != nullptr) UpdateWindow(button);
        }
        invertHighlightOn(dc, textInput.cursorColumn, textInput.cursorRow, client.bottom);
        drawEchoBoxOn(dc, textInput.echoLine, client.right, client.bottom);
    }
    EndPaint(window, &paint);
}

// Runs `draw(dc, clientWidth, clientHeight)` on a device context of the open
// window, taken for the moment; does nothing while the window is closed.
template <typename Draw>
void drawOnTextInputWindow(const EngineState& engine, Draw draw) {
    HWND window = toHwnd(engine.stringWindow);
    if (window == nullptr) return;
    HDC dc = GetDC(window);
    if (dc == nullptr) return;
    RECT client{};
    GetClientRect(window, &client);
    draw(dc, static_cast<int>(client.right), static_cast<int>(client.bottom));
    ReleaseDC(window, dc);
}

void handleTextInputMessage(HWND window, UINT message, LPARAM lParam, SharedState& state) {
    switch (message) {
        case WM_CREATE:
            createTextInputWindow(window, *reinterpret_cast<const CREATESTRUCTA*>(lParam),
                                  state.engine);
            break;
        case WM_PAINT:
            paintTextInputWindow(window, state.engine.textInput);
            break;
        // Also a close by the system, which the exit row never sees.
        case WM_DESTROY:
            if (state.engine.stringWindow == toHandle(window)) endTextInput(state.engine);
            break;
        default:
            break;
    }
}

}  // namespace

LRESULT CALLBACK textInputWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return engineWindowProc(window, message, wParam, lParam, handleTextInputMessage);
}

void Win32TextInputView::invertHighlight(int column, int row) {
    drawOnTextInputWindow(state_.engine, [&](HDC dc, int, int clientHeight) {
        invertHighlightOn(dc, column, row, clientHeight);
    });
}

void Win32TextInputView::drawEchoBox(const uint8_t (&echoLine)[kEchoLength]) {
    drawOnTextInputWindow(state_.engine, [&](HDC dc, int clientWidth, int clientHeight) {
        drawEchoBoxOn(dc, echoLine, clientWidth, clientHeight);
    });
}

void Win32TextInputView::destroyWindow() {
    HWND window = toHwnd(state_.engine.stringWindow);
    if (window != nullptr) DestroyWindow(window);
}

}  // namespace tarvik
