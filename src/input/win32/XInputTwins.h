#pragma once
// The platform's rule for a DirectInput controller that XInput serves.

#include "input/win32/XInputTables.h"

namespace tarvik {

// The controller's own HID path, then the raw-input device names: either
// containing "IG_" and the controller's vendor and product id.
XInputTwinCheck& platformTwinCheck();

}  // namespace tarvik
