#include "input/XInputSlots.h"

#include "input/DeviceState.h"

namespace tarvik {

int xinputUserOfSlot(const XInputSlots& slots, int slot) {
    if (slot < 0 || slot >= 2 * kMaxJoysticks) return -1;
    return static_cast<int>(slots.userOfJoystick[slot / 2]) - 1;
}

int xinputJoystickOfUser(const XInputSlots& slots, int user) {
    for (int d = 0; d < kMaxJoysticks; ++d) {
        if (slots.userOfJoystick[d] == user + 1) return d;
    }
    return -1;
}

uint8_t xinputUsersToAsk(const XInputSlots& slots) {
    return static_cast<uint8_t>(~slots.answering & ((1u << kXInputUsers) - 1));
}

int placeAnsweringPad(XInputSlots& slots, int user, int32_t& deviceCount,
                      int32_t& lastDeviceIndex) {
    if (user < 0 || user >= kXInputUsers) return -1;
    int joystick = xinputJoystickOfUser(slots, user);
    if (joystick < 0) {
        if (deviceCount < 0 || deviceCount >= kMaxJoysticks) return -1;
        joystick = deviceCount;
        slots.userOfJoystick[joystick] = static_cast<uint8_t>(user + 1);
        lastDeviceIndex = joystick;
        deviceCount = joystick + 1;
    }
    slots.answering = static_cast<uint8_t>(slots.answering | (1u << user));
    return joystick;
}

void padStoppedAnswering(XInputSlots& slots, int user) {
    if (user < 0 || user >= kXInputUsers) return;
    slots.answering = static_cast<uint8_t>(slots.answering & ~(1u << user));
}

}  // namespace tarvik
