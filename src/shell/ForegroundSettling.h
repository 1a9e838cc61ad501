#pragma once
// Which program counts as being in front. The shell brings its own windows
// to the front for a moment (a click in the notification area, Alt+Tab,
// Start, search, notifications, the game bar), each time followed by the
// program that was there; following them would load the base configuration,
// letting go of held keys, and then the game's again. So the program is
// decided once the foreground has stood still for a while, from the window
// in front at that moment, and the shell's own windows change nothing.

#include <cstdint>

#include "platform/FileSystem.h"
#include "platform/WindowHandle.h"

namespace tarvik {

// How long the foreground must stand still before it counts.
constexpr uint32_t kForegroundSettleMs = 250;

// What following asks the system about windows; tests put a fake in.
class ForegroundSource {
  public:
    virtual ~ForegroundSource() = default;
    virtual WindowHandle foregroundWindow() = 0;
    // The window's class name, "" when it has none any more.
    virtual void className(WindowHandle window, char (&name)[256]) = 0;
    // The full path of the window's program, false when it cannot be asked
    // (a protected process).
    virtual bool imagePath(WindowHandle window, char (&path)[kMaxPathLength]) = 0;
    virtual bool ownProcess(WindowHandle window) = 0;
    // The child window of class `className`, or kNoWindow.
    virtual WindowHandle childOfClass(WindowHandle window, const char* className) = 0;
};

// True for the shell's own windows: taskbar and notification area, the
// desktop, Start and search, the task switcher, the lock screen. `image`
// is the window's program ("" when unknown).
bool isShellWindow(const char* className, const char* image);

enum class InFront {
    kNoChange,  // the shell, Tarvik itself, or no window: what is loaded stays
    kProgram,   // a program, identified
    kUnknown,   // a program that cannot be identified: it has no configuration
};

// The program a window in front stands for. A Store app's window belongs to
// the frame host; the app is the program of the frame's core window.
InFront programInFront(ForegroundSource& source, WindowHandle window,
                       char (&image)[kMaxPathLength]);

// Foreground events wait here until the foreground has settled.
struct ForegroundSettling {
    bool waiting = false;
    uint32_t dueMs = 0;
};

// A foreground event at `nowMs`: the decision waits kForegroundSettleMs
// from now, whatever was waiting before.
void foregroundChanged(ForegroundSettling& settling, uint32_t nowMs);

// True once when the foreground has settled at `nowMs`: then the window in
// front at that moment counts.
bool foregroundSettled(ForegroundSettling& settling, uint32_t nowMs);

// How long from `nowMs` until the foreground may have settled (0: now).
uint32_t settleRemainingMs(const ForegroundSettling& settling, uint32_t nowMs);

}  // namespace tarvik
