#include "input/CapabilityRules.h"
#include "input/EnumerationLimit.h"
#include "input/MouseFolding.h"
#include "input/win32/DeviceLayer.h"
#include "input/win32/DeviceListing.h"
#include "input/win32/DevicePreparation.h"
#include "input/win32/FailureReport.h"
#include "input/win32/ObjectKinds.h"
#include "input/win32/XInputLayer.h"

namespace tarvik {

namespace {

constexpr int32_t kAxisRangeMin = -1000;
constexpr int32_t kAxisRangeMax = 1000;

// What the enumeration callbacks need; DirectInput hands it back to them.
struct SetupContext {
    DeviceTable& table;
    DirectInputTables& directInput;
    int& workingSlot;
};

// Takes the listed controllers in the remembered order, new ones after
// them in the system's, up to six; twins of XInput pads stay out.
void takeListedControllers(DeviceTable& table, DirectInputTables& directInput,
                           DeviceListing& listing) {
    int8_t order[kMaxListedPads];
    const int count =
        orderByMemory(directInput.padOrder.order, listing.identities, listing.count, order);
    for (int k = 0; k < count && table.deviceCount < kMaxJoysticks; ++k) {
        const int i = order[k];
        IDirectInputDevice8A* device = listing.devices[i];
        if (device == nullptr) continue;
        // A pad that XInput serves is listed through XInput alone.
        if (leftToXInput(directInput.xinput, device, listing.descriptions[i])) {
            rememberTwin(directInput.pads, listing.identities[i]);
            continue;
        }
        const int n = table.deviceCount;
        listing.devices[i] = nullptr;
        directInput.devices[2 * n] = device;
        directInput.devices[2 * n + 1] = device;
        directInput.instances[n] = listing.instances[i];
        directInput.absent[n] = 0;
        directInput.pads.places[n] = listing.identities[i];
        table.lastDeviceIndex = n;
        table.deviceCount = n + 1;
    }
}

BOOL CALLBACK prepareObject(LPCDIDEVICEOBJECTINSTANCEA object, LPVOID reference) {
    SetupContext& context = *static_cast<SetupContext*>(reference);
    const int slot = context.workingSlot;
    if (slot < 0 || slot + 1 >= kDeviceSlots) return DIENUM_STOP;

    if (isAxisObject(object->dwType)) {
        DIPROPRANGE range{};
        range.diph.dwSize = sizeof(DIPROPRANGE);
        range.diph.dwHeaderSize = sizeof(DIPROPHEADER);
        range.diph.dwObj = object->dwType;
        range.diph.dwHow = DIPH_BYID;
        range.lMin = kAxisRangeMin;
        range.lMax = kAxisRangeMax;
        const HRESULT result =
            context.directInput.devices[slot]->SetProperty(DIPROP_RANGE, &range.diph);
        if (FAILED(result)) {
            // The device's remaining objects go uncounted; set-up goes on.
            reportFailure("SetProperty(DIPROP_RANGE)", result);
            return DIENUM_STOP;
        }
    }
    uint32_t* flags = context.table.capabilityFlags;
    flags[slot] = addObjectFlag(flags[slot], objectKindOf(object->guidType));
    flags[slot + 1] = flags[slot];
    return DIENUM_CONTINUE;
}

// Description and capability rows of one device, as far as it answers.
void describe(IDirectInputDevice8A* device, DirectInputTables& directInput, int slot) {
    directInput.descriptions[slot] = DIDEVICEINSTANCEA{};
    directInput.descriptions[slot].dwSize = sizeof(DIDEVICEINSTANCEA);
    device->GetDeviceInfo(&directInput.descriptions[slot]);
    directInput.capabilities[slot] = DIDEVCAPS{};
    directInput.capabilities[slot].dwSize = sizeof(DIDEVCAPS);
    device->GetCapabilities(&directInput.capabilities[slot]);
}

HRESULT prepareMouse(DeviceTable& table, DirectInputTables& directInput, HWND window) {
    HRESULT result =
        directInput.directInput->CreateDevice(GUID_SysMouse, &directInput.mouse, nullptr);
    if (FAILED(result)) {
        directInput.mouse = nullptr;
        return reportFailure("CreateDevice(mouse)", result);
    }
    IDirectInputDevice8A* mouse = directInput.mouse;
    result = mouse->SetDataFormat(&c_dfDIMouse2);
    if (FAILED(result)) return reportFailure("SetDataFormat(mouse)", result);
    result = mouse->SetCooperativeLevel(window, DISCL_NONEXCLUSIVE | DISCL_BACKGROUND);
    if (FAILED(result)) return reportFailure("SetCooperativeLevel(mouse)", result);

    placeMouse(table, directInput);
    mouse->Acquire();
    return DI_OK;
}

}  // namespace

HRESULT prepareJoystick(DeviceTable& table, DirectInputTables& directInput, HWND window,
                        int joystick, int& workingSlot) {
    const int slot = 2 * joystick;
    IDirectInputDevice8A* device = directInput.devices[slot];
    workingSlot = slot;

    describe(device, directInput, slot);
    directInput.descriptions[slot + 1] = directInput.descriptions[slot];
    directInput.capabilities[slot + 1] = directInput.capabilities[slot];
    // Until its first successful poll the joystick reads at rest.
    centreHats(table.states[slot]);
    centreHats(table.states[slot + 1]);

    HRESULT result = device->SetDataFormat(&c_dfDIJoystick2);
    if (FAILED(result)) return reportFailure("SetDataFormat(joystick)", result);
    result = device->SetCooperativeLevel(window, DISCL_EXCLUSIVE | DISCL_BACKGROUND);
    if (FAILED(result)) return reportFailure("SetCooperativeLevel(joystick)", result);
    SetupContext context{table, directInput, workingSlot};
    result = device->EnumObjects(prepareObject, &context, DIDFT_ALL);
    if (FAILED(result)) return reportFailure("EnumObjects", result);
    armReportEvent(directInput, joystick, device);
    return DI_OK;
}

void placeMouse(DeviceTable& table, DirectInputTables& directInput) {
    const int slot = table.mouseSlot();
    if (directInput.mouse == nullptr || slot < 0 || slot >= kDeviceSlots) return;
    describe(directInput.mouse, directInput, slot);
    table.capabilityFlags[slot] = mouseCapabilityFlags(directInput.capabilities[slot].dwAxes);
    table.states[slot] = DeviceState{};
    centreHats(table.states[slot]);
}

HRESULT initDevices(DeviceTable& table, DirectInputTables& directInput, HWND window,
                    int& currentBlock) {
    HRESULT result =
        DirectInput8Create(GetModuleHandleA(nullptr), DIRECTINPUT_VERSION, IID_IDirectInput8A,
                           reinterpret_cast<void**>(&directInput.directInput), nullptr);
    if (FAILED(result)) {
        directInput.directInput = nullptr;
        return reportFailure("DirectInput8Create", result);
    }
    // Before the enumeration, which leaves out the pads XInput serves.
    loadXInput(directInput.xinput);
    static DeviceListing listing;
    result = listControllers(directInput.directInput, listing);
    if (FAILED(result)) return reportFailure("EnumDevices", result);
    if (directInput.orderFiles != nullptr) {
        readPadOrder(*directInput.orderFiles, directInput.padOrder);
    }
    takeListedControllers(table, directInput, listing);
    releaseListing(listing);

    for (int d = 0; d < table.deviceCount; ++d) {
        result = prepareJoystick(table, directInput, window, d, currentBlock);
        if (FAILED(result)) return result;
    }
    // The connected XInput pads follow the DirectInput controllers.
    takeXInputPads(table, directInput);
    rememberPadOrder(table, directInput);
    return prepareMouse(table, directInput, window);
}

void rememberPadOrder(const DeviceTable& table, DirectInputTables& directInput) {
    if (directInput.orderFiles == nullptr) return;
    const char* names[kMaxJoysticks] = {};
    const int count = table.deviceCount < kMaxJoysticks ? table.deviceCount : kMaxJoysticks;
    for (int d = 0; d < count; ++d) names[d] = directInput.descriptions[2 * d].tszProductName;
    writePadOrder(*directInput.orderFiles, directInput.padOrder, directInput.pads.places, names,
                  count);
}

void releaseDevices(DeviceTable& table, DirectInputTables& directInput) {
    const int count = table.deviceCount < kMaxJoysticks ? table.deviceCount : kMaxJoysticks;
    for (int d = 0; d < count; ++d) {
        IDirectInputDevice8A*& device = directInput.devices[2 * d];
        if (device != nullptr) {
            device->Unacquire();
            device->Release();
        }
        // The shifted slot names the same device: no dangling copy stays.
        device = nullptr;
        directInput.devices[2 * d + 1] = nullptr;
    }
    for (int d = 0; d < kMaxJoysticks; ++d) {
        directInput.reporting[d] = 0;
        if (directInput.reportEvents[d] != nullptr) CloseHandle(directInput.reportEvents[d]);
        directInput.reportEvents[d] = nullptr;
    }
    if (directInput.directInput != nullptr) {
        directInput.directInput->Release();
        directInput.directInput = nullptr;
    }
    releaseXInput(directInput.xinput);
}

}  // namespace tarvik
