#include "ui/config/win32/DeviceDescription.h"

#include <cstring>

namespace tarvik {

static_assert(sizeof(DeviceSlotInfo::productName) == sizeof(DIDEVICEINSTANCEA::tszProductName));

void describeDevices(const DirectInputTables& directInput, const DeviceTable& devices,
                     DeviceOverview& overview) {
    overview.deviceCount = devices.deviceCount;
    for (int slot = 0; slot < kDeviceSlots; ++slot) {
        DeviceSlotInfo& info = overview.slots[slot];
        const DIDEVCAPS& caps = directInput.capabilities[slot];
        std::memcpy(info.productName, directInput.descriptions[slot].tszProductName,
                    sizeof(info.productName));
        info.buttonCount = static_cast<int32_t>(caps.dwButtons);
        info.axisCount = static_cast<int32_t>(caps.dwAxes);
        info.povCount = static_cast<int32_t>(caps.dwPOVs);
        info.capabilityFlags = devices.capabilityFlags[slot];
    }
}

}  // namespace tarvik
