#pragma once
// Fresh records for tests: zeroed as in a new process, optionally with the
// defaults and thresholds a start-up leaves.

#include <memory>

#include "config/Configuration.h"
#include "config/Defaults.h"
#include "config/Thresholds.h"
#include "input/DeviceState.h"

namespace tarvik::testing {

inline std::unique_ptr<Configuration> makeZeroConfiguration() {
    return std::make_unique<Configuration>();  // value-initialised: all zero
}

inline std::unique_ptr<Configuration> makeDefaultConfiguration() {
    auto config = makeZeroConfiguration();
    writeRecordDefaults(*config);
    recomputeThresholds(*config);
    return config;
}

inline std::unique_ptr<DeviceTable> makeDeviceTable(int joysticks) {
    auto table = std::make_unique<DeviceTable>();
    table->deviceCount = joysticks;
    table->lastDeviceIndex = joysticks > 0 ? joysticks - 1 : 0;
    // As the device layer leaves them: every hat centred, the mouse's too.
    for (int slot = 0; slot < kDeviceSlots; ++slot) {
        for (uint32_t& pov : table->states[slot].pov) pov = kPovCentred;
    }
    return table;
}

// The default record beside one joystick (the mouse in slot 2): where the
// engine's rigs start.
struct RecordAndOneJoystick {
    std::unique_ptr<Configuration> config = makeDefaultConfiguration();
    std::unique_ptr<DeviceTable> devices = makeDeviceTable(1);
};

}  // namespace tarvik::testing
