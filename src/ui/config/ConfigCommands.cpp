#include "ui/config/ConfigCommands.h"

#include "ui/config/ControlIds.h"

namespace tarvik {

const char kQuitQuestion[] = "are you shure?";
const char kQuitCaption[] = "Quit!";
const char kHelpFile[] = "tarvik7.chm";

CommandRoute routeCommand(int id) {
    using R = CommandRoute;
    namespace C = ControlId;
    if (id >= C::kFirstDeviceRadio && id <= C::kCommonPageRadio) return R::kSelectBlock;
    if ((id >= C::kFirstControlRadio && id <= C::kLastAxisDirectionRadio) ||
        (id >= C::kFirstPovDirectionRadio && id <= C::kLastPovDirectionRadio)) {
        return R::kSelectControl;
    }
    if (id >= C::kFirstLevelRadio && id <= C::kLastLevelRadio) return R::kSelectLevel;
    if (id >= C::kFirstPovRadio && id <= C::kLastPovRadio) return R::kSelectPov;
    switch (id) {
        case C::kClose:
            return R::kClose;
        case C::kQuit:
            return R::kQuit;
        case C::kLoad:
            return R::kLoad;
        case C::kSave:
            return R::kSave;
        case C::kShiftDevice:
            return R::kShiftDialog;
        case C::kSendKeys:
        case C::kAlt:
        case C::kCtrl:
        case C::kShift:
        case C::kMouse:
        case C::kDynamic:
        case C::kToggleLock:
        case C::kAutoRepeat:
        case C::kAutoRelease:
        case C::kStringInput:
        case C::kSwitchProgram:
        case C::kFSelect:
            return R::kToggleEntryFlag;
        case C::kName:
            return R::kNameDialog;
        case C::kClear:
            return R::kClearKeys;
        case C::kMouseActionList:
            return R::kMouseAction;
        case C::kBlockToggleLock:
        case C::kBlockAutoRepeat:
        case C::kBlockAutoRelease:
        case C::kSingleSensitivity:
            return R::kToggleBlockFlag;
        case C::kNameEdit:
        case C::kNumberEdit:
        case C::kAutostartPathEdit:
        case C::kCommentEdit:
            return R::kCommonEdit;
        case C::kProgramButton:
            return R::kChooseAutostartProgram;
        case C::kHelp:
            return R::kHelp;
        case C::kStartProgram:
            return R::kStartProgram;
        case C::kLearnMask:
            return R::kStepLearnMask;
        case C::kAutostart:
            return R::kToggleAutostart;
        case C::kKeyList:
            return R::kAppendKey;
        case C::kCentred:
            return R::kCentred;
        case C::kResponseCurveList:
            return R::kResponseCurve;
        case C::kCopy:
            return R::kCopyDialog;
        default:
            break;
    }
    return R::kUnhandled;
}

LayerBlock* currentBlockOf(Configuration& config, const SelectionState& selection) {
    if (selection.currentBlock < 0 || selection.currentBlock >= kBlockCount) return nullptr;
    return &config.blocks[selection.currentBlock];
}

ControlEntry* currentEntryOf(Configuration& config, const SelectionState& selection) {
    LayerBlock* block = currentBlockOf(config, selection);
    if (!block || selection.currentEntry < 0 || selection.currentEntry >= kEntriesPerBlock) {
        return nullptr;
    }
    return &block->entries[selection.currentEntry];
}

const ControlEntry* currentEntryOf(const Configuration& config, const SelectionState& selection) {
    return currentEntryOf(const_cast<Configuration&>(config), selection);
}

}  // namespace tarvik
