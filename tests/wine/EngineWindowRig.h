#pragma once
// The engine's two windows from their real classes and procedures, opened
// the way the action executor opens them, in front of a focused probe window
// that records what is typed into it. Each test gets a fresh AppState.

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "config/Defaults.h"
#include "engine/win32/Win32EngineWindows.h"
#include "platform/win32/Win32Platform.h"
#include "shell/AppState.h"
#include "ui/text_input/win32/EngineWindowClasses.h"
#include "wine/MessagePump.h"
#include "wine/ProbeWindow.h"

namespace tarvik::testing {

constexpr DWORD kPatienceMs = 3000;

struct ProbeKey {
    UINT message;
    WPARAM wParam;
};

// What reached the probe window: key messages and the typed characters.
inline std::vector<ProbeKey> probeKeys;
inline std::string probeTyped;

inline LRESULT CALLBACK probeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
            probeKeys.push_back({message, wParam});
            // F10 would otherwise start the menu loop.
            if (message != WM_KEYDOWN && message != WM_KEYUP) return 0;
            break;
        case WM_CHAR:
            probeKeys.push_back({message, wParam});
            probeTyped.push_back(static_cast<char>(wParam));
            InvalidateRect(window, nullptr, TRUE);
            break;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            const std::string text = "typed into this window: " + probeTyped;
            TextOutA(dc, 12, 12, text.c_str(), static_cast<int>(text.size()));
            EndPaint(window, &paint);
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// Dispatches this thread's messages, as the polling thread does once per
// pass, until `done` holds or the patience runs out.
inline bool pumpUntil(const std::function<bool()>& done, DWORD patienceMs = kPatienceMs) {
    return pumpMessagesUntil(done, patienceMs);
}

inline void pumpFor(DWORD ms) {
    pumpUntil([] { return false; }, ms);
}

// A click of the left button at `screen` through the system's input queue,
// as the user makes it.
inline void clickAt(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
}

inline std::string windowTitle(HWND window) {
    char text[128] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

inline HWND hwndOf(WindowHandle handle) {
    return reinterpret_cast<HWND>(handle);
}

class EngineWindowRig : public ::testing::Test {
  protected:
    static constexpr char kProbeClass[] = "TarvikEngineWindowProbe";
    static constexpr char kProbeTitle[] = "focused test window";

    Win32Platform platform;
    std::unique_ptr<AppState> app = std::make_unique<AppState>();
    Win32EngineWindows windows{*app, nullptr};
    HBRUSH faceBrush = nullptr;
    HWND probe = nullptr;

    void SetUp() override {
        HINSTANCE instance = GetModuleHandleA(nullptr);
        fillFunctionKeyTable(app->functionKeys, platform);
        faceBrush = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
        ASSERT_TRUE(registerEngineWindowClasses(instance, faceBrush))
            << "JoyString or JoyF is already registered in this process";

        probeKeys.clear();
        probeTyped.clear();
        probe = openProbeWindow(kProbeClass, kProbeTitle, probeWindowProc, {160, 110, 860, 530});
        ASSERT_NE(probe, nullptr);
        ASSERT_TRUE(focusProbeWindow(probe)) << "the probe window never got the focus";
    }

    void TearDown() override {
        for (WindowHandle handle : {app->engine.stringWindow, app->engine.fSelectWindow}) {
            if (handle != kNoWindow && IsWindow(hwndOf(handle))) DestroyWindow(hwndOf(handle));
        }
        if (probe != nullptr) DestroyWindow(probe);
        pumpFor(20);
        HINSTANCE instance = GetModuleHandleA(nullptr);
        unregisterEngineWindowClasses(instance);
        UnregisterClassA(kProbeClass, instance);
        if (faceBrush != nullptr) DeleteObject(faceBrush);
    }

    // The engine's windows must never take the foreground or the keyboard
    // focus from the application being typed into.
    ::testing::AssertionResult probeKeepsTheFocus() const {
        if (GetForegroundWindow() == probe && GetFocus() == probe)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << "foreground \"" << windowTitle(GetForegroundWindow()) << "\", focus "
               << GetFocus();
    }
    static RECT desktopArea() { return rectOf(GetClientRect, GetDesktopWindow()); }
    static RECT screenRectOf(HWND window) { return rectOf(GetWindowRect, window); }
    static RECT rectOf(BOOL(WINAPI* get)(HWND, RECT*), HWND window) {
        RECT r{};
        get(window, &r);
        return r;
    }
};

// A copy of a window's client area (or of the screen), read back pixel by
// pixel as COLORREF values.
class PixelImage {
  public:
    // The client area of `window`, or the whole screen for nullptr.
    explicit PixelImage(HWND window) {
        RECT area{};
        if (window != nullptr) {
            GetClientRect(window, &area);
        } else {
            area.right = GetSystemMetrics(SM_CXSCREEN);
            area.bottom = GetSystemMetrics(SM_CYSCREEN);
        }
        width_ = area.right;
        height_ = area.bottom;
        pixels_.assign(static_cast<size_t>(width_) * height_, 0);
        if (width_ <= 0 || height_ <= 0) return;

        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_;  // top row first
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        HDC source = GetDC(window);
        HDC memory = CreateCompatibleDC(source);
        HBITMAP bitmap = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width_, height_, source, 0, 0, SRCCOPY);
        GdiFlush();
        const auto* row = static_cast<const uint32_t*>(bits);
        for (size_t i = 0; i < pixels_.size(); ++i) {
            const uint32_t bgr = row[i];
            pixels_[i] = RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
        }
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(window, source);
    }

    int width() const { return width_; }
    int height() const { return height_; }
    COLORREF at(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    bool operator==(const PixelImage&) const = default;

    // Writes the image as a 24-bit BMP file.
    bool save(const char* path) const {
        const int stride = (width_ * 3 + 3) & ~3;
        BITMAPFILEHEADER file{};
        BITMAPINFOHEADER header{};
        header.biSize = sizeof(header);
        header.biWidth = width_;
        header.biHeight = height_;  // bottom row first
        header.biPlanes = 1;
        header.biBitCount = 24;
        header.biCompression = BI_RGB;
        file.bfType = 0x4D42;
        file.bfOffBits = sizeof(file) + sizeof(header);
        file.bfSize = file.bfOffBits + static_cast<DWORD>(stride) * height_;
        FILE* out = std::fopen(path, "wb");
        if (out == nullptr) return false;
        std::fwrite(&file, sizeof(file), 1, out);
        std::fwrite(&header, sizeof(header), 1, out);
        std::vector<unsigned char> line(static_cast<size_t>(stride), 0);
        for (int y = height_ - 1; y >= 0; --y) {
            for (int x = 0; x < width_; ++x) {
                const COLORREF c = at(x, y);
                line[3 * x] = GetBValue(c);
                line[3 * x + 1] = GetGValue(c);
                line[3 * x + 2] = GetRValue(c);
            }
            std::fwrite(line.data(), line.size(), 1, out);
        }
        return std::fclose(out) == 0;
    }

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<COLORREF> pixels_;
};

constexpr COLORREF inverted(COLORREF colour) {
    return colour ^ 0xFFFFFFu;
}

// Saves the screen when TARVIK_SCREENSHOT names a file (the README's
// picture is made this way).
inline void saveScreenshotIfAsked() {
    const char* path = std::getenv("TARVIK_SCREENSHOT");
    if (path == nullptr || *path == '\0') return;
    EXPECT_TRUE(PixelImage(nullptr).save(path)) << path;
}

}  // namespace tarvik::testing
