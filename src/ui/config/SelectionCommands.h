#pragma once
// The radios that change what the window shows: the device row and the
// "common" page radio, the control radios, the AXIS and the POV columns.
// Each moves the check mark with the value and derives currentEntry.

#include "config/Configuration.h"
#include "ui/config/ConfigCommands.h"
#include "ui/config/DeviceOverview.h"
#include "config/SelectionState.h"

namespace tarvik {

// Device radio 1000..1014. When the selected control has no visible radio
// on the new page (a button above the device's count, a control chosen by
// learning that has no radio, any control on the common page) the
// selection falls back to "common", entry 0.
FollowUp selectBlock(const ConfigHeader& header, SelectionState& selection, int id,
                     const DeviceOverview& devices);

// Control radio 1050..1098 or 1131..1138.
FollowUp selectControl(SelectionState& selection, int id);

// AXIS radio 1100..1102 (the "S" radio carries 1102 too); repaints only.
FollowUp selectLevel(SelectionState& selection, int id);

// POV radio 1150..1152; repaints only.
FollowUp selectPov(SelectionState& selection, int id);

}  // namespace tarvik
