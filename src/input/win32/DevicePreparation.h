#pragma once
// The set-up of one device, shared by the enumeration at start-up and the
// one after a device change, so a controller plugged in later is prepared
// exactly like one found at start.

#include "input/DeviceState.h"
#include "input/win32/DirectInputTables.h"

namespace tarvik {

// Prepares joystick `joystick`, whose interface is in rows 2 * joystick and
// 2 * joystick + 1: description and capability rows, data format,
// cooperative level with `window`, axis ranges and capability flags.
// `workingSlot` tells the object callback the slot; it is left at the
// joystick's first slot. Returns the first failing result, else DI_OK.
HRESULT prepareJoystick(DeviceTable& table, DirectInputTables& directInput, HWND window,
                        int joystick, int& workingSlot);

// Lets joystick `joystick`'s interface `device`, not yet acquired, set the
// place's report event on every report. A device that answers that it must
// be polled would set it only on the thread's own polls, and is left
// without; so is one that refuses.
void armReportEvent(DirectInputTables& directInput, int joystick, IDirectInputDevice8A* device);

// Gives the mouse's slot, the one after the last joystick, the mouse's
// description, capability rows and flags, at rest.
void placeMouse(DeviceTable& table, DirectInputTables& directInput);

// Writes the order of the pads by path for the next start, when there is
// somewhere to keep it and it changed.
void rememberPadOrder(const DeviceTable& table, DirectInputTables& directInput);

}  // namespace tarvik
