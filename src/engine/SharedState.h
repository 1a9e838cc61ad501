#pragma once
// What the polling thread, evaluation and learning share with the
// user-interface thread: the record and its function keys, the devices,
// the engine's own state, the selection that learning moves, the run flag
// and the open configuration window. One instance in the program, fresh
// ones in tests.

#include <atomic>

#include "config/Configuration.h"
#include "config/FunctionKeyTable.h"
#include "config/SelectionState.h"
#include "engine/EngineState.h"
#include "input/DeviceState.h"
#include "platform/WindowHandle.h"

namespace tarvik {

struct SharedState {
    Configuration config{};
    FunctionKeyTable functionKeys{};
    DeviceTable devices{};
    EngineState engine;
    SelectionState selection;

    // Read by the polling thread, written by the user-interface thread.
    std::atomic<int> runFlag{0};
    std::atomic<WindowHandle> configWindow{kNoWindow};
};

}  // namespace tarvik
