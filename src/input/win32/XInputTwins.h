#pragma once
// The platform's rule for a DirectInput controller that XInput serves.

#include "input/win32/XInputTables.h"

namespace tarvik {

// The controller's own HID path containing "IG_", else a raw-input device
// with "IG_" in its name and the controller's vendor and product id.
XInputTwinCheck& platformTwinCheck();

}  // namespace tarvik
