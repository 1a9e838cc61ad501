#include "input/CapabilityRules.h"

#include "input/DeviceState.h"

namespace tarvik {

uint32_t addObjectFlag(uint32_t flags, ObjectKind kind) {
    switch (kind) {
        case ObjectKind::kXAxis:
            return flags | CapabilityFlags::kX;
        case ObjectKind::kYAxis:
            return flags | CapabilityFlags::kY;
        case ObjectKind::kZAxis:
            return flags | CapabilityFlags::kZ;
        case ObjectKind::kRxAxis:
            return flags | CapabilityFlags::kRx;
        case ObjectKind::kRyAxis:
            return flags | CapabilityFlags::kRy;
        case ObjectKind::kRzAxis:
            return flags | CapabilityFlags::kRz;
        case ObjectKind::kSlider:
            if ((flags & CapabilityFlags::kSlider0) != 0) flags |= CapabilityFlags::kSlider1;
            return flags | CapabilityFlags::kSlider0;
        case ObjectKind::kPov:
            return flags | CapabilityFlags::kPov;
        case ObjectKind::kOther:
            return flags;
    }
    return flags;
}

uint32_t mouseCapabilityFlags(uint32_t axisCount) {
    uint32_t flags = 0;
    if (axisCount >= 1) flags |= CapabilityFlags::kX;
    if (axisCount >= 2) flags |= CapabilityFlags::kY;
    if (axisCount >= 3) flags |= CapabilityFlags::kZ;
    return flags;
}

}  // namespace tarvik
