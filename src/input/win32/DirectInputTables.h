#pragma once
// What the device layer keeps of DirectInput, slot by slot, beside the
// DeviceTable the engine reads. One instance lives for the whole process.

#include <cstddef>
#include <cstdint>

#include "input/DeviceState.h"
#include "input/EnumerationLimit.h"
#include "input/MouseFolding.h"
#include "input/PadOrderFile.h"
#include "input/PadPlaces.h"
#include "input/win32/DirectInput.h"
#include "input/win32/XInputTables.h"

namespace tarvik {

struct DirectInputTables {
    IDirectInput8A* directInput;
    // Rows 2d and 2d + 1 hold joystick d; the mouse's row and the rows of
    // absent devices are null.
    IDirectInputDevice8A* devices[kDeviceSlots];
    DIDEVICEINSTANCEA descriptions[kDeviceSlots];  // product name for the window
    DIDEVCAPS capabilities[kDeviceSlots];          // axis, button and hat counts
    IDirectInputDevice8A* mouse;
    MouseState mouseState;
    // Failed reads in a row, by the joystick's first slot, and the mouse's.
    uint8_t failedReads[kDeviceSlots];
    uint8_t mouseFailedReads;
    // Joystick d's instance GUID as last listed, and whether the last
    // enumeration missed it. An absent joystick is not read.
    GUID instances[kMaxJoysticks];
    uint8_t absent[kMaxJoysticks];
    // Joystick d's path, by which a device that comes back finds its place
    // again, and the twins of XInput pads left out.
    PadPlaces pads;
    // Where the order of the pads is remembered between runs; null: it is
    // not (the device tests).
    FileSystem* orderFiles;
    PadOrderMemory padOrder;
    // The XInput pads among the joysticks; their device rows stay null.
    XInputTables xinput;
    // Joystick d's event, which its interface sets on every report, and
    // whether it does: a device that must be polled, or refuses, stays on
    // the cadence of the passes. Made once, kept until the devices go.
    HANDLE reportEvents[kMaxJoysticks];
    uint8_t reporting[kMaxJoysticks];
};

static_assert(sizeof(DIDEVICEINSTANCEA) == 580);
static_assert(sizeof(DIDEVCAPS) == 44);
static_assert(sizeof(DIJOYSTATE2) == sizeof(DeviceState));
static_assert(offsetof(DIJOYSTATE2, rglSlider) == offsetof(DeviceState, axes) + 24);
static_assert(offsetof(DIJOYSTATE2, rgdwPOV) == offsetof(DeviceState, pov));
static_assert(offsetof(DIJOYSTATE2, rgbButtons) == offsetof(DeviceState, buttons));
static_assert(sizeof(DIMOUSESTATE2) == sizeof(MouseState));
static_assert(offsetof(DIMOUSESTATE2, lZ) == offsetof(MouseState, z));
static_assert(offsetof(DIMOUSESTATE2, rgbButtons) == offsetof(MouseState, buttons));

}  // namespace tarvik
