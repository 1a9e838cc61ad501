// The events through which the pads tell the polling thread that they
// reported, and what it waits on.

#include "input/win32/DeviceLayer.h"
#include "input/win32/DevicePreparation.h"

namespace tarvik {

void armReportEvent(DirectInputTables& directInput, int joystick, IDirectInputDevice8A* device) {
    if (joystick < 0 || joystick >= kMaxJoysticks || device == nullptr) return;
    directInput.reporting[joystick] = 0;
    HANDLE& event = directInput.reportEvents[joystick];
    if (event == nullptr) event = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    if (event == nullptr) return;
    const HRESULT result = device->SetEventNotification(event);
    if (result == DI_OK) {
        directInput.reporting[joystick] = 1;
    } else if (SUCCEEDED(result)) {
        // DI_POLLEDDEVICE: the event would only echo the passes' own polls.
        device->SetEventNotification(nullptr);
    }
}

int reportEvents(const DeviceTable& table, const DirectInputTables& directInput, HANDLE* out) {
    int count = 0;
    const int known = knownJoysticks(table);
    for (int d = 0; d < known; ++d) {
        if (directInput.reporting[d] != 0 && directInput.absent[d] == 0 &&
            directInput.reportEvents[d] != nullptr) {
            out[count++] = directInput.reportEvents[d];
        }
    }
    return count;
}

bool hasSilentPad(const DeviceTable& table, const DirectInputTables& directInput,
                  bool rawInputReports) {
    const int known = knownJoysticks(table);
    for (int d = 0; d < known; ++d) {
        if (directInput.absent[d] != 0) continue;
        const bool xinputPad = directInput.xinput.slots.userOfJoystick[d] != 0;
        if (xinputPad ? !rawInputReports : directInput.reporting[d] == 0) return true;
    }
    return false;
}

bool hasXInputPad(const DeviceTable& table, const DirectInputTables& directInput) {
    const int known = knownJoysticks(table);
    for (int d = 0; d < known; ++d) {
        if (directInput.xinput.slots.userOfJoystick[d] != 0) return true;
    }
    return false;
}

}  // namespace tarvik
