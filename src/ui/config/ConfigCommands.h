#pragma once
// The configuration window's commands as operations on the record and the
// selection. Each returns what the window must then do; the window procedure
// only translates messages into these calls and applies the follow-up:
// first the check marks in order, then pageDisplay, then pagePaint.

#include <cstdint>

#include "config/Configuration.h"
#include "config/SelectionState.h"

namespace tarvik {

struct FollowUp {
    static constexpr int kMaxChecks = 4;
    struct Check {
        int id;
        bool checked;
    };
    Check checks[kMaxChecks] = {};
    int checkCount = 0;
    bool pageDisplay = false;
    bool pagePaint = false;
    bool chooseEntryProgram = false;  // open "select program" for the entry's path

    void check(int id, bool checked) {
        if (checkCount < kMaxChecks) checks[checkCount++] = {id, checked};
    }
    static FollowUp paint() {
        FollowUp f;
        f.pagePaint = true;
        return f;
    }
};

// What a command id asks for. kUnhandled goes to the default procedure.
enum class CommandRoute : uint8_t {
    kUnhandled,
    kClose,
    kQuit,
    kLoad,
    kSave,
    kShiftDialog,
    kSelectBlock,
    kSelectControl,
    kSelectLevel,
    kSelectPov,
    kToggleEntryFlag,
    kNameDialog,
    kClearKeys,
    kMouseAction,  // selection-changed notification only
    kToggleBlockFlag,
    kCommonEdit,  // lost-focus notification only
    kChooseAutostartProgram,
    kHelp,
    kStartProgram,
    kStepLearnMask,
    kToggleAutostart,
    kAppendKey,  // selection-changed notification only
    kCentred,
    kResponseCurve,  // selection-changed notification only
    kCopyDialog,
};

CommandRoute routeCommand(int id);

// Texts of the commands that talk to the user.
extern const char kQuitQuestion[];  // "are you shure?"
extern const char kQuitCaption[];   // "Quit!"
extern const char kHelpFile[];      // "tarvik7.chm", in the current directory

// The block and entry that entry and block commands act on, or nullptr on
// the common page or when the selection is out of range.
LayerBlock* currentBlockOf(Configuration& config, const SelectionState& selection);
ControlEntry* currentEntryOf(Configuration& config, const SelectionState& selection);
const ControlEntry* currentEntryOf(const Configuration& config, const SelectionState& selection);

}  // namespace tarvik
