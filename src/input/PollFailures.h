#pragma once
// When a device that stopped answering counts as at rest. Its last state
// would otherwise stay in the table for good: a held button keeping its key
// down, auto-repeat entries firing on every pass, a held shift button
// keeping every device shifted. At rest the normal evaluation lets go of
// all of it; the next good read brings the real state back.

#include <cstdint>

#include "input/DeviceState.h"

namespace tarvik {

// DIERR_UNPLUGGED: the device is gone; no further read will tell more.
constexpr int32_t kUnplugged = static_cast<int32_t>(0x80040209u);

// Failed reads in a row after which any failure counts as silence.
constexpr uint8_t kSilentAfterFailures = 3;

// Counts one read's result into `failuresInRow`; true when the device is
// now to be taken as at rest.
constexpr bool silentAfterRead(int32_t result, uint8_t& failuresInRow) {
    if (result >= 0) {
        failuresInRow = 0;
        return false;
    }
    if (failuresInRow < kSilentAfterFailures) ++failuresInRow;
    return result == kUnplugged || failuresInRow >= kSilentAfterFailures;
}

// Axes 0, hats centred, no button.
inline void restState(DeviceState& row) {
    row = DeviceState{};
    for (uint32_t& pov : row.pov) pov = kPovCentred;
}

}  // namespace tarvik
