#include "shell/ElevationWarnings.h"

namespace tarvik {

namespace {

bool warnedBefore(const ElevationWarnings& warnings, WindowHandle window) {
    for (WindowHandle warned : warnings.warned) {
        if (warned == window) return true;
    }
    return false;
}

}  // namespace

bool warnAboutForeground(ElevationWarnings& warnings, WindowHandle foreground,
                         ProcessElevation& elevation) {
    if (warnings.selfElevated || foreground == kNoWindow) return false;
    if (warnedBefore(warnings, foreground)) return false;
    // A process that cannot be read may be anything; a warning that may be
    // wrong would teach the user to ignore it.
    if (elevation.ofWindow(foreground) != Elevation::kElevated) return false;
    warnings.warned[warnings.next] = foreground;
    warnings.next = (warnings.next + 1) % kWarnedWindows;
    return true;
}

}  // namespace tarvik
