#include "input/AcquireRetry.h"
#include "input/MouseFolding.h"
#include "input/win32/DeviceLayer.h"

namespace tarvik {

int32_t pollJoystick(DeviceTable& table, DirectInputTables& directInput, int slot) {
    if (slot < 0 || slot >= kDeviceSlots) return 0;
    IDirectInputDevice8A* device = directInput.devices[slot];
    if (device == nullptr) return 0;

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
    table.states[slot] = fresh;
    return 0;
}

int32_t pollMouse(DeviceTable& table, DirectInputTables& directInput) {
    IDirectInputDevice8A* mouse = directInput.mouse;
    if (mouse == nullptr) return 0;

    MouseState& state = directInput.mouseState;
    state = MouseState{};
    HRESULT result = mouse->GetDeviceState(sizeof(MouseState), &state);
    if (FAILED(result)) {
        result = acquireRetrying([mouse] { return mouse->Acquire(); }, kMouseAcquireRetries);
        if (FAILED(result)) return result;
        state = MouseState{};
        result = mouse->GetDeviceState(sizeof(MouseState), &state);
        if (FAILED(result)) return result;
    }
    const int slot = table.mouseSlot();
    if (slot < 0 || slot >= kDeviceSlots) return 0;
    foldMouseState(state, table.states[slot]);
    return 0;
}

}  // namespace tarvik
