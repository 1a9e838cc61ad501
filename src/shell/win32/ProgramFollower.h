#pragma once
// Following the program in front: the system reports every change of the
// foreground window, and the configuration listed for that window's
// program is loaded the way the tray's "Load config" loads one.

#include <windows.h>

#include "config/ConfigFiles.h"
#include "shell/AppState.h"

namespace tarvik {

struct ProgramFollowerSetup {
    AppState* state;
    ConfigFileContext* files;
    HWND controllerWindow;  // owner of the tray icon whose tip names the record
};

// Once, on the main thread, after the tray icon is installed; `startFile` is
// the configuration start-up loaded.
void setUpProgramFollowing(const ProgramFollowerSetup& setup, const char* startFile, bool on);
// At shutdown, before the devices are released.
void endProgramFollowing();

// A new window in front, from the shell's foreground hook; nothing while
// following is off. The window that counts is the one in front once the
// foreground has settled, not necessarily this one.
void followForeground(HWND foreground, DWORD eventTime);

bool followingPrograms();
// Switching on takes what is loaded as the configuration that comes back and
// follows the program in front at once; switching off brings that one back.
void followPrograms(bool on);

// What the tray adds to the tip after the record's name (the pause), or "".
// The tip is shown again at once.
void setTrayTipNote(const char* note);

// Shows the tip again (the icon was added anew).
void showTrayTipAgain();

// A configuration loaded by hand from the tray menu.
void configurationChosenByHand(const char* file);

// The name of the configuration in use, as it was loaded.
const char* configurationInUse();

// The configuration window has closed: what it loaded by hand comes back
// from now on, and the program in front gets its configuration.
void followAfterConfigWindow();

}  // namespace tarvik
