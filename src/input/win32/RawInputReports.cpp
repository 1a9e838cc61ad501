#include "input/win32/RawInputReports.h"

namespace tarvik {

namespace {

constexpr const char* kClassName = "TarvikRawInputReports";
constexpr USHORT kGenericDesktop = 0x01;
// Joystick, game pad, multi-axis controller.
constexpr USHORT kControllerUsages[] = {0x04, 0x05, 0x08};

}  // namespace

LRESULT CALLBACK RawInputReports::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                                  LPARAM lParam) {
    if (message == WM_INPUT) {
        auto* self = reinterpret_cast<RawInputReports*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (self != nullptr) SetEvent(self->event_);
        // The default handling frees the report's data.
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_CLOSE) {
        DestroyWindow(window);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

DWORD WINAPI RawInputReports::run(LPVOID parameter) {
    auto& self = *static_cast<RawInputReports*>(parameter);
    // The report must reach the polling thread at once, even on a busy
    // machine.
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassA(&windowClass);
    self.window_ = CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   windowClass.hInstance, nullptr);
    if (self.window_ != nullptr) {
        SetWindowLongPtrA(self.window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&self));
        RAWINPUTDEVICE devices[3];
        for (int i = 0; i < 3; ++i) {
            devices[i].usUsagePage = kGenericDesktop;
            devices[i].usUsage = kControllerUsages[i];
            devices[i].dwFlags = RIDEV_INPUTSINK;
            devices[i].hwndTarget = self.window_;
        }
        self.listening_ = RegisterRawInputDevices(devices, 3, sizeof devices[0]) != FALSE;
    }
    SetEvent(self.ready_);
    if (self.window_ == nullptr) return 0;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}

bool RawInputReports::start() {
    if (thread_ != nullptr) return listening_;
    event_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (event_ == nullptr || ready_ == nullptr) {
        stop();
        return false;
    }
    thread_ = CreateThread(nullptr, 0, run, this, 0, nullptr);
    if (thread_ == nullptr) {
        stop();
        return false;
    }
    WaitForSingleObject(ready_, INFINITE);
    if (!listening_) stop();
    return listening_;
}

void RawInputReports::stop() {
    if (thread_ != nullptr) {
        if (window_ != nullptr) PostMessageA(window_, WM_CLOSE, 0, 0);
        WaitForSingleObject(thread_, 5000);
        CloseHandle(thread_);
        thread_ = nullptr;
    }
    window_ = nullptr;
    listening_ = false;
    if (event_ != nullptr) CloseHandle(event_);
    if (ready_ != nullptr) CloseHandle(ready_);
    event_ = nullptr;
    ready_ = nullptr;
}

}  // namespace tarvik
