#pragma once
// How many game controllers the device tables take.

#include "input/DeviceState.h"

namespace tarvik {

// Joystick d owns slots 2d and 2d + 1 and the mouse the slot after the last
// joystick, so 14 slots hold six joysticks and the mouse. A seventh would
// leave the mouse without a slot.
constexpr int kMaxJoysticks = (kDeviceSlots - 1) / 2;
static_assert(kMaxJoysticks == 6);

// The joysticks the tables hold, whatever a damaged count says.
inline int knownJoysticks(const DeviceTable& table) {
    return table.deviceCount < 0
               ? 0
               : (table.deviceCount > kMaxJoysticks ? kMaxJoysticks : table.deviceCount);
}

}  // namespace tarvik
