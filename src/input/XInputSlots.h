#pragma once
// Which joysticks are XInput pads, which of those answer, and where a pad
// that answers for the first time goes. Kept apart from the system calls
// so the rules can be tested anywhere.

#include <cstdint>

#include "input/EnumerationLimit.h"

namespace tarvik {

constexpr int kXInputUsers = 4;

struct XInputSlots {
    // User index + 1 of joystick d, 0 when joystick d is no XInput pad.
    uint8_t userOfJoystick[kMaxJoysticks];
    // Bit per user index: the pad answered at its last read or device
    // change. A pad without the bit reads at rest and is not asked in the
    // pass; only a device change asks it again.
    uint8_t answering;
};

// The user index that slot `slot` reads, or -1 when it is no XInput pad.
int xinputUserOfSlot(const XInputSlots& slots, int slot);

// The joystick of user `user`, or -1 when the pad has none yet.
int xinputJoystickOfUser(const XInputSlots& slots, int user);

// User indices to ask on a device change: every one that does not answer
// (an unseen pad, or one that went away). Bit per user index.
uint8_t xinputUsersToAsk(const XInputSlots& slots);

// User `user` answered on a device change: a pad that has its joystick
// answers again there; a new one takes the next joystick while fewer than
// kMaxJoysticks are taken. Returns the joystick, or -1 when it found no
// place (it stays unanswered and is asked again on the next change).
int placeAnsweringPad(XInputSlots& slots, int user, int32_t& deviceCount, int32_t& lastDeviceIndex);

// A read of user `user` said it is not connected.
void padStoppedAnswering(XInputSlots& slots, int user);

inline bool padAnswers(const XInputSlots& slots, int user) {
    return user >= 0 && user < kXInputUsers && (slots.answering & (1u << user)) != 0;
}

}  // namespace tarvik
