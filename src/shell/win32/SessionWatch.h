#pragma once
// The system's word that the session locks or the machine goes to sleep,
// both of which must let go of what the mapping holds. Started at logon,
// Tarvik can run before the session service does: the registration for
// lock and unlock is tried again until it succeeds.

#include <windows.h>

namespace tarvik {

// On the tray's window, at its creation: lock and switch of users arrive as
// WM_WTSSESSION_CHANGE, suspend (also the modern standby's) as
// WM_POWERBROADCAST.
void watchSessionAndPower(HWND window);
// At the window's destruction.
void endSessionAndPowerWatch(HWND window);

}  // namespace tarvik
