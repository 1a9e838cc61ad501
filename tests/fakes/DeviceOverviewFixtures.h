#pragma once
// Device descriptions for the configuration window's rules.

#include <cstdio>
#include <memory>

#include "ui/config/DeviceOverview.h"

namespace tarvik::testing {

inline std::unique_ptr<DeviceOverview> makeOverview(int joysticks) {
    auto overview = std::make_unique<DeviceOverview>();
    overview->deviceCount = joysticks;
    return overview;
}

// Describes both slots of joystick `device` (or the one slot given).
inline void describeSlot(DeviceOverview& overview, int slot, int buttons, int axes, int povs,
                         uint32_t flags, const char* name = "Test Pad") {
    DeviceSlotInfo& info = overview.slots[slot];
    std::snprintf(info.productName, sizeof(info.productName), "%s", name);
    info.buttonCount = buttons;
    info.axisCount = axes;
    info.povCount = povs;
    info.capabilityFlags = flags;
}

}  // namespace tarvik::testing
