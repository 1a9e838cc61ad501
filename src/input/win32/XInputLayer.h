#pragma once
// XInput pads as joysticks of their own, after the DirectInput ones: the
// DLL is loaded at run time, so without it DirectInput alone serves.

#include "input/win32/DirectInputTables.h"

namespace tarvik {

// Loads xinput1_4.dll, else xinput1_3.dll, else xinput9_1_0.dll, unless
// XInput is off. True when one answered with its state function.
bool loadXInput(XInputTables& xinput);

// For the DirectInput enumeration, right after CreateDevice: true when
// XInput is in use and serves this controller, which is then left out.
bool leftToXInput(XInputTables& xinput, IDirectInputDevice8A* device,
                  const DIDEVICEINSTANCEA& instance);

// Asks every user index that does not answer (all of them at start-up,
// afterwards on a device change only): a pad that answers again reads in
// its old slots, a new one takes the next joystick's slots, described and
// read at once. Returns how many joysticks were added (the mouse's slot
// moves behind them).
int takeXInputPads(DeviceTable& table, DirectInputTables& directInput);

// For the look after a device change: how many user indices that did not
// answer do now and would find a place, with `room` places left after the
// DirectInput controllers. Changes nothing.
int xinputPadsToTake(const DirectInputTables& directInput, int room);

// Reads the XInput pad of `slot` into its row. A pad that is not connected
// reads at rest and keeps its slots; it is not asked again until
// takeXInputPads. 0 on success or when there is nothing to read.
int32_t pollXInputPad(DeviceTable& table, DirectInputTables& directInput, int slot);

// Lets go of the DLL; only once the polling has stopped.
void releaseXInput(XInputTables& xinput);

}  // namespace tarvik
