#pragma once
// The three small modal dialogs of the configuration window, run from their
// resource templates "NAME", "SHIFT" and "COPY". Each returns true for OK;
// the caller applies the result.

#include <windows.h>

#include "config/Configuration.h"
#include "ui/config/DialogState.h"

namespace tarvik {

// Edits dialogs.nameBuffer.
bool runNameDialog(HINSTANCE instance, HWND owner, DialogState& dialogs);

// Chooses header.shiftDevice and header.shiftButton; "deactivate" stores 32.
bool runShiftDialog(HINSTANCE instance, HWND owner, ConfigHeader& header, DialogState& dialogs);

// Chooses dialogs.copyTargetBlock among the blocks of attached joysticks;
// true only when one was chosen in this run.
bool runCopyDialog(HINSTANCE instance, HWND owner, int currentBlock, int deviceCount,
                   DialogState& dialogs);

}  // namespace tarvik
