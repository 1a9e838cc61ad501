#pragma once
// One Tarvik per desktop: a second start hands its command line to the
// running one (WM_COPYDATA to its TaskBarController window) and ends.
// Windows delivers such a message only between processes of one desktop,
// and not from a process of lower integrity to a higher one, so only the
// same user's starts can hand over.

#include <windows.h>

#include "shell/win32/TrayController.h"

namespace tarvik {

// Two starts at the same moment (a Startup shortcut and a double click)
// would both find no running Tarvik: a start holds this lock from looking
// for one until it takes handovers itself (or ends), and the other waits
// for it, a few seconds at most.
class StartLock {
  public:
    StartLock();
    ~StartLock() { release(); }
    StartLock(const StartLock&) = delete;
    StartLock& operator=(const StartLock&) = delete;
    void release();

  private:
    HANDLE mutex_ = nullptr;
    bool held_ = false;
};

// The second start's side: true when the running Tarvik took the command
// line. It may bring its windows forward, as this start could.
bool handOverToRunningInstance(HWND running, const char* commandLine);

// The running side, once start-up is done; until then a handover is
// refused (a start-up message box lets messages in).
void acceptHandovers();

// WM_COPYDATA: what the second start asked for is done here, errors as
// tray balloons. False for anything that is not a Tarvik start.
bool takeHandover(const TrayControllerContext& tray, const COPYDATASTRUCT& data);

}  // namespace tarvik
