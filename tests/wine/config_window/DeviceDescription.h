#pragma once
// One device slot described as the device layer fills it: the product name
// and capabilities the window shows, and the capability flags the engine
// reads.

#include <windows.h>

#include <cstdint>
#include <cstdio>

#include "input/DeviceState.h"
#include "input/win32/DirectInputTables.h"

namespace tarvik::testing {

inline void describeSlot(DirectInputTables& tables, DeviceTable& devices, int slot,
                         const char* name, DWORD buttons, DWORD axes, DWORD povs, uint32_t flags) {
    std::snprintf(tables.descriptions[slot].tszProductName,
                  sizeof(tables.descriptions[slot].tszProductName), "%s", name);
    tables.capabilities[slot].dwButtons = buttons;
    tables.capabilities[slot].dwAxes = axes;
    tables.capabilities[slot].dwPOVs = povs;
    devices.capabilityFlags[slot] = flags;
}

}  // namespace tarvik::testing
