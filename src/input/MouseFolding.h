#pragma once
// The system mouse read as one more game device: its relative motion and
// wheel become deflections on the joystick axis scale.

#include <cstddef>
#include <cstdint>

#include "input/DeviceState.h"

namespace tarvik {

constexpr int kMouseButtons = 8;
constexpr int32_t kMouseAxisScale = 5;

// The DirectInput extended mouse state: motion since the last read.
struct MouseState {
    int32_t x;
    int32_t y;
    int32_t z;  // wheel, 120 per notch
    uint8_t buttons[kMouseButtons];
};
static_assert(sizeof(MouseState) == 20);
static_assert(offsetof(MouseState, z) == 8);
static_assert(offsetof(MouseState, buttons) == 12);

// Writes X, Y, Z times five and the eight button bytes into `row`. A mouse
// has no hats: they are written centred so no hat entry of the mouse block
// is ever held. Everything else in the row is left alone.
void foldMouseState(const MouseState& mouse, DeviceState& row);

// Marks all four hats of a row as centred.
void centreHats(DeviceState& row);

}  // namespace tarvik
