#pragma once
// Which shift settings may be used at all. A file can hold any numbers in
// shiftDevice and shiftButton; only values that name a real slot and one of
// the 32 evaluated buttons are honoured, anything else means "no shift
// button": never shifted, and no button byte is cleared.

#include "config/Configuration.h"
#include "input/DeviceState.h"

namespace tarvik {

constexpr uint32_t kShiftButtonOff = 32;

constexpr bool shiftButtonActive(const ConfigHeader& header) {
    return header.shiftButton < 32 && header.shiftDevice < kDeviceSlots / 2;
}

// Slot whose button bytes hold the shift button.
constexpr int shiftSlot(const ConfigHeader& header) {
    return static_cast<int>(header.shiftDevice) * 2;
}

inline bool shiftHeld(const ConfigHeader& header, const DeviceTable& devices) {
    if (!shiftButtonActive(header)) return false;
    return (devices.states[shiftSlot(header)].buttons[header.shiftButton] & kButtonPressed) != 0;
}

}  // namespace tarvik
