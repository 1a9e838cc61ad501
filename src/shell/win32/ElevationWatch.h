#pragma once
// Watches the program in front for one that runs elevated and warns in a
// tray balloon (ElevationWarnings), whether following is on or off.

#include <windows.h>

namespace tarvik {

// Once, on the main thread, after the tray icon is installed: checks the
// program in front at start-up, which gets no event of its own.
void startElevationWatch(HWND controllerWindow);
// A new window in front. An elevated Tarvik never asks: it reaches every
// program.
void checkForegroundElevation(HWND foreground);

}  // namespace tarvik
