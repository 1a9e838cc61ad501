#pragma once
// Everything the program shares between its parts, in one plain struct: one
// instance in the program (static, zero at start), fresh ones in tests.

#include <atomic>

#include "config/CfgFileList.h"
#include "config/Configuration.h"
#include "config/FunctionKeyTable.h"
#include "engine/EngineState.h"
#include "input/DeviceState.h"
#include "platform/WindowHandle.h"
#include "ui/config/EntryCommands.h"
#include "ui/config/KeyRecording.h"
#include "ui/config/PagePaintRules.h"
#include "config/SelectionState.h"

namespace tarvik {

// copyTargetBlock before a target radio of the open COPY dialog was clicked.
constexpr int kNoCopyTarget = -1;

// What the three small dialogs of the configuration window exchange.
struct DialogState {
    NameBuffer nameBuffer{};
    int shiftDeviceChoice = 0;
    int shiftButtonChoice = 0;
    int copyTargetBlock = kNoCopyTarget;  // chosen in the COPY dialog now open or last closed
};

struct AppState {
    Configuration config{};
    FunctionKeyTable functionKeys{};
    CfgFileList cfgFiles{};
    ConfigHeader headerBuffer{};
    DeviceTable devices{};
    EngineState engine;
    SelectionState selection;
    PaintMemory paintMemory;
    KeyRecordingState keyRecording;
    DialogState dialogs;

    // Read by the polling thread, written by the user-interface thread.
    std::atomic<int> runFlag{0};
    std::atomic<WindowHandle> configWindow{kNoWindow};
};

}  // namespace tarvik
