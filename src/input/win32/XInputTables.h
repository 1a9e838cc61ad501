#pragma once
// What the device layer keeps of XInput: the DLL loaded at run time, its
// state function, which joysticks are XInput pads and which answer.

#include <cstdint>

#include "input/XInputSlots.h"
#include "input/win32/DirectInput.h"

#include <xinput.h>

namespace tarvik {

// Tells whether a DirectInput controller is a pad that XInput serves too,
// so that it is listed once. The platform's rule answers unless a test
// puts its own in.
class XInputTwinCheck {
  public:
    virtual ~XInputTwinCheck() = default;
    // `device` was just created for `instance`.
    virtual bool servedByXInput(IDirectInputDevice8A* device,
                                const DIDEVICEINSTANCEA& instance) = 0;
};

using XInputGetStateFunction = DWORD(WINAPI*)(DWORD user, XINPUT_STATE* state);

struct XInputTables {
    uint8_t off;  // NOXINPUT: DirectInput alone
    HMODULE module;
    XInputGetStateFunction getState;  // null: no XInput on this system
    XInputSlots slots;
    XInputTwinCheck* twinCheck;  // null: the platform's rule
};

}  // namespace tarvik
