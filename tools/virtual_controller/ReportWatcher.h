#pragma once
// The reports of the virtual controllers, as a real pad's driver sends
// them: one thread of the DLL watches the block, at once when a client
// announces a change and every 50 ms for changes written directly, and
// sets a controller's event when a report carries a change (or at every
// period, for a broken device that signals without end).

#include <windows.h>

#include "VirtualControllerBlock.h"

namespace vc {

// Controller `index` is reported from now on; `event` (may be null) is
// set with each report. A null event after a non-null one stops the sets.
void watchReports(int index, HANDLE event);

// The input that controller `index` last reported, when it reports at a
// period; false when the block's input is current.
bool reportedInput(int index, DeviceInput& out);

}  // namespace vc
