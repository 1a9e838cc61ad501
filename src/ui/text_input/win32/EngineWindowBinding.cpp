#include "ui/text_input/win32/EngineWindowBinding.h"

#include "platform/win32/WindowClass.h"
#include "ui/text_input/win32/EngineWindowClasses.h"

namespace tarvik {

namespace {

// A window procedure has no other way to its state: the windows are created
// by the action executor without a creation parameter.
SharedState* bound = nullptr;

}  // namespace

SharedState* boundAppState() {
    return bound;
}

void bindEngineWindows(SharedState& state) {
    bound = &state;
}

bool registerEngineWindowClasses(HINSTANCE instance, HBRUSH background) {
    constexpr UINT kStyle = CS_BYTEALIGNCLIENT | CS_CLASSDC;
    const bool text =
        registerWindowClass(instance, kStringWindowClass, stringWindowProc, background, kStyle);
    const bool selector =
        registerWindowClass(instance, kFSelectWindowClass, fSelectWindowProc, background, kStyle);
    return text && selector;
}

void unregisterEngineWindowClasses(HINSTANCE instance) {
    UnregisterClassA(kStringWindowClass, instance);
    UnregisterClassA(kFSelectWindowClass, instance);
}

}  // namespace tarvik
