#pragma once
// An XInput pad's state as a joystick row: the layout DirectInput gives
// these pads (so configurations made for them keep working), plus the two
// triggers on their own as sliders 0 and 1.

#include <cstdint>

#include "input/DeviceState.h"

namespace tarvik {

// The gamepad part of an XInput state, in the platform's published layout.
struct XInputGamepad {
    uint16_t buttons;
    uint8_t leftTrigger;   // 0..255
    uint8_t rightTrigger;  // 0..255
    int16_t thumbLX;       // -32768..32767, right positive
    int16_t thumbLY;       // -32768..32767, up positive
    int16_t thumbRX;
    int16_t thumbRY;
};
static_assert(sizeof(XInputGamepad) == 12);

namespace XInputButton {
constexpr uint16_t kDpadUp = 0x0001;
constexpr uint16_t kDpadDown = 0x0002;
constexpr uint16_t kDpadLeft = 0x0004;
constexpr uint16_t kDpadRight = 0x0008;
constexpr uint16_t kStart = 0x0010;
constexpr uint16_t kBack = 0x0020;
constexpr uint16_t kLeftThumb = 0x0040;
constexpr uint16_t kRightThumb = 0x0080;
constexpr uint16_t kLeftShoulder = 0x0100;
constexpr uint16_t kRightShoulder = 0x0200;
constexpr uint16_t kA = 0x1000;
constexpr uint16_t kB = 0x2000;
constexpr uint16_t kX = 0x4000;
constexpr uint16_t kY = 0x8000;
}  // namespace XInputButton

// What a pad has: both sticks, the combined trigger axis, both triggers
// alone and the D-pad as a hat.
constexpr uint32_t kXInputCapabilityFlags = CapabilityFlags::kX | CapabilityFlags::kY |
                                            CapabilityFlags::kZ | CapabilityFlags::kRx |
                                            CapabilityFlags::kRy | CapabilityFlags::kSlider0 |
                                            CapabilityFlags::kSlider1 | CapabilityFlags::kPov;
// The counts the configuration window shows: X, Y, Z, Rx, Ry and the two
// sliders; A, B, X, Y, LB, RB, Back, Start and the two stick clicks.
constexpr uint32_t kXInputAxes = 7;
constexpr uint32_t kXInputButtons = 10;
constexpr uint32_t kXInputPovs = 1;

// -32768..32767 onto -1000..+1000 linearly, as DirectInput scales a range.
int32_t stickAxis(int16_t value);
// 0..255 onto 0..+1000.
int32_t triggerAxis(uint8_t value);
// Both triggers on one axis: left towards +1000, right towards -1000, both
// held or both free centred.
int32_t combinedTriggerAxis(uint8_t left, uint8_t right);
// The D-pad as a hat angle in hundredths of a degree; opposite directions
// cancel; nothing (or only cancelling ones) pressed reads centred.
uint32_t dpadAngle(uint16_t buttons);

// The whole row: every field written, nothing else of the row kept.
void fillXInputRow(const XInputGamepad& pad, DeviceState& row);

}  // namespace tarvik
