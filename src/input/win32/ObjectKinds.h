#pragma once
#include "input/CapabilityRules.h"
#include "input/win32/DirectInput.h"

namespace tarvik {

// The kind of a device object from its DirectInput type GUID.
ObjectKind objectKindOf(const GUID& type);

}  // namespace tarvik
