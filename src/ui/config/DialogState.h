#pragma once
// What the three small dialogs of the configuration window exchange.

#include "ui/config/EntryCommands.h"

namespace tarvik {

// copyTargetBlock before a target radio of the open COPY dialog was clicked.
constexpr int kNoCopyTarget = -1;

struct DialogState {
    NameBuffer nameBuffer{};
    int shiftDeviceChoice = 0;
    int shiftButtonChoice = 0;
    int copyTargetBlock = kNoCopyTarget;  // chosen in the COPY dialog now open or last closed
};

}  // namespace tarvik
