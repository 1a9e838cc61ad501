#pragma once
// What the NAME, SHIFT and COPY dialogs decide, apart from the window calls
// that carry it out: where a dialog goes, which radios are checked or
// hidden, and what each command does to the shared choices.

#include "config/Configuration.h"
#include "ui/config/DialogState.h"

namespace tarvik {

// Top-left corner that centres a window of `width` x `height` on a desktop
// whose right and bottom edges are given (divisions truncate toward zero).
struct DialogOrigin {
    int x;
    int y;
};

constexpr DialogOrigin centredOrigin(int desktopRight, int desktopBottom, int width, int height) {
    return {(desktopRight - width) / 2, (desktopBottom - height) / 2};
}

// What a command leaves the dialog doing: running on, or ended with 1 or 0.
enum class DialogOutcome { kContinue, kOk, kCancel };

constexpr int kNoRadio = 0;

// SHIFT. The choices start as the header's settings.
void beginShiftDialog(const ConfigHeader& header, DialogState& dialogs);

// The device and button radios to check for the current choices; kNoRadio
// where a choice names no radio (a device outside 1..4, or a button choice
// of 32 or more, which means "no shift button").
struct ShiftRadios {
    int deviceRadio;
    int buttonRadio;
};
ShiftRadios shiftRadiosToCheck(const DialogState& dialogs);

struct ShiftCommandEffect {
    DialogOutcome outcome = DialogOutcome::kContinue;
    bool clearButtonRadios = false;  // "deactivate": no button radio may stay checked
};

// A radio sets its choice; OK stores both choices in the header; CANCEL
// leaves the header alone; "deactivate" chooses no shift button at all.
ShiftCommandEffect shiftCommand(int id, ConfigHeader& header, DialogState& dialogs);

// COPY.
struct CopyCaption {
    char text[48];
};

// Numbered by the block, not the device: the shifted page of joystick 2
// (block 3) is "copy configuration of device 4".
CopyCaption copyCaption(int currentBlock);

// Whether the radio of `block` is hidden: a block is never its own target,
// and only the blocks of attached joysticks remain.
bool copyRadioHidden(int block, int currentBlock, int deviceCount);

// Every COPY dialog opens with no radio checked and no target chosen: a
// copy overwrites a whole block without undo, so only a target the user
// picked now may receive it.
void beginCopyDialog(DialogState& dialogs);

// Whether a target radio was clicked since the dialog opened; OK is
// enabled only then.
bool copyTargetChosen(const DialogState& dialogs);

// A radio chooses the target block. OK ends the dialog with 1 once a
// target is chosen and as CANCEL does before; CANCEL ends it with 0.
DialogOutcome copyCommand(int id, DialogState& dialogs);

// OK (1) and Cancel (2), the same in all three dialogs; NAME has no other
// command (the window reads the edit on OK).
DialogOutcome okCancelOutcome(int id);

}  // namespace tarvik
