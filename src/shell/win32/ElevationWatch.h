#pragma once
// Watches the program in front for one that runs elevated and warns in a
// tray balloon (ElevationWarnings). It has its own foreground event, apart
// from the one program following sets while it is on: the warning counts
// whether following is on or off.

#include <windows.h>

namespace tarvik {

// Once, on the main thread, after the tray icon is installed. An elevated
// Tarvik sets nothing up: it reaches every program.
void startElevationWatch(HWND controllerWindow);
// At shutdown, before the tray icon goes.
void endElevationWatch();

}  // namespace tarvik
