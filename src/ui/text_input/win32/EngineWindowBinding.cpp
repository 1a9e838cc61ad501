#include "ui/text_input/win32/EngineWindowBinding.h"

#include "ui/text_input/win32/EngineWindowClasses.h"

namespace tarvik {

namespace {

// A window procedure has no other way to its state: the windows are created
// by the action executor without a creation parameter.
AppState* bound = nullptr;

bool registerOne(HINSTANCE instance, HBRUSH background, const char* name, WNDPROC procedure) {
    WNDCLASSA windowClass{};
    windowClass.style = CS_BYTEALIGNCLIENT | CS_CLASSDC;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    return RegisterClassA(&windowClass) != 0;
}

}  // namespace

AppState* boundAppState() {
    return bound;
}

void bindEngineWindows(AppState& state) {
    bound = &state;
}

bool registerEngineWindowClasses(HINSTANCE instance, HBRUSH background) {
    const bool text = registerOne(instance, background, kStringWindowClass, stringWindowProc);
    const bool selector = registerOne(instance, background, kFSelectWindowClass, fSelectWindowProc);
    return text && selector;
}

void unregisterEngineWindowClasses(HINSTANCE instance) {
    UnregisterClassA(kStringWindowClass, instance);
    UnregisterClassA(kFSelectWindowClass, instance);
}

}  // namespace tarvik
