#pragma once
// Windows drops injected input aimed at a program that runs with higher
// rights than Tarvik, without a word. When such a program comes to the
// front, the tray says so once for that window, so the user knows why the
// controller does nothing there. A Tarvik that runs elevated itself
// reaches every program and never warns.

#include <cstdint>

#include "platform/WindowHandle.h"

namespace tarvik {

constexpr char kElevatedProgramWarning[] =
    "The program in front runs as administrator, so Tarvik's keys cannot reach it. Start "
    "Tarvik as administrator to control it.";

enum class Elevation { kUnknown, kNotElevated, kElevated };

// Asks the system about the process of a window; kUnknown when its
// process or its token cannot be read.
class ProcessElevation {
  public:
    virtual ~ProcessElevation() = default;
    virtual Elevation ofWindow(WindowHandle window) = 0;
};

// The windows warned about, the newest few: a window comes back to the
// front many times, a warning for it once is enough. Fixed in size, so
// the oldest is forgotten first.
constexpr int kWarnedWindows = 16;

struct ElevationWarnings {
    bool selfElevated = false;
    WindowHandle warned[kWarnedWindows] = {};
    int next = 0;
};

// True when the tray is to warn about `foreground` now, which is then
// remembered. The process is asked only when a warning could follow.
bool warnAboutForeground(ElevationWarnings& warnings, WindowHandle foreground,
                         ProcessElevation& elevation);

}  // namespace tarvik
