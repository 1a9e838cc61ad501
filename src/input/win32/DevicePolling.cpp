#include "input/AcquireRetry.h"
#include "input/MouseFolding.h"
#include "input/PollFailures.h"
#include "input/win32/DeviceLayer.h"
#include "input/win32/XInputLayer.h"

namespace tarvik {

namespace {

HRESULT readJoystick(IDirectInputDevice8A* device, DeviceState& row) {
    HRESULT result = device->Poll();
    if (FAILED(result)) {
        result = acquireRetrying([device] { return device->Acquire(); }, kJoystickAcquireRetries);
        if (FAILED(result)) return result;
        result = device->Poll();
        if (FAILED(result)) return result;
    }
    // Read beside the row so a failed read cannot leave it half written.
    DeviceState fresh;
    result = device->GetDeviceState(sizeof(DeviceState), &fresh);
    if (FAILED(result)) return result;
    row = fresh;
    return 0;
}

HRESULT readMouse(IDirectInputDevice8A* mouse, MouseState& state) {
    state = MouseState{};
    HRESULT result = mouse->GetDeviceState(sizeof(MouseState), &state);
    if (FAILED(result)) {
        result = acquireRetrying([mouse] { return mouse->Acquire(); }, kMouseAcquireRetries);
        if (FAILED(result)) return result;
        state = MouseState{};
        result = mouse->GetDeviceState(sizeof(MouseState), &state);
        if (FAILED(result)) return result;
    }
    return 0;
}

}  // namespace

int32_t pollJoystick(DeviceTable& table, DirectInputTables& directInput, int slot) {
    if (slot < 0 || slot >= kDeviceSlots) return 0;
    if (xinputUserOfSlot(directInput.xinput.slots, slot) >= 0) {
        return pollXInputPad(table, directInput, slot);
    }
    // A gone controller is not asked until a listing brings it back: each
    // failing Poll and Acquire would cost every pass.
    if (slot / 2 < table.deviceCount && slot < 2 * kMaxJoysticks &&
        directInput.absent[slot / 2] != 0) {
        return 0;
    }
    IDirectInputDevice8A* device = directInput.devices[slot];
    if (device == nullptr) return 0;

    const HRESULT result = readJoystick(device, table.states[slot]);
    // Both slots of a joystick read the same device.
    if (silentAfterRead(result, directInput.failedReads[slot & ~1])) restState(table.states[slot]);
    return result;
}

int32_t pollMouse(DeviceTable& table, DirectInputTables& directInput) {
    IDirectInputDevice8A* mouse = directInput.mouse;
    if (mouse == nullptr) return 0;

    MouseState& state = directInput.mouseState;
    const HRESULT result = readMouse(mouse, state);
    if (FAILED(result)) {
        if (!silentAfterRead(result, directInput.mouseFailedReads)) return result;
        state = MouseState{};
    } else {
        directInput.mouseFailedReads = 0;
    }
    const int slot = table.mouseSlot();
    if (slot < 0 || slot >= kDeviceSlots) return result;
    foldMouseState(state, table.states[slot]);
    return result;
}

}  // namespace tarvik
