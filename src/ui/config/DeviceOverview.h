#pragma once
// What the configuration window shows of the attached devices: per slot the
// product name, the counts from the device's capabilities and the
// capability flags. The window fills it from the device layer's rows; the
// page rules read only this, so tests can describe any device.

#include <cstdint>

#include "input/DeviceState.h"

namespace tarvik {

struct DeviceSlotInfo {
    char productName[260];  // may lack a terminator, like the system's own row
    int32_t buttonCount;
    int32_t axisCount;
    int32_t povCount;
    uint32_t capabilityFlags;
};

struct DeviceOverview {
    int32_t deviceCount;  // joysticks; the mouse is slot 2 * deviceCount
    DeviceSlotInfo slots[kDeviceSlots];
};

}  // namespace tarvik
