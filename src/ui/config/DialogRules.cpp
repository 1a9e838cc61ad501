#include "ui/config/DialogRules.h"

#include <cstdio>

#include "config/ShiftButton.h"
#include "ui/config/DialogIds.h"

namespace tarvik {

namespace {

constexpr int kOkId = 1;
constexpr int kCancelId = 2;

// Hiding reaches radio 227 although the template stops at 207: the blocks
// of joysticks 5 to 7 and of the mouse never have a radio to show.
constexpr int kLastCopyRadioBlock = 27;

bool inRange(int id, int first, int count) {
    return id >= first && id < first + count;
}

}  // namespace

void beginShiftDialog(const ConfigHeader& header, DialogState& dialogs) {
    // Values a file holds outside the radios' range go through unchanged, so
    // OK without a click stores back exactly what was there.
    dialogs.shiftDeviceChoice = static_cast<int>(header.shiftDevice);
    dialogs.shiftButtonChoice = static_cast<int>(header.shiftButton);
}

ShiftRadios shiftRadiosToCheck(const DialogState& dialogs) {
    ShiftRadios radios{kNoRadio, kNoRadio};
    if (dialogs.shiftDeviceChoice >= 0 && dialogs.shiftDeviceChoice < SHIFT_DEVICE_COUNT) {
        radios.deviceRadio = ID_SHIFT_DEVICE_FIRST + dialogs.shiftDeviceChoice;
    }
    if (dialogs.shiftButtonChoice >= 0 && dialogs.shiftButtonChoice < SHIFT_BUTTON_COUNT) {
        radios.buttonRadio = ID_SHIFT_BUTTON_FIRST + dialogs.shiftButtonChoice;
    }
    return radios;
}

ShiftCommandEffect shiftCommand(int id, ConfigHeader& header, DialogState& dialogs) {
    ShiftCommandEffect effect;
    if (inRange(id, ID_SHIFT_DEVICE_FIRST, SHIFT_DEVICE_COUNT)) {
        dialogs.shiftDeviceChoice = id - ID_SHIFT_DEVICE_FIRST;
    } else if (inRange(id, ID_SHIFT_BUTTON_FIRST, SHIFT_BUTTON_COUNT)) {
        dialogs.shiftButtonChoice = id - ID_SHIFT_BUTTON_FIRST;
    } else if (id == ID_SHIFT_DEACTIVATE) {
        // Button index 0 is button 1; "off" must be a value no device can press.
        dialogs.shiftButtonChoice = static_cast<int>(kShiftButtonOff);
        effect.clearButtonRadios = true;
    } else {
        effect.outcome = okCancelOutcome(id);
        if (effect.outcome == DialogOutcome::kOk) {
            header.shiftDevice = static_cast<uint32_t>(dialogs.shiftDeviceChoice);
            header.shiftButton = static_cast<uint32_t>(dialogs.shiftButtonChoice);
        }
    }
    return effect;
}

CopyCaption copyCaption(int currentBlock) {
    CopyCaption caption{};
    std::snprintf(caption.text, sizeof(caption.text), "copy configuration of device %d",
                  currentBlock + 1);
    return caption;
}

bool copyRadioHidden(int block, int currentBlock, int deviceCount) {
    if (block == currentBlock) return true;
    return block >= 2 * deviceCount && block <= kLastCopyRadioBlock;
}

void beginCopyDialog(DialogState& dialogs) {
    dialogs.copyTargetBlock = kNoCopyTarget;
}

bool copyTargetChosen(const DialogState& dialogs) {
    return dialogs.copyTargetBlock != kNoCopyTarget;
}

DialogOutcome copyCommand(int id, DialogState& dialogs) {
    if (inRange(id, ID_COPY_BLOCK_FIRST, COPY_BLOCK_COUNT)) {
        dialogs.copyTargetBlock = id - ID_COPY_BLOCK_FIRST;
        return DialogOutcome::kContinue;
    }
    const DialogOutcome outcome = okCancelOutcome(id);
    if (outcome == DialogOutcome::kOk && !copyTargetChosen(dialogs)) return DialogOutcome::kCancel;
    return outcome;
}

DialogOutcome okCancelOutcome(int id) {
    if (id == kOkId) return DialogOutcome::kOk;
    if (id == kCancelId) return DialogOutcome::kCancel;
    return DialogOutcome::kContinue;
}

}  // namespace tarvik
