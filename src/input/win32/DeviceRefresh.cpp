// Enumerating the game controllers again after the system announced a
// device change. Places never move: a controller seen before goes back to
// its own, a new one takes the next free index, and one that is gone keeps
// its place at rest, so no other device changes its block meanwhile.
// The look comes first and touches nothing the polling reads; only when a
// place is to change does the caller stop the mapping for the second step.

#include "input/PollFailures.h"
#include "input/win32/DeviceLayer.h"
#include "input/win32/DevicePreparation.h"
#include "input/win32/FailureReport.h"
#include "input/win32/XInputLayer.h"

namespace tarvik {

namespace {

// The DirectInput places; XInput pads come and go through XInput.
uint32_t directInputPlaces(const DeviceTable& table, const DirectInputTables& directInput) {
    uint32_t places = 0;
    for (int d = 0; d < knownJoysticks(table); ++d) {
        if (directInput.xinput.slots.userOfJoystick[d] == 0) places |= 1u << d;
    }
    return places;
}

// A known place whose controller is listed but must be opened anew: back
// after an unplug, silent, or back under another path.
bool needsReopening(const DirectInputTables& directInput, int d, const PadIdentity& listed) {
    return directInput.absent[d] != 0 || directInput.failedReads[2 * d] >= kSilentAfterFailures ||
           !samePadKey(directInput.pads.places[d].key, listed.key);
}

void restJoystick(DeviceTable& table, DirectInputTables& directInput, int joystick) {
    restState(table.states[2 * joystick]);
    restState(table.states[2 * joystick + 1]);
    directInput.failedReads[2 * joystick] = 0;
}

// A device that was unplugged may never answer through its old interface
// again: the returning one takes the listing's fresh interface with the
// full set-up, and the old one stays only when that fails.
bool reopenJoystick(DeviceTable& table, DirectInputTables& directInput, HWND window, int joystick,
                    IDirectInputDevice8A* fresh) {
    const int slot = 2 * joystick;
    IDirectInputDevice8A* old = directInput.devices[slot];
    const uint32_t oldFlags = table.capabilityFlags[slot];
    const DIDEVICEINSTANCEA oldDescription = directInput.descriptions[slot];
    const DIDEVCAPS oldCapabilities = directInput.capabilities[slot];
    // The old interface may still hold the device exclusively.
    if (old != nullptr) {
        old->Unacquire();
        // The place's event goes to the fresh interface.
        old->SetEventNotification(nullptr);
    }
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
        armReportEvent(directInput, joystick, old);
        return false;
    }
    if (old != nullptr) old->Release();
    restJoystick(table, directInput, joystick);
    return true;
}

// Takes a new controller into the next free index, the slot the mouse had
// until now; the caller moves the mouse behind it.
bool addJoystick(DeviceTable& table, DirectInputTables& directInput, HWND window,
                 IDirectInputDevice8A* fresh) {
    const int n = table.deviceCount;
    const int slot = 2 * n;
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
    directInput.absent[n] = 0;
    table.lastDeviceIndex = n;
    table.deviceCount = n + 1;
    return true;
}

}  // namespace

bool surveyDevices(const DeviceTable& table, DirectInputTables& directInput, DeviceSurvey& survey) {
    survey.enumerated = false;
    survey.changes = 0;
    survey.listing.count = 0;
    if (directInput.directInput == nullptr) return false;
    DeviceListing& listing = survey.listing;
    const HRESULT result = listControllers(directInput.directInput, listing);
    if (FAILED(result)) {
        // Half a listing would make working devices look gone.
        reportFailure("EnumDevices(refresh)", result);
        return false;
    }
    survey.enumerated = true;
    const int known = knownJoysticks(table);
    const uint32_t places = directInputPlaces(table, directInput);
    matchListedPads(directInput.pads, known, places, listing.identities, listing.count,
                    survey.placeOfListed);

    uint32_t seen = 0;
    int room = kMaxJoysticks - known;
    for (int i = 0; i < listing.count; ++i) {
        int8_t& place = survey.placeOfListed[i];
        if (listing.devices[i] == nullptr) {
            place = kLeftOut;
            continue;
        }
        if (place >= 0) {
            seen |= 1u << place;
            if (needsReopening(directInput, place, listing.identities[i])) {
                ++survey.changes;
            } else {
                // Identical pads swap instance GUIDs; nothing polled reads it.
                directInput.instances[place] = listing.instances[i];
            }
            continue;
        }
        if (place != kNewPad) continue;
        // Twins are remembered, so they neither take places nor are checked
        // again at every change.
        if (leftToXInput(directInput.xinput, listing.devices[i], listing.descriptions[i])) {
            rememberTwin(directInput.pads, listing.identities[i]);
            place = kLeftOut;
            continue;
        }
        if (room > 0) {
            --room;
            ++survey.changes;
        }
    }
    for (int d = 0; d < known; ++d) {
        const uint32_t bit = 1u << d;
        if ((places & bit) != 0 && (seen & bit) == 0 && directInput.absent[d] == 0) {
            ++survey.changes;
        }
    }
    survey.changes += xinputPadsToTake(directInput, room);
    return survey.changes > 0;
}

DeviceRefresh applyDeviceSurvey(DeviceTable& table, DirectInputTables& directInput, HWND window,
                                DeviceSurvey& survey) {
    DeviceRefresh outcome{};
    outcome.enumerated = survey.enumerated;
    DeviceListing& listing = survey.listing;
    if (!survey.enumerated || survey.changes == 0) {
        releaseListing(listing);
        return outcome;
    }
    const int known = knownJoysticks(table);
    const uint32_t places = directInputPlaces(table, directInput);
    uint32_t seen = 0;
    for (int i = 0; i < listing.count; ++i) {
        const int place = survey.placeOfListed[i];
        if (place < 0) continue;
        seen |= 1u << place;
        if (!needsReopening(directInput, place, listing.identities[i])) continue;
        IDirectInputDevice8A* fresh = listing.devices[i];
        listing.devices[i] = nullptr;
        if (reopenJoystick(table, directInput, window, place, fresh)) {
            directInput.absent[place] = 0;
            directInput.instances[place] = listing.instances[i];
            directInput.pads.places[place] = listing.identities[i];
            ++outcome.returned;
        }
    }
    for (int d = 0; d < known; ++d) {
        const uint32_t bit = 1u << d;
        if ((places & bit) == 0 || (seen & bit) != 0) continue;
        if (directInput.absent[d] == 0) ++outcome.gone;
        directInput.absent[d] = 1;
        restState(table.states[2 * d]);
        restState(table.states[2 * d + 1]);
    }
    for (int i = 0; i < listing.count && table.deviceCount < kMaxJoysticks; ++i) {
        if (survey.placeOfListed[i] != kNewPad) continue;
        IDirectInputDevice8A* fresh = listing.devices[i];
        listing.devices[i] = nullptr;
        const int n = table.deviceCount;
        if (addJoystick(table, directInput, window, fresh)) {
            directInput.instances[n] = listing.instances[i];
            directInput.pads.places[n] = listing.identities[i];
            ++outcome.added;
        }
    }
    releaseListing(listing);
    // Pads that XInput serves after the DirectInput ones, as at start.
    outcome.added += takeXInputPads(table, directInput);
    // The mouse's slot is the one after the last joystick; a failed set-up
    // may have written into it, so it is described again in any case.
    placeMouse(table, directInput);
    if (outcome.added > 0 || outcome.returned > 0) rememberPadOrder(table, directInput);
    return outcome;
}

DeviceRefresh refreshDevices(DeviceTable& table, DirectInputTables& directInput, HWND window) {
    static DeviceSurvey survey;
    surveyDevices(table, directInput, survey);
    return applyDeviceSurvey(table, directInput, window, survey);
}

}  // namespace tarvik
