#pragma once
// XInput signals nothing when a pad reports. The pads are HID game
// controllers as well, and the system hands their reports to a window that
// asks for raw input, in the background too: a thread of its own with a
// message-only window turns each into one set of an event that the polling
// thread waits on.

#include <windows.h>

namespace tarvik {

class RawInputReports {
  public:
    RawInputReports() = default;
    RawInputReports(const RawInputReports&) = delete;
    RawInputReports& operator=(const RawInputReports&) = delete;
    ~RawInputReports() { stop(); }

    // Starts the thread; false when the system refuses it, and then the
    // XInput pads stay on the cadence of the passes.
    bool start();
    void stop();
    // Set once for each batch of reports; null before start.
    HANDLE event() const { return event_; }

  private:
    static DWORD WINAPI run(LPVOID self);
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);

    HANDLE event_ = nullptr;
    HANDLE ready_ = nullptr;
    HANDLE thread_ = nullptr;
    HWND window_ = nullptr;
    bool listening_ = false;
};

}  // namespace tarvik
