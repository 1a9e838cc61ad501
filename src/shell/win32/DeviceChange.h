#pragma once
// The system's word that devices came or went, taken on the controller
// window's thread: the controllers are looked at once the burst of
// messages has settled and once more a little later, and the mapping
// stands still only when a place changes.

#include <windows.h>

#include "shell/win32/TrayController.h"

namespace tarvik {

// Asks for HID interface arrivals and removals besides the broadcast that
// every top-level window gets; the handle goes with the window.
void registerForDeviceInterfaces(HWND window);
void unregisterForDeviceInterfaces();

// WM_DEVICECHANGE: true when the message announces a change worth a look;
// the looks are then (re)timed.
bool deviceChangeAnnounced(HWND window, WPARAM event);

// True for the timers of the looks.
bool isDeviceChangeTimer(WPARAM timer);

// One look, from one of those timers.
void takeDeviceChange(const TrayControllerContext& tray, HWND window, WPARAM timer);

}  // namespace tarvik
