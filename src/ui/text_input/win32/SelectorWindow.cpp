// The function-key selector "JoyF": a captioned window of no client area
// whose caption shows the function key on offer.

#include "engine/text_input/FunctionKeySelector.h"
#include "engine/text_input/WindowClosing.h"
#include "ui/text_input/SelectorCaption.h"
#include "ui/text_input/TextInputLayout.h"
#include "ui/text_input/win32/EngineWindowBinding.h"
#include "ui/text_input/win32/EngineWindowClasses.h"

namespace tarvik {

namespace {

void showRowOnOffer(HWND window, const FunctionKeyTable& table) {
    char caption[kSelectorCaptionSize];
    selectorCaption(table, table.fSelectIndex, caption);
    SetWindowTextA(window, caption);
}

void createSelectorWindow(HWND window, SharedState& state) {
    RECT desktop{};
    GetClientRect(GetDesktopWindow(), &desktop);
    const PixelPoint origin =
        selectorPlacement(desktop.right - desktop.left, desktop.bottom - desktop.top);
    // Sized 0 x 0: the system keeps the smallest captioned window it allows,
    // the caption bar alone.
    MoveWindow(window, origin.x, origin.y, 0, 0, TRUE);
    showRowOnOffer(window, state.functionKeys);
    state.engine.fSelectWindow = toHandle(window);
}

void handleSelectorMessage(HWND window, UINT message, LPARAM, SharedState& state) {
    switch (message) {
        case WM_CREATE:
            createSelectorWindow(window, state);
            break;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            BeginPaint(window, &paint);
            EndPaint(window, &paint);
            showRowOnOffer(window, state.functionKeys);
            break;
        }
        // Also a close by the system, which the countdown never sees.
        case WM_DESTROY:
            if (state.engine.fSelectWindow == toHandle(window)) {
                endFunctionKeySelector(state.engine);
            }
            break;
        default:
            break;
    }
}

}  // namespace

LRESULT CALLBACK selectorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return engineWindowProc(window, message, wParam, lParam, handleSelectorMessage);
}

void Win32FunctionKeySelectorView::destroyWindow() {
    HWND window = toHwnd(state_.engine.fSelectWindow);
    if (window != nullptr) DestroyWindow(window);
}

void Win32FunctionKeySelectorView::setCaption(const char* label) {
    HWND window = toHwnd(state_.engine.fSelectWindow);
    if (window == nullptr || label == nullptr) return;
    // Labels are fixed fields that need not hold their terminator.
    char caption[kSelectorCaptionSize];
    copyBounded(caption, boundedText(label, sizeof(FunctionKeyEntry::label)));
    SetWindowTextA(window, caption);
}

}  // namespace tarvik
