#pragma once
// Answers the message boxes this process shows, from a second thread, the
// way a user would: it waits for the dialog, reads its caption and text and
// presses the scripted button.

#include <windows.h>

#include <chrono>
#include <deque>
#include <mutex>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

#include "wine/OwnDialog.h"

namespace tarvik::testing {

class MessageBoxAnswerer {
  public:
    // One button id (IDOK, IDYES, IDNO) per box, in order; IDOK after that.
    explicit MessageBoxAnswerer(std::deque<int> buttons = {}) : buttons_(std::move(buttons)) {}

    // "caption|text" of every box answered so far.
    std::vector<std::string> seen() {
        std::lock_guard<std::mutex> lock(mutex_);
        return seen_;
    }

  private:
    static BOOL CALLBACK collectText(HWND child, LPARAM result) {
        char className[32] = {};
        GetClassNameA(child, className, sizeof(className));
        char text[512] = {};
        GetWindowTextA(child, text, sizeof(text));
        if (lstrcmpiA(className, "Static") == 0 && text[0] != '\0') {
            *reinterpret_cast<std::string*>(result) += text;
        }
        return TRUE;
    }

    void run(const std::stop_token& stop) {
        while (!stop.stop_requested()) {
            HWND box = nullptr;
            box = findOwnVisibleDialog();
            if (box == nullptr) {
                Sleep(20);
                continue;
            }
            char caption[256] = {};
            GetWindowTextA(box, caption, sizeof(caption));
            std::string text;
            EnumChildWindows(box, collectText, reinterpret_cast<LPARAM>(&text));
            int button = IDOK;
            {
                std::lock_guard<std::mutex> lock(mutex_);
                seen_.push_back(std::string(caption) + "|" + text);
                if (!buttons_.empty()) {
                    button = buttons_.front();
                    buttons_.pop_front();
                }
            }
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
            while (IsWindow(box) && std::chrono::steady_clock::now() < deadline) Sleep(10);
        }
    }

    std::deque<int> buttons_;
    std::vector<std::string> seen_;
    std::mutex mutex_;
    // Last: it is stopped and joined before anything it uses goes.
    std::jthread thread_{[this](std::stop_token stop) { run(stop); }};
};

}  // namespace tarvik::testing
