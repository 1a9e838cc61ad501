// A program of its own to bring to the front in the following tests: shows
// a window, takes the focus, and appends every key it receives ("+A" down,
// "-A" up) to the file named on its command line until it is closed.

#include <windows.h>

#include <cstdio>

namespace {

std::FILE* out = nullptr;

void record(bool down, WPARAM virtualKey) {
    if (out == nullptr) return;
    const auto vk = static_cast<unsigned>(virtualKey);
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) {
        std::fprintf(out, "%c%c\n", down ? '+' : '-', static_cast<char>(vk));
    } else {
        std::fprintf(out, "%c%02X\n", down ? '+' : '-', vk);
    }
    std::fflush(out);
}

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            record(true, wParam);
            return 0;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            record(false, wParam);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    out = std::fopen(commandLine, "w");
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "TarvikFocusProbe";
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "TarvikFocusProbe", "focus probe", WS_OVERLAPPEDWINDOW, 150,
                                  150, 300, 200, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    if (out != nullptr) std::fclose(out);
    return 0;
}
