#pragma once
// Commands that edit the current entry. All act only on a device page;
// on the common page they change nothing and ask for nothing.

#include <cstdint>
#include <string_view>

#include "config/Configuration.h"
#include "ui/config/ConfigCommands.h"
#include "config/SelectionState.h"

namespace tarvik {

// The entry byte that check box `id` toggles, or nullptr for other ids.
uint8_t ControlEntry::*entryFlagForCommand(int id);

// Entry check boxes 1200..1204, 1208..1210, 1228, 1232, 1236, 1248:
// the byte is toggled with exclusive-or 1.
FollowUp toggleEntryFlag(Configuration& config, const SelectionState& selection, int id);

// "start prog:" toggles startProgram; when it is now 1 the window opens
// "select program" on the entry's path and, on OK, calls
// storeEntryProgramPath. Cancelling leaves the flag set.
FollowUp toggleStartProgram(Configuration& config, const SelectionState& selection);

constexpr int kFileDialogBuffer = 260;  // characters, with the terminator

// The dialog's initial file name: the entry's path, terminated.
void entryProgramInitialName(const Configuration& config, const SelectionState& selection,
                             char (&buffer)[kFileDialogBuffer]);

// Stores at most 259 characters and the terminator; the last two bytes of
// programPath are never written.
FollowUp storeEntryProgramPath(Configuration& config, const SelectionState& selection,
                               std::string_view path);

// mouseActionList's selection changed to an item with `datum`.
FollowUp chooseMouseAction(Configuration& config, const SelectionState& selection, intptr_t datum);

// The response-curve list's selection changed to item `item`.
FollowUp chooseResponseCurve(Configuration& config, const SelectionState& selection, intptr_t item);

// The text exchanged with the NAME dialog.
struct NameBuffer {
    char text[256];
};

// Before NAME opens: the entry's label into the buffer.
void loadNameBuffer(const Configuration& config, const SelectionState& selection,
                    NameBuffer& buffer);

// After NAME closed: on OK the first 49 characters become the label.
// The page is repainted either way.
FollowUp finishNameDialog(Configuration& config, const SelectionState& selection, bool accepted,
                          const NameBuffer& buffer);

// "centred": toggles the flag of both directions of the selected axis on
// all three levels and rewrites the "+" direction's thresholds at percent
// x 20 while the flag is set, x 10 while it is clear. Only for axis
// directions; otherwise it just repaints.
FollowUp toggleCentred(Configuration& config, const SelectionState& selection);

}  // namespace tarvik
