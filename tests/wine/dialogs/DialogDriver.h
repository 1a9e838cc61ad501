#pragma once
// Plays the user of one modal dialog from a second thread while the test's
// own thread runs the dialog: it waits for the dialog by its caption, reads
// and clicks its controls through messages, and records what it saw. Every
// wait is bounded; a dialog the script leaves open is closed for it.

#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace tarvik::testing {

// Where and how a dialog stood while it was open.
struct DialogPlacement {
    RECT desktop{};
    RECT window{};
    bool topmost = false;
};

class DialogDriver {
  public:
    using Script = std::function<void(HWND)>;

    DialogDriver(std::string captionPrefix, Script script)
        : captionPrefix_(std::move(captionPrefix)), script_(std::move(script)) {
        thread_ = std::thread([this] { run(); });
    }
    ~DialogDriver() { finish(); }
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    // Waits for the script to end; call it before reading what it recorded.
    void finish() {
        if (thread_.joinable()) thread_.join();
    }
    bool found() const { return found_; }
    bool closedByScript() const { return closedByScript_; }

    // The control calls, made from the driving thread.
    static LRESULT send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        DWORD_PTR result = 0;
        SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, 5000, &result);
        return static_cast<LRESULT>(result);
    }
    static void click(HWND dialog, int id) { send(GetDlgItem(dialog, id), BM_CLICK); }
    static bool checked(HWND dialog, int id) {
        return send(GetDlgItem(dialog, id), BM_GETCHECK) == BST_CHECKED;
    }
    static bool visible(HWND dialog, int id) {
        return IsWindowVisible(GetDlgItem(dialog, id)) != 0;
    }
    static std::string text(HWND window) {
        char buffer[1024] = {};
        send(window, WM_GETTEXT, sizeof(buffer), reinterpret_cast<LPARAM>(buffer));
        return buffer;
    }
    static void setText(HWND window, const std::string& value) {
        send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value.c_str()));
    }
    static DialogPlacement placement(HWND dialog) {
        DialogPlacement seen;
        GetWindowRect(GetDesktopWindow(), &seen.desktop);
        GetWindowRect(dialog, &seen.window);
        seen.topmost = (GetWindowLongPtrA(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        return seen;
    }

  private:
    struct Search {
        const std::string* prefix;
        HWND found;
    };

    static BOOL CALLBACK match(HWND window, LPARAM param) {
        auto& search = *reinterpret_cast<Search*>(param);
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        char className[32] = {};
        GetClassNameA(window, className, sizeof(className));
        char caption[256] = {};
        GetWindowTextA(window, caption, sizeof(caption));
        if (process == GetCurrentProcessId() && IsWindowVisible(window) &&
            std::string(className) == "#32770" &&
            std::string(caption).rfind(*search.prefix, 0) == 0) {
            search.found = window;
            return FALSE;
        }
        return TRUE;
    }

    HWND waitForDialog() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (std::chrono::steady_clock::now() < deadline) {
            Search search{&captionPrefix_, nullptr};
            EnumWindows(match, reinterpret_cast<LPARAM>(&search));
            if (search.found != nullptr) return search.found;
            Sleep(20);
        }
        return nullptr;
    }

    void run() {
        HWND dialog = waitForDialog();
        if (dialog == nullptr) return;
        found_ = true;
        script_(dialog);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (IsWindow(dialog) && std::chrono::steady_clock::now() < deadline) Sleep(10);
        if (!IsWindow(dialog)) return;
        // The script did not end it: close it, which ends it as Cancel would.
        closedByScript_ = false;
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    }

    std::string captionPrefix_;
    Script script_;
    std::atomic<bool> found_{false};
    std::atomic<bool> closedByScript_{true};
    std::thread thread_;
};

}  // namespace tarvik::testing
