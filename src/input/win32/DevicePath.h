#pragma once
// A controller's device interface path, which stays with its port while
// instance GUIDs are handed out again among identical pads.

#include <cstddef>

#include "input/win32/DirectInput.h"

namespace tarvik {

// Reads the path into `out`; false when the device has none, it cannot be
// converted or it does not fit.
bool readDevicePath(IDirectInputDevice8A* device, char* out, size_t size);

// The instance GUID as text, "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}", the
// key of a controller without a readable path. `out` holds 39 characters.
void instanceKeyText(const GUID& instance, char (&out)[39]);

}  // namespace tarvik
