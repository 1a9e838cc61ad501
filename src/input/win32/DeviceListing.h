#pragma once
// One listing of the attached game controllers, each opened and known by
// its device path, for the start and for every device change.

#include "input/PadPlaces.h"
#include "input/win32/DirectInputTables.h"

namespace tarvik {

struct DeviceListing {
    int count;
    GUID instances[kMaxListedPads];
    DIDEVICEINSTANCEA descriptions[kMaxListedPads];
    // Null when CreateDevice failed, or once a place took the interface.
    IDirectInputDevice8A* devices[kMaxListedPads];
    PadIdentity identities[kMaxListedPads];
};

// Enumerates the attached game controllers (the first kMaxListedPads) and
// opens each: a controller that cannot be opened keeps a null interface
// and no key. Returns EnumDevices' result; on failure nothing is open.
HRESULT listControllers(IDirectInput8A* directInput, DeviceListing& listing);

// Lets go of the interfaces no place took.
void releaseListing(DeviceListing& listing);

}  // namespace tarvik
