#include "input/XInputConversion.h"

namespace tarvik {

namespace {

constexpr int64_t kStickSpan = 65535;  // -32768..32767
constexpr int64_t kTriggerSpan = 255;
constexpr int64_t kAxisSpan = kAxisMax - kAxisMin;

// Rounded to the nearest; both arguments are never negative here.
constexpr int32_t scaled(int64_t value, int64_t span, int64_t to) {
    return static_cast<int32_t>((value * to + span / 2) / span);
}

// DirectInput's button order for these pads.
constexpr uint16_t kButtonOrder[kXInputButtons] = {XInputButton::kA,
                                                   XInputButton::kB,
                                                   XInputButton::kX,
                                                   XInputButton::kY,
                                                   XInputButton::kLeftShoulder,
                                                   XInputButton::kRightShoulder,
                                                   XInputButton::kBack,
                                                   XInputButton::kStart,
                                                   XInputButton::kLeftThumb,
                                                   XInputButton::kRightThumb};

// Clockwise from north in steps of 45 degrees, by (vertical, horizontal):
// -1 up or left, +1 down or right.
constexpr uint32_t kDpadAngles[3][3] = {
    {31500, 0, 4500},            // up-left, up, up-right
    {27000, kPovCentred, 9000},  // left, centre, right
    {22500, 18000, 13500},       // down-left, down, down-right
};

int direction(uint16_t buttons, uint16_t negative, uint16_t positive) {
    return ((buttons & positive) != 0 ? 1 : 0) - ((buttons & negative) != 0 ? 1 : 0);
}

}  // namespace

int32_t stickAxis(int16_t value) {
    return kAxisMin + scaled(static_cast<int64_t>(value) + 32768, kStickSpan, kAxisSpan);
}

int32_t triggerAxis(uint8_t value) {
    return scaled(value, kTriggerSpan, kAxisMax);
}

int32_t combinedTriggerAxis(uint8_t left, uint8_t right) {
    // The platform's "Comparison of XInput and DirectInput features" says
    // why DirectInput puts both triggers on one axis (at rest it reads
    // centred) and that one trigger drives it the positive way, the other
    // the negative way. Which is which is the pads' HID mapping as
    // DirectInput shows it: the left trigger raises Z, the right lowers it
    // (the game-controller panel shows it so, and SDL's mapping database
    // for these pads under DirectInput says "lefttrigger:+a2",
    // "righttrigger:-a2"). Each trigger covers half the span.
    return kAxisMin +
           scaled(static_cast<int64_t>(left) - right + kTriggerSpan, 2 * kTriggerSpan, kAxisSpan);
}

uint32_t dpadAngle(uint16_t buttons) {
    const int vertical = direction(buttons, XInputButton::kDpadUp, XInputButton::kDpadDown);
    const int horizontal = direction(buttons, XInputButton::kDpadLeft, XInputButton::kDpadRight);
    return kDpadAngles[vertical + 1][horizontal + 1];
}

void fillXInputRow(const XInputGamepad& pad, DeviceState& row) {
    row = DeviceState{};
    row.axes[0] = stickAxis(pad.thumbLX);
    // XInput's Y grows upwards, DirectInput's downwards: the mirror image
    // of v in -32768..32767 is -1 - v.
    row.axes[1] = stickAxis(static_cast<int16_t>(-1 - pad.thumbLY));
    row.axes[2] = combinedTriggerAxis(pad.leftTrigger, pad.rightTrigger);
    row.axes[3] = stickAxis(pad.thumbRX);
    row.axes[4] = stickAxis(static_cast<int16_t>(-1 - pad.thumbRY));
    row.axes[6] = triggerAxis(pad.leftTrigger);
    row.axes[7] = triggerAxis(pad.rightTrigger);
    row.pov[0] = dpadAngle(pad.buttons);
    for (int hat = 1; hat < kPovCount; ++hat) row.pov[hat] = kPovCentred;
    for (int b = 0; b < static_cast<int>(kXInputButtons); ++b) {
        if ((pad.buttons & kButtonOrder[b]) != 0) row.buttons[b] = kButtonPressed;
    }
}

}  // namespace tarvik
