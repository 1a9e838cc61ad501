#include "input/win32/XInputLayer.h"

#include <cstdio>
#include <cstring>

#include "input/PollFailures.h"
#include "input/XInputConversion.h"
#include "input/win32/XInputTwins.h"

namespace tarvik {

static_assert(sizeof(XINPUT_GAMEPAD) == sizeof(XInputGamepad));
static_assert(offsetof(XINPUT_GAMEPAD, bLeftTrigger) == offsetof(XInputGamepad, leftTrigger));
static_assert(offsetof(XINPUT_GAMEPAD, sThumbLX) == offsetof(XInputGamepad, thumbLX));
static_assert(offsetof(XINPUT_GAMEPAD, sThumbRY) == offsetof(XInputGamepad, thumbRY));

namespace {

// Newest first; xinput9_1_0.dll has the state function too.
constexpr const char* kXInputDlls[] = {"xinput1_4.dll", "xinput1_3.dll", "xinput9_1_0.dll"};

bool inUse(const XInputTables& xinput) {
    return xinput.off == 0 && xinput.getState != nullptr;
}

XInputGamepad gamepadOf(const XINPUT_STATE& state) {
    XInputGamepad pad;
    std::memcpy(&pad, &state.Gamepad, sizeof pad);
    return pad;
}

// The rows the configuration window shows: a name and the counts.
void describePad(DirectInputTables& directInput, int slot, int user) {
    DIDEVICEINSTANCEA& description = directInput.descriptions[slot];
    description = DIDEVICEINSTANCEA{};
    description.dwSize = sizeof(DIDEVICEINSTANCEA);
    description.dwDevType = DI8DEVTYPE_GAMEPAD | (DI8DEVTYPEGAMEPAD_STANDARD << 8);
    std::snprintf(description.tszProductName, sizeof description.tszProductName, "XInput pad %d",
                  user + 1);
    std::memcpy(description.tszInstanceName, description.tszProductName,
                sizeof description.tszInstanceName);
    DIDEVCAPS& caps = directInput.capabilities[slot];
    caps = DIDEVCAPS{};
    caps.dwSize = sizeof(DIDEVCAPS);
    caps.dwFlags = DIDC_ATTACHED;
    caps.dwDevType = description.dwDevType;
    caps.dwAxes = kXInputAxes;
    caps.dwButtons = kXInputButtons;
    caps.dwPOVs = kXInputPovs;
}

}  // namespace

bool loadXInput(XInputTables& xinput) {
    if (xinput.off != 0) return false;
    for (const char* name : kXInputDlls) {
        HMODULE module = LoadLibraryA(name);
        if (module == nullptr) continue;
        auto getState = reinterpret_cast<XInputGetStateFunction>(
            reinterpret_cast<void*>(GetProcAddress(module, "XInputGetState")));
        if (getState != nullptr) {
            xinput.module = module;
            xinput.getState = getState;
            return true;
        }
        FreeLibrary(module);
    }
    return false;
}

bool leftToXInput(XInputTables& xinput, IDirectInputDevice8A* device,
                  const DIDEVICEINSTANCEA& instance) {
    if (!inUse(xinput) || device == nullptr) return false;
    XInputTwinCheck& check = xinput.twinCheck != nullptr ? *xinput.twinCheck : platformTwinCheck();
    return check.servedByXInput(device, instance);
}

int takeXInputPads(DeviceTable& table, DirectInputTables& directInput) {
    XInputTables& xinput = directInput.xinput;
    if (!inUse(xinput)) return 0;
    const int before = table.deviceCount;
    const uint8_t toAsk = xinputUsersToAsk(xinput.slots);
    for (int user = 0; user < kXInputUsers; ++user) {
        if ((toAsk & (1u << user)) == 0) continue;
        XINPUT_STATE state{};
        if (xinput.getState(static_cast<DWORD>(user), &state) != ERROR_SUCCESS) continue;
        const bool known = xinputJoystickOfUser(xinput.slots, user) >= 0;
        const int joystick =
            placeAnsweringPad(xinput.slots, user, table.deviceCount, table.lastDeviceIndex);
        if (joystick < 0) continue;
        const int slot = 2 * joystick;
        if (!known) {
            describePad(directInput, slot, user);
            directInput.descriptions[slot + 1] = directInput.descriptions[slot];
            directInput.capabilities[slot + 1] = directInput.capabilities[slot];
            table.capabilityFlags[slot] = kXInputCapabilityFlags;
            table.capabilityFlags[slot + 1] = kXInputCapabilityFlags;
        }
        fillXInputRow(gamepadOf(state), table.states[slot]);
        table.states[slot + 1] = table.states[slot];
    }
    return table.deviceCount - before;
}

int xinputPadsToTake(const DirectInputTables& directInput, int room) {
    const XInputTables& xinput = directInput.xinput;
    if (!inUse(xinput)) return 0;
    int count = 0;
    const uint8_t toAsk = xinputUsersToAsk(xinput.slots);
    for (int user = 0; user < kXInputUsers; ++user) {
        if ((toAsk & (1u << user)) == 0) continue;
        const bool placed = xinputJoystickOfUser(xinput.slots, user) >= 0;
        if (!placed && room <= 0) continue;
        XINPUT_STATE state{};
        if (xinput.getState(static_cast<DWORD>(user), &state) != ERROR_SUCCESS) continue;
        if (!placed) --room;
        ++count;
    }
    return count;
}

int32_t pollXInputPad(DeviceTable& table, DirectInputTables& directInput, int slot) {
    XInputTables& xinput = directInput.xinput;
    const int user = xinputUserOfSlot(xinput.slots, slot);
    // Gone pads read at rest since they went; asking them in every pass
    // would cost each pass far more than a connected pad does.
    if (user < 0 || !padAnswers(xinput.slots, user) || xinput.getState == nullptr) return 0;

    XINPUT_STATE state;
    const DWORD result = xinput.getState(static_cast<DWORD>(user), &state);
    if (result == ERROR_SUCCESS) {
        fillXInputRow(gamepadOf(state), table.states[slot]);
        return 0;
    }
    if (result == ERROR_DEVICE_NOT_CONNECTED) {
        // Both slots: the other one is not read again either.
        padStoppedAnswering(xinput.slots, user);
        restState(table.states[slot & ~1]);
        restState(table.states[slot | 1]);
    }
    return HRESULT_FROM_WIN32(result);
}

void releaseXInput(XInputTables& xinput) {
    xinput.getState = nullptr;
    if (xinput.module != nullptr) FreeLibrary(xinput.module);
    xinput.module = nullptr;
    xinput.slots = XInputSlots{};
}

}  // namespace tarvik
