// Enumerating the game controllers again after the system announced a
// device change. Runs on the main thread while the mapping stands still.
// Slots never move: a controller seen before goes back to its own, a new
// one takes the next free index, and one that is gone keeps its slot at
// rest, so no other device changes its block meanwhile.

#include "input/PollFailures.h"
#include "input/win32/DeviceLayer.h"
#include "input/win32/DevicePreparation.h"
#include "input/win32/FailureReport.h"
#include "input/win32/XInputLayer.h"

namespace tarvik {

namespace {

// What one enumeration lists: which known joysticks, and the new instances
// in the system's order, as many as could still be taken.
struct Listing {
    const DirectInputTables& directInput;
    int knownCount;
    bool seen[kMaxJoysticks];
    GUID fresh[kMaxJoysticks];
    int freshCount;
};

BOOL CALLBACK listController(LPCDIDEVICEINSTANCEA instance, LPVOID reference) {
    Listing& listing = *static_cast<Listing*>(reference);
    for (int d = 0; d < listing.knownCount; ++d) {
        if (IsEqualGUID(instance->guidInstance, listing.directInput.instances[d])) {
            listing.seen[d] = true;
            return DIENUM_CONTINUE;
        }
    }
    if (listing.knownCount + listing.freshCount < kMaxJoysticks) {
        listing.fresh[listing.freshCount++] = instance->guidInstance;
    }
    return DIENUM_CONTINUE;
}

void restJoystick(DeviceTable& table, DirectInputTables& directInput, int joystick) {
    restState(table.states[2 * joystick]);
    restState(table.states[2 * joystick + 1]);
    directInput.failedReads[2 * joystick] = 0;
}

// A device that was unplugged may never answer through its old interface
// again: the returning one gets a fresh interface with the full set-up,
// and the old one stays only when that fails.
bool reopenJoystick(DeviceTable& table, DirectInputTables& directInput, HWND window, int joystick) {
    const int slot = 2 * joystick;
    IDirectInputDevice8A* fresh = nullptr;
    const HRESULT created =
        directInput.directInput->CreateDevice(directInput.instances[joystick], &fresh, nullptr);
    if (FAILED(created) || fresh == nullptr) {
        reportFailure("CreateDevice(returning joystick)", created);
        return false;
    }
    IDirectInputDevice8A* old = directInput.devices[slot];
    const uint32_t oldFlags = table.capabilityFlags[slot];
    const DIDEVICEINSTANCEA oldDescription = directInput.descriptions[slot];
    const DIDEVCAPS oldCapabilities = directInput.capabilities[slot];
    // The old interface may still hold the device exclusively.
    if (old != nullptr) old->Unacquire();
    directInput.devices[slot] = fresh;
    directInput.devices[slot + 1] = fresh;
    table.capabilityFlags[slot] = 0;
    int workingSlot = slot;
    if (FAILED(prepareJoystick(table, directInput, window, joystick, workingSlot))) {
        fresh->Release();
        directInput.devices[slot] = old;
        directInput.devices[slot + 1] = old;
        table.capabilityFlags[slot] = oldFlags;
        table.capabilityFlags[slot + 1] = oldFlags;
        directInput.descriptions[slot] = directInput.descriptions[slot + 1] = oldDescription;
        directInput.capabilities[slot] = directInput.capabilities[slot + 1] = oldCapabilities;
        return false;
    }
    if (old != nullptr) old->Release();
    restJoystick(table, directInput, joystick);
    return true;
}

// Takes a new controller into the next free index, the slot the mouse had
// until now; the caller moves the mouse behind it.
bool addJoystick(DeviceTable& table, DirectInputTables& directInput, HWND window,
                 const GUID& instance) {
    const int n = table.deviceCount;
    const int slot = 2 * n;
    IDirectInputDevice8A* fresh = nullptr;
    const HRESULT created = directInput.directInput->CreateDevice(instance, &fresh, nullptr);
    if (FAILED(created) || fresh == nullptr) {
        // Skipped and counted nothing, as at start; the next change tries again.
        reportFailure("CreateDevice(new joystick)", created);
        return false;
    }
    DIDEVICEINSTANCEA description{};
    description.dwSize = sizeof description;
    fresh->GetDeviceInfo(&description);
    if (leftToXInput(directInput.xinput, fresh, description)) {
        // XInput takes this pad below, in its own slot.
        fresh->Release();
        return false;
    }
    directInput.devices[slot] = fresh;
    directInput.devices[slot + 1] = fresh;
    table.capabilityFlags[slot] = 0;
    table.capabilityFlags[slot + 1] = 0;
    restJoystick(table, directInput, n);
    int workingSlot = slot;
    if (FAILED(prepareJoystick(table, directInput, window, n, workingSlot))) {
        fresh->Release();
        directInput.devices[slot] = nullptr;
        directInput.devices[slot + 1] = nullptr;
        table.capabilityFlags[slot] = 0;
        table.capabilityFlags[slot + 1] = 0;
        return false;
    }
    directInput.instances[n] = instance;
    directInput.absent[n] = 0;
    table.lastDeviceIndex = n;
    table.deviceCount = n + 1;
    return true;
}

}  // namespace

DeviceRefresh refreshDevices(DeviceTable& table, DirectInputTables& directInput, HWND window) {
    DeviceRefresh outcome{};
    if (directInput.directInput == nullptr) return outcome;
    const int known = table.deviceCount < 0
                          ? 0
                          : (table.deviceCount > kMaxJoysticks ? kMaxJoysticks : table.deviceCount);
    Listing listing{directInput, known, {}, {}, 0};
    const HRESULT result = directInput.directInput->EnumDevices(
        DI8DEVCLASS_GAMECTRL, listController, &listing, DIEDFL_ATTACHEDONLY);
    if (FAILED(result)) {
        // Half a listing would make working devices look gone.
        reportFailure("EnumDevices(refresh)", result);
        return outcome;
    }
    outcome.enumerated = true;

    for (int d = 0; d < known; ++d) {
        // XInput pads come and go through XInput, below.
        if (directInput.xinput.slots.userOfJoystick[d] != 0) continue;
        if (!listing.seen[d]) {
            if (directInput.absent[d] == 0) ++outcome.gone;
            directInput.absent[d] = 1;
            restState(table.states[2 * d]);
            restState(table.states[2 * d + 1]);
            continue;
        }
        // A working device stays as it is; one back or silent is opened anew.
        const bool silent = directInput.failedReads[2 * d] >= kSilentAfterFailures;
        if (directInput.absent[d] == 0 && !silent) continue;
        if (reopenJoystick(table, directInput, window, d)) {
            directInput.absent[d] = 0;
            ++outcome.returned;
        }
    }

    for (int i = 0; i < listing.freshCount && table.deviceCount < kMaxJoysticks; ++i) {
        if (addJoystick(table, directInput, window, listing.fresh[i])) ++outcome.added;
    }
    // Pads that XInput serves after the DirectInput ones, as at start.
    outcome.added += takeXInputPads(table, directInput);
    // The mouse's slot is the one after the last joystick; a failed set-up
    // may have written into it, so it is described again in any case.
    placeMouse(table, directInput);
    return outcome;
}

}  // namespace tarvik
