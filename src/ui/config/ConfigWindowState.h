#pragma once
// What only the configuration window and its dialogs keep: what was last
// painted, the key recording, the dialogs' choices, the list of files and
// the header read from one of them. It outlives the window, like the
// selection it works with.

#include "config/CfgFileList.h"
#include "config/Configuration.h"
#include "platform/FileSystem.h"
#include "ui/config/DialogState.h"
#include "ui/config/KeyRecording.h"
#include "ui/config/PagePaintRules.h"

namespace tarvik {

// The configuration loaded last from the window's "load", for following to
// bring back; `count` tells a new load from one already seen.
struct HandChoice {
    char file[kMaxPathLength] = {};
    uint32_t count = 0;
};

struct ConfigWindowState {
    CfgFileList cfgFiles{};
    ConfigHeader headerBuffer{};
    PaintMemory paintMemory;
    KeyRecordingState keyRecording;
    DialogState dialogs;
    HandChoice handChoice;
};

}  // namespace tarvik
