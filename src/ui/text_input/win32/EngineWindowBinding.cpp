#include "ui/text_input/win32/EngineWindowBinding.h"

#include "platform/win32/WindowClass.h"
#include "ui/text_input/win32/EngineWindowClasses.h"

namespace tarvik {

namespace {}  // namespace

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
