#pragma once
// Switches of the configuration that nobody waits on with a message box: a
// second start's LOAD: and a control's "next configuration" and "previous
// configuration". Each asks the file first, keeps the configuration in use
// when it would not load, and reports in a tray balloon.

#include "shell/win32/TrayController.h"

namespace tarvik {

// Loads `path` through the tray's pause-and-load path; `name` is what the
// balloon calls it. False (and a balloon "could not load NAME: REASON")
// when the file would not load; then the record in use stays. A switch a
// control asked for leaves every held control to act from its next press
// (else the control that asked would ask again at once).
bool switchConfiguration(const TrayControllerContext& tray, const char* path, const char* name,
                         bool askedByControl = false);

// The next (1) or previous (-1) file of the tray's list, wrapping round; a
// balloon names the configuration now in use.
void stepConfiguration(const TrayControllerContext& tray, int step);

// A balloon over the tray icon, titled with the program's name.
void showSwitchBalloon(const TrayControllerContext& tray, const char* text);

}  // namespace tarvik
