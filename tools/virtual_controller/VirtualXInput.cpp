// The virtual XInput (xinput1_4.dll): the pads of the shared block by user
// index. Wine loads it instead of its own when the program runs with the
// override xinput1_4=n,b and the DLL lies beside the .exe.

#include <windows.h>
#include <xinput.h>

#include <cstring>

#include "SharedBlock.h"

static_assert(sizeof(XINPUT_GAMEPAD) == 12);

extern "C" DWORD WINAPI XInputGetState(DWORD user, XINPUT_STATE* state) {
    vc::Block& block = vc::sharedBlock();
    if (user >= static_cast<DWORD>(vc::kXPads)) return ERROR_BAD_ARGUMENTS;
    vc::XPad& pad = block.xpads[user];
    __atomic_fetch_add(&pad.getState, 1u, __ATOMIC_SEQ_CST);
    if (pad.connected == 0) return ERROR_DEVICE_NOT_CONNECTED;
    if (state == nullptr) return ERROR_BAD_ARGUMENTS;
    std::memset(state, 0, sizeof *state);
    state->dwPacketNumber = pad.packet;
    state->Gamepad.wButtons = pad.buttons;
    state->Gamepad.bLeftTrigger = pad.leftTrigger;
    state->Gamepad.bRightTrigger = pad.rightTrigger;
    state->Gamepad.sThumbLX = pad.thumbs[0];
    state->Gamepad.sThumbLY = pad.thumbs[1];
    state->Gamepad.sThumbRX = pad.thumbs[2];
    state->Gamepad.sThumbRY = pad.thumbs[3];
    return ERROR_SUCCESS;
}

extern "C" DWORD WINAPI XInputSetState(DWORD user, XINPUT_VIBRATION*) {
    if (user >= static_cast<DWORD>(vc::kXPads)) return ERROR_BAD_ARGUMENTS;
    return vc::sharedBlock().xpads[user].connected != 0 ? ERROR_SUCCESS
                                                        : ERROR_DEVICE_NOT_CONNECTED;
}

extern "C" DWORD WINAPI XInputGetCapabilities(DWORD user, DWORD, XINPUT_CAPABILITIES* caps) {
    if (user >= static_cast<DWORD>(vc::kXPads) || caps == nullptr) return ERROR_BAD_ARGUMENTS;
    if (vc::sharedBlock().xpads[user].connected == 0) return ERROR_DEVICE_NOT_CONNECTED;
    std::memset(caps, 0, sizeof *caps);
    caps->Type = XINPUT_DEVTYPE_GAMEPAD;
    caps->SubType = XINPUT_DEVSUBTYPE_GAMEPAD;
    caps->Gamepad.wButtons = 0xF3FF;
    caps->Gamepad.bLeftTrigger = 255;
    caps->Gamepad.bRightTrigger = 255;
    return ERROR_SUCCESS;
}

extern "C" void WINAPI XInputEnable(BOOL) {}
