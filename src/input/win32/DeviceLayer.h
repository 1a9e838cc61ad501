#pragma once
// Enumeration, preparation, polling and release of the game controllers and
// the system mouse through DirectInput 8.

#include "input/DeviceState.h"
#include "input/win32/DeviceListing.h"
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

// A look at the attached controllers after a device change: what is
// listed and where each would go. Main thread only.
struct DeviceSurvey {
    bool enumerated;
    // Places to add, reopen or mark gone, and XInput pads to take.
    int changes;
    DeviceListing listing;
    int8_t placeOfListed[kMaxListedPads];
};

// Enumerates the game controllers and asks XInput, changing nothing the
// polling reads: a controller is matched to its place by its device path
// (its instance GUID only where no path can be read), a returning one of
// the same product takes the first gone place of that product, twins of
// XInput pads are remembered and left out. True when the tables must
// change; a failing enumeration changes nothing and is shown to nobody.
bool surveyDevices(const DeviceTable& table, DirectInputTables& directInput, DeviceSurvey& survey);

// Takes what the survey found: known controllers opened again in their own
// places, new ones into the next free indexes up to six, set up as at start
// with `window`, gone ones at rest; the mouse then moves to the slot after
// the last joystick. With no change it only lets go of the survey's
// interfaces. While the polling stands still whenever the survey found
// changes.
DeviceRefresh applyDeviceSurvey(DeviceTable& table, DirectInputTables& directInput, HWND window,
                                DeviceSurvey& survey);

// Both steps at once, for callers that hold the polling still anyway.
DeviceRefresh refreshDevices(DeviceTable& table, DirectInputTables& directInput, HWND window);

// Reads joystick slot `slot` into its state row. 0 on success or when the
// slot holds no joystick (the mouse's slot included) or one that the last
// enumeration missed; a failure leaves the row as it was and is returned.
int32_t pollJoystick(DeviceTable& table, DirectInputTables& directInput, int slot);

// Reads the system mouse and folds it into the slot after the last joystick.
int32_t pollMouse(DeviceTable& table, DirectInputTables& directInput);

// Lets go of the joysticks and of DirectInput. The mouse stays until the
// process ends. Only once the polling has stopped.
void releaseDevices(DeviceTable& table, DirectInputTables& directInput);

// The report events of the joysticks that signal their reports, into
// `out` (room for kMaxJoysticks); returns how many. Polling thread.
int reportEvents(const DeviceTable& table, const DirectInputTables& directInput, HANDLE* out);

// Whether an XInput pad is among the joysticks: XInput signals nothing,
// its pads' reports come as raw input.
bool hasXInputPad(const DeviceTable& table, const DirectInputTables& directInput);

// Whether a joystick in place signals no reports: a DirectInput one
// without its event, or an XInput pad while raw input does not reach us.
bool hasSilentPad(const DeviceTable& table, const DirectInputTables& directInput,
                  bool rawInputReports);

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
