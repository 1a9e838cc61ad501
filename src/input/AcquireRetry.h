#pragma once
// How often a device is asked again for access while its input stays lost.
// Kept apart from the system calls so the limits can be tested anywhere.

#include <cstdint>

namespace tarvik {

// DIERR_INPUTLOST: the device was taken away (focus change, another
// program); asking for it again usually succeeds within a few tries.
constexpr int32_t kInputLost = static_cast<int32_t>(0x8007001Eu);

// Further attempts after the first Acquire: a joystick gets 20, the mouse 10.
constexpr int kJoystickAcquireRetries = 20;
constexpr int kMouseAcquireRetries = 10;

// Calls `acquire` once, then again while it reports lost input and fewer
// than `furtherAttempts` retries were made. Returns the last result.
template <class Acquire>
int32_t acquireRetrying(Acquire&& acquire, int furtherAttempts) {
    int32_t result = acquire();
    for (int retries = 0; result == kInputLost && retries < furtherAttempts; ++retries) {
        result = acquire();
    }
    return result;
}

}  // namespace tarvik
