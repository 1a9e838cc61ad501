#pragma once
// Answers this process's next open or save dialog from a second thread, as
// a user would: waits for it, notes its title and file types, types a file
// name and presses OK (or Cancel when no name is given).

#include <windows.h>

#include <dlgs.h>

#include <chrono>
#include <mutex>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

#include "wine/OwnDialog.h"

namespace tarvik::testing {

class FileDialogAnswerer {
  public:
    explicit FileDialogAnswerer(std::string fileName) : fileName_(std::move(fileName)) {}

    std::string title() {
        std::lock_guard<std::mutex> lock(mutex_);
        return title_;
    }
    std::vector<std::string> fileTypes() {
        std::lock_guard<std::mutex> lock(mutex_);
        return fileTypes_;
    }

  private:
    void run(const std::stop_token& stop) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        HWND dialog = nullptr;
        while (!stop.stop_requested() && dialog == nullptr &&
               std::chrono::steady_clock::now() < deadline) {
            dialog = findOwnVisibleDialog();
            if (dialog == nullptr) Sleep(20);
        }
        if (dialog == nullptr) return;
        Sleep(100);  // let the dialog finish filling its controls
        {
            std::lock_guard<std::mutex> lock(mutex_);
            char text[256] = {};
            GetWindowTextA(dialog, text, sizeof(text));
            title_ = text;
            HWND types = GetDlgItem(dialog, cmb1);
            const LRESULT count = SendMessageA(types, CB_GETCOUNT, 0, 0);
            for (LRESULT i = 0; i < count; ++i) {
                SendMessageA(types, CB_GETLBTEXT, static_cast<WPARAM>(i),
                             reinterpret_cast<LPARAM>(text));
                fileTypes_.push_back(text);
            }
        }
        int button = IDCANCEL;
        if (!fileName_.empty()) {
            HWND name = GetDlgItem(dialog, cmb13);
            if (name == nullptr) name = GetDlgItem(dialog, edt1);
            SetWindowTextA(name, fileName_.c_str());
            button = IDOK;
        }
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
    }

    std::string fileName_;
    std::string title_;
    std::vector<std::string> fileTypes_;
    std::mutex mutex_;
    // Last: it is stopped and joined before anything it uses goes.
    std::jthread thread_{[this](std::stop_token stop) { run(stop); }};
};

}  // namespace tarvik::testing
