#include "ui/text_input/win32/EngineWindowBinding.h"

#include "platform/win32/WindowClass.h"
#include "ui/text_input/win32/EngineWindowClasses.h"
#include "ui/text_input/win32/NoActivation.h"

namespace tarvik {

LRESULT engineWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                         EngineWindowHandler handler) {
    SharedState* state = windowStateOf<SharedState>(window, message, lParam);
    LRESULT result = 0;
    if (handleWithoutActivation(window, message, wParam, lParam, state, result)) return result;
    if (state != nullptr) handler(window, message, lParam, *state);
    return DefWindowProcA(window, message, wParam, lParam);
}

bool registerEngineWindowClasses(HINSTANCE instance, HBRUSH background) {
    constexpr UINT kStyle = CS_BYTEALIGNCLIENT | CS_CLASSDC;
    const bool text = registerWindowClass(instance, kTextInputWindowClass, textInputWindowProc,
                                          background, kStyle);
    const bool selector =
        registerWindowClass(instance, kSelectorWindowClass, selectorWindowProc, background, kStyle);
    return text && selector;
}

void unregisterEngineWindowClasses(HINSTANCE instance) {
    UnregisterClassA(kTextInputWindowClass, instance);
    UnregisterClassA(kSelectorWindowClass, instance);
}

}  // namespace tarvik
