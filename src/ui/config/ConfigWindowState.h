#pragma once
// What only the configuration window and its dialogs keep: what was last
// painted, the key recording, the dialogs' choices, the list of files and
// the header read from one of them. It outlives the window, like the
// selection it works with.

#include "config/CfgFileList.h"
#include "config/Configuration.h"
#include "ui/config/DialogState.h"
#include "ui/config/KeyRecording.h"
#include "ui/config/PagePaintRules.h"

namespace tarvik {

struct ConfigWindowState {
    CfgFileList cfgFiles{};
    ConfigHeader headerBuffer{};
    PaintMemory paintMemory;
    KeyRecordingState keyRecording;
    DialogState dialogs;
};

}  // namespace tarvik
