#pragma once
// Enumeration, preparation, polling and release of the game controllers and
// the system mouse through DirectInput 8.

#include "input/DeviceState.h"
#include "input/win32/DirectInputTables.h"

namespace tarvik {

// Creates DirectInput, takes up to six attached controllers and the system
// mouse, and prepares them with `window` as their cooperative-level window.
// `currentBlock` is the configuration window's selected block: it serves as
// the working slot while objects are enumerated and is left at 2 * the last
// joystick's index. Returns the first failing result, else DI_OK. The
// caller zeroes deviceCount and lastDeviceIndex first.
HRESULT initDevices(DeviceTable& table, DirectInputTables& directInput, HWND window,
                    int& currentBlock);

// What one re-enumeration changed; all zero when it could not enumerate.
struct DeviceRefresh {
    bool enumerated;
    int added;     // new controllers, each in the next free index
    int returned;  // known controllers opened again in their own slots
    int gone;      // controllers the system no longer lists; they keep their slots
};

// Enumerates the game controllers again after a device change and takes
// what changed: known ones (by instance GUID) back into their slots, new
// ones into the next free indexes up to six, set up as at start with
// `window`; the mouse then moves to the slot after the last joystick. A
// failing enumeration changes nothing, and nothing is shown to the user.
// Main thread only, while the polling stands still.
DeviceRefresh refreshDevices(DeviceTable& table, DirectInputTables& directInput, HWND window);

// Reads joystick slot `slot` into its state row. 0 on success or when the
// slot holds no joystick (the mouse's slot included); a failure leaves the
// row as it was and is returned.
int32_t pollJoystick(DeviceTable& table, DirectInputTables& directInput, int slot);

// Reads the system mouse and folds it into the slot after the last joystick.
int32_t pollMouse(DeviceTable& table, DirectInputTables& directInput);

// Lets go of the joysticks and of DirectInput. The mouse stays until the
// process ends. Only once the polling has stopped.
void releaseDevices(DeviceTable& table, DirectInputTables& directInput);

// The engine's view of the layer.
class DirectInputDeviceSource final : public DeviceSource {
  public:
    DirectInputDeviceSource(DeviceTable& table, DirectInputTables& directInput)
        : table_(table), directInput_(directInput) {}
    int32_t pollJoystick(int slot) override {
        return tarvik::pollJoystick(table_, directInput_, slot);
    }
    int32_t pollMouse() override { return tarvik::pollMouse(table_, directInput_); }

  private:
    DeviceTable& table_;
    DirectInputTables& directInput_;
};

}  // namespace tarvik
