#include "VirtualDevice.h"

#include <cstdio>
#include <cstring>

#include "ReportWatcher.h"
#include "SharedBlock.h"

namespace vc {

namespace {

constexpr int kPositionSpan = 2000;  // -1000 .. +1000

int clampCount(uint32_t value, int limit) {
    return value > static_cast<uint32_t>(limit) ? limit : static_cast<int>(value);
}

bool sameFormat(const DIDATAFORMAT& a, const DIDATAFORMAT& b) {
    if (a.dwSize != b.dwSize || a.dwObjSize != b.dwObjSize || a.dwFlags != b.dwFlags ||
        a.dwDataSize != b.dwDataSize || a.dwNumObjs != b.dwNumObjs || a.rgodf == nullptr) {
        return false;
    }
    for (DWORD i = 0; i < a.dwNumObjs; ++i) {
        const DIOBJECTDATAFORMAT& x = a.rgodf[i];
        const DIOBJECTDATAFORMAT& y = b.rgodf[i];
        if (x.dwOfs != y.dwOfs || x.dwType != y.dwType || x.dwFlags != y.dwFlags) return false;
        if ((x.pguid == nullptr) != (y.pguid == nullptr)) return false;
        if (x.pguid != nullptr && !IsEqualGUID(*x.pguid, *y.pguid)) return false;
    }
    return true;
}

// Which of the two predefined formats the program handed over, compared by
// content: the program's copy lives in its own module.
DataFormat formatOf(const DIDATAFORMAT* format) {
    if (format == nullptr) return kOtherFormat;
    if (sameFormat(*format, c_dfDIJoystick2)) return kJoystick2;
    if (sameFormat(*format, c_dfDIMouse2)) return kMouse2;
    return kOtherFormat;
}

const GUID* const kAxisGuids[kAxes] = {&GUID_XAxis,  &GUID_YAxis,  &GUID_ZAxis,  &GUID_RxAxis,
                                       &GUID_RyAxis, &GUID_RzAxis, &GUID_Slider, &GUID_Slider};

DWORD deviceType(bool mouse) {
    return mouse ? (DI8DEVTYPE_MOUSE | (DI8DEVTYPEMOUSE_UNKNOWN << 8))
                 : (DI8DEVTYPE_JOYSTICK | (DI8DEVTYPEJOYSTICK_STANDARD << 8));
}

}  // namespace

uint32_t productIds(const Device& device) {
    // Controllers of one name are one product, as identical pads are.
    uint32_t hash = 2166136261u;
    for (const char* c = device.setup.name; *c != '\0' && c < device.setup.name + 64; ++c) {
        hash = (hash ^ static_cast<uint8_t>(*c)) * 16777619u;
    }
    return kVendorId | ((hash & 0xFFFF) << 16);
}

GUID controllerInstance(const Block& block, int index) {
    // DirectInput numbers identical pads among those attached, so when one
    // goes the others move up a number: only the path stays with a pad.
    const uint32_t product = productIds(block.controllers[index]);
    int ordinal = 0;
    for (int i = 0; i < index; ++i) {
        const Device& other = block.controllers[i];
        if (other.setup.unplugged == 0 && productIds(other) == product) ++ordinal;
    }
    GUID guid = {0x7A5E0100, 0x1D1C, 0x4B7A, {0x9C, 0x31, 0x54, 0x56, 0x43, 0x00, 0x00, 0x00}};
    guid.Data4[5] = static_cast<BYTE>(product >> 24);
    guid.Data4[6] = static_cast<BYTE>(product >> 16);
    guid.Data4[7] = static_cast<BYTE>(ordinal);
    return guid;
}

void describeDevice(const Device& device, bool mouse, int index, DIDEVICEINSTANCEA& out) {
    const DWORD size = out.dwSize;
    std::memset(&out, 0, sizeof out);
    out.dwSize = size;
    out.guidInstance = mouse ? GUID_SysMouse : controllerInstance(sharedBlock(), index);
    out.guidProduct = out.guidInstance;
    out.guidProduct.Data1 = mouse ? 0x6F1D2B60 : productIds(device);
    out.dwDevType = deviceType(mouse);
    std::snprintf(out.tszInstanceName, sizeof out.tszInstanceName, "%s", device.setup.name);
    std::snprintf(out.tszProductName, sizeof out.tszProductName, "%s", device.setup.name);
}

HRESULT VirtualDevice::QueryInterface(REFIID riid, void** object) {
    if (object == nullptr) return E_POINTER;
    if (IsEqualGUID(riid, IID_IUnknown) || IsEqualGUID(riid, IID_IDirectInputDevice8A)) {
        AddRef();
        *object = this;
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG VirtualDevice::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG VirtualDevice::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) {
        device_.calls.released = 1;
        delete this;
    }
    return static_cast<ULONG>(left);
}

bool VirtualDevice::axisPresent(int axis) const {
    const DeviceSetup& setup = device_.setup;
    if (mouse_) return axis < clampCount(setup.axes, 3);
    if (axis < 6) return (setup.axes & (1u << axis)) != 0;
    return axis - 6 < clampCount(setup.sliders, 2);
}

int VirtualDevice::objects(Object (&out)[kAxes + kHats + kButtons]) const {
    int n = 0;
    int axisInstance = 0;
    for (int axis = 0; axis < kAxes; ++axis) {
        if (!axisPresent(axis)) continue;
        const DWORD kind = mouse_ ? DIDFT_RELAXIS : DIDFT_ABSAXIS;
        out[n++] = {kind | DIDFT_MAKEINSTANCE(axisInstance++), static_cast<DWORD>(4 * axis),
                    kAxisGuids[axis], axis};
    }
    if (!mouse_) {
        for (int hat = 0; hat < clampCount(device_.setup.hats, kHats); ++hat) {
            out[n++] = {static_cast<DWORD>(DIDFT_POV | DIDFT_MAKEINSTANCE(hat)),
                        static_cast<DWORD>(32 + 4 * hat), &GUID_POV, -1};
        }
    }
    const int buttons = clampCount(device_.setup.buttons, mouse_ ? kMouseButtons : kButtons);
    const DWORD firstButton = mouse_ ? 12 : 48;
    for (int b = 0; b < buttons; ++b) {
        out[n++] = {static_cast<DWORD>(DIDFT_PSHBUTTON | DIDFT_MAKEINSTANCE(b)), firstButton + b,
                    &GUID_Button, -1};
    }
    return n;
}

HRESULT VirtualDevice::GetCapabilities(LPDIDEVCAPS caps) {
    ++device_.calls.getCapabilities;
    if (caps == nullptr ||
        (caps->dwSize != sizeof(DIDEVCAPS) && caps->dwSize != sizeof(DIDEVCAPS_DX3))) {
        return DIERR_INVALIDPARAM;
    }
    DIDEVCAPS full{};
    full.dwSize = caps->dwSize;
    full.dwFlags = DIDC_ATTACHED;
    full.dwDevType = deviceType(mouse_);
    for (int axis = 0; axis < kAxes; ++axis) full.dwAxes += axisPresent(axis) ? 1 : 0;
    full.dwButtons = clampCount(device_.setup.buttons, mouse_ ? kMouseButtons : kButtons);
    full.dwPOVs = mouse_ ? 0 : clampCount(device_.setup.hats, kHats);
    std::memcpy(caps, &full, caps->dwSize);
    return DI_OK;
}

HRESULT VirtualDevice::GetDeviceInfo(LPDIDEVICEINSTANCEA info) {
    ++device_.calls.getDeviceInfo;
    if (info == nullptr || (info->dwSize != sizeof(DIDEVICEINSTANCEA) &&
                            info->dwSize != sizeof(DIDEVICEINSTANCE_DX3A))) {
        return DIERR_INVALIDPARAM;
    }
    DIDEVICEINSTANCEA full{};
    full.dwSize = info->dwSize;
    describeDevice(device_, mouse_, index_, full);
    std::memcpy(info, &full, info->dwSize);
    return DI_OK;
}

HRESULT VirtualDevice::EnumObjects(LPDIENUMDEVICEOBJECTSCALLBACKA callback, LPVOID reference,
                                   DWORD flags) {
    DeviceCalls& calls = device_.calls;
    ++calls.enumObjects;
    calls.enumObjectsFlags = flags;
    if (callback == nullptr) return DIERR_INVALIDPARAM;
    if (device_.setup.enumObjectsResult != 0) return device_.setup.enumObjectsResult;

    Object list[kAxes + kHats + kButtons];
    const int count = objects(list);
    for (int i = 0; i < count; ++i) {
        const Object& object = list[i];
        if (flags != DIDFT_ALL && (DIDFT_GETTYPE(object.type) & flags & 0xFF) == 0) continue;
        DIDEVICEOBJECTINSTANCEA instance{};
        instance.dwSize = sizeof instance;
        instance.guidType = *object.guid;
        instance.dwOfs = object.offset;
        instance.dwType = object.type;
        instance.dwFlags = object.axis >= 0 ? DIDOI_ASPECTPOSITION : 0;
        std::snprintf(instance.tszName, sizeof instance.tszName, "%s %lu",
                      object.axis >= 0 ? "Axis" : (object.guid == &GUID_POV ? "Hat" : "Button"),
                      static_cast<unsigned long>(DIDFT_GETINSTANCE(object.type)));
        ++calls.objectsEnumerated;
        if (callback(&instance, reference) == DIENUM_STOP) break;
    }
    return DI_OK;
}

HRESULT VirtualDevice::GetProperty(REFGUID property, LPDIPROPHEADER header) {
    if (&property != &DIPROP_GUIDANDPATH || mouse_) return DIERR_UNSUPPORTED;
    if (header == nullptr || header->dwSize != sizeof(DIPROPGUIDANDPATH) ||
        header->dwHeaderSize != sizeof(DIPROPHEADER)) {
        return DIERR_INVALIDPARAM;
    }
    auto& path = *reinterpret_cast<DIPROPGUIDANDPATH*>(header);
    DIDEVICEINSTANCEA instance{};
    instance.dwSize = sizeof instance;
    describeDevice(device_, false, index_, instance);
    const unsigned long ids = instance.guidProduct.Data1;
    const XPad* twin = xpadTwinOf(sharedBlock(), index_);
    const int port = device_.setup.port != 0 ? static_cast<int>(device_.setup.port) : index_;
    char text[MAX_PATH];
    if (twin != nullptr && twin->bluetooth != 0) {
        // Classic Bluetooth spells the ids its own way.
        std::snprintf(
            text, sizeof text,
            "\\\\?\\HID#{00001124-0000-1000-8000-00805f9b34fb}_VID&0002%04lx_PID&%04lx&IG_00"
            "#virtual&%d",
            ids & 0xFFFF, ids >> 16, port);
    } else {
        std::snprintf(text, sizeof text, "\\\\?\\HID#VID_%04lX&PID_%04lX%s#virtual&%d",
                      ids & 0xFFFF, ids >> 16, twin != nullptr ? "&IG_00" : "", port);
    }
    path.guidClass = GUID{};
    MultiByteToWideChar(CP_ACP, 0, text, -1, path.wszPath, MAX_PATH);
    return DI_OK;
}

HRESULT VirtualDevice::SetProperty(REFGUID property, LPCDIPROPHEADER header) {
    if (&property != &DIPROP_RANGE) return DIERR_UNSUPPORTED;
    if (header == nullptr || header->dwSize != sizeof(DIPROPRANGE) ||
        header->dwHeaderSize != sizeof(DIPROPHEADER)) {
        return DIERR_INVALIDPARAM;
    }
    ++device_.calls.setRange;
    if (acquired_) return DIERR_ACQUIRED;
    if (mouse_) return DIERR_UNSUPPORTED;
    return setRange(*reinterpret_cast<const DIPROPRANGE*>(header));
}

HRESULT VirtualDevice::setRange(const DIPROPRANGE& range) {
    if (range.lMin >= range.lMax) return DIERR_INVALIDPARAM;
    Object list[kAxes + kHats + kButtons];
    const int count = objects(list);
    uint32_t targets = 0;
    for (int i = 0; i < count; ++i) {
        const Object& object = list[i];
        if (object.axis < 0) continue;
        const DWORD how = range.diph.dwHow;
        const DWORD which = range.diph.dwObj;
        const bool hit = (how == DIPH_DEVICE && which == 0) ||
                         (how == DIPH_BYID && (which & DIDFT_AXIS) != 0 &&
                          DIDFT_GETINSTANCE(which) == DIDFT_GETINSTANCE(object.type)) ||
                         (how == DIPH_BYOFFSET && which == object.offset);
        if (hit) targets |= 1u << object.axis;
    }
    if (targets == 0) return DIERR_OBJECTNOTFOUND;
    const int refused = device_.setup.refuseRangeAxis;
    if (refused >= 0 && refused < kAxes && (targets & (1u << refused)) != 0) {
        return DIERR_UNSUPPORTED;
    }
    DeviceCalls& calls = device_.calls;
    for (int axis = 0; axis < kAxes; ++axis) {
        if ((targets & (1u << axis)) == 0) continue;
        rangeMin_[axis] = range.lMin;
        rangeMax_[axis] = range.lMax;
        calls.rangeSetAxes |= 1u << axis;
        calls.rangeMin[axis] = range.lMin;
        calls.rangeMax[axis] = range.lMax;
    }
    return DI_OK;
}

HRESULT VirtualDevice::SetDataFormat(LPCDIDATAFORMAT format) {
    DeviceCalls& calls = device_.calls;
    ++calls.setDataFormat;
    const DataFormat kind = formatOf(format);
    calls.dataFormat = kind;
    if (device_.setup.setDataFormatResult != 0) return device_.setup.setDataFormatResult;
    if (kind == kOtherFormat) return DIERR_INVALIDPARAM;
    if (acquired_) return DIERR_ACQUIRED;
    format_ = kind;
    stateSize_ = format->dwDataSize;
    return DI_OK;
}

HRESULT VirtualDevice::SetCooperativeLevel(HWND window, DWORD flags) {
    DeviceCalls& calls = device_.calls;
    ++calls.setCooperativeLevel;
    calls.cooperativeFlags = flags;
    calls.cooperativeWindow = reinterpret_cast<uintptr_t>(window);
    if (device_.setup.setCooperativeLevelResult != 0) {
        return device_.setup.setCooperativeLevelResult;
    }
    const DWORD exclusive = flags & (DISCL_EXCLUSIVE | DISCL_NONEXCLUSIVE);
    const DWORD background = flags & (DISCL_FOREGROUND | DISCL_BACKGROUND);
    if (exclusive == 0 || exclusive == (DISCL_EXCLUSIVE | DISCL_NONEXCLUSIVE) || background == 0 ||
        background == (DISCL_FOREGROUND | DISCL_BACKGROUND)) {
        return DIERR_INVALIDPARAM;
    }
    if (!IsWindow(window)) return E_HANDLE;
    return DI_OK;
}

HRESULT VirtualDevice::SetEventNotification(HANDLE event) {
    if (mouse_ || index_ < 0 || index_ >= kMaxControllers) return DIERR_UNSUPPORTED;
    Reports& reports = sharedBlock().reports[index_];
    ++reports.setEventNotification;
    if (acquired_) return DIERR_ACQUIRED;
    if (reports.eventMode == kRefuseEvents) return DIERR_UNSUPPORTED;
    if (reports.eventMode == kPolledDevice) {
        polledEvent_ = event;
        polledInput_ = device_.input;
        reports.eventAttached = event != nullptr ? 1 : 0;
        return DI_POLLEDDEVICE;
    }
    watchReports(index_, event);
    return DI_OK;
}

HRESULT VirtualDevice::Acquire() {
    ++device_.calls.acquire;
    // A pad that reports at a period shows its input only as reported.
    if (!mouse_ && index_ >= 0 && index_ < kMaxControllers &&
        sharedBlock().reports[index_].periodMs != 0) {
        DeviceInput reported;
        if (!reportedInput(index_, reported)) watchReports(index_, nullptr);
    }
    if (device_.setup.unplugged != 0) return DIERR_UNPLUGGED;
    if (format_ == kNoFormat) return DIERR_INVALIDPARAM;
    if (device_.setup.acquireLost > 0) {
        --device_.setup.acquireLost;
        return DIERR_INPUTLOST;
    }
    if (acquired_) return DI_NOEFFECT;
    acquired_ = true;
    return DI_OK;
}

HRESULT VirtualDevice::Unacquire() {
    ++device_.calls.unacquire;
    if (!acquired_) return DI_NOEFFECT;
    acquired_ = false;
    return DI_OK;
}

HRESULT VirtualDevice::Poll() {
    ++device_.calls.poll;
    if (device_.setup.unplugged != 0) {
        acquired_ = false;
        return DIERR_UNPLUGGED;
    }
    if (!acquired_) return DIERR_NOTACQUIRED;
    if (device_.setup.pollLost > 0) {
        --device_.setup.pollLost;
        acquired_ = false;
        return DIERR_INPUTLOST;
    }
    if (polledEvent_ != nullptr &&
        std::memcmp(&polledInput_, &device_.input, sizeof polledInput_) != 0) {
        polledInput_ = device_.input;
        SetEvent(polledEvent_);
    }
    return device_.setup.pollSuccess;
}

HRESULT VirtualDevice::GetDeviceState(DWORD size, LPVOID data) {
    DeviceCalls& calls = device_.calls;
    ++calls.getDeviceState;
    calls.lastStateSize = size;
    if (data == nullptr || format_ == kNoFormat || size != stateSize_) return DIERR_INVALIDPARAM;
    if (device_.setup.unplugged != 0) {
        acquired_ = false;
        return DIERR_UNPLUGGED;
    }
    if (!acquired_) return DIERR_NOTACQUIRED;
    if (device_.setup.stateLost > 0) {
        --device_.setup.stateLost;
        acquired_ = false;
        // Nothing promises what a failed read leaves in the buffer; leave
        // rubbish there so a program that trusts it shows.
        std::memset(data, 0xA5, size);
        return DIERR_INPUTLOST;
    }
    if (format_ == kJoystick2) {
        DIJOYSTATE2 state;
        fillJoystick(state);
        std::memcpy(data, &state, sizeof state);
    } else {
        DIMOUSESTATE2 state;
        fillMouse(state);
        std::memcpy(data, &state, sizeof state);
    }
    return DI_OK;
}

void VirtualDevice::fillJoystick(DIJOYSTATE2& state) const {
    std::memset(&state, 0, sizeof state);
    DeviceInput reported;
    const DeviceInput& input = reportedInput(index_, reported) ? reported : device_.input;
    LONG* const axes[kAxes] = {&state.lX,  &state.lY,  &state.lZ,           &state.lRx,
                               &state.lRy, &state.lRz, &state.rglSlider[0], &state.rglSlider[1]};
    for (int axis = 0; axis < kAxes; ++axis) {
        if (!axisPresent(axis)) continue;
        int64_t position = input.axes[axis];
        if (position < -1000) position = -1000;
        if (position > 1000) position = 1000;
        const int64_t span = int64_t{rangeMax_[axis]} - rangeMin_[axis];
        *axes[axis] = static_cast<LONG>(rangeMin_[axis] + (position + 1000) * span / kPositionSpan);
    }
    const int hats = mouse_ ? 0 : clampCount(device_.setup.hats, kHats);
    for (int hat = 0; hat < kHats; ++hat) {
        state.rgdwPOV[hat] = hat < hats ? input.hats[hat] : kHatCentred;
    }
    const int buttons = clampCount(device_.setup.buttons, kButtons);
    for (int b = 0; b < buttons; ++b) state.rgbButtons[b] = input.buttons[b] & 0x80;
}

void VirtualDevice::fillMouse(DIMOUSESTATE2& state) {
    std::memset(&state, 0, sizeof state);
    LONG* const axes[3] = {&state.lX, &state.lY, &state.lZ};
    for (int axis = 0; axis < 3; ++axis) {
        if (axisPresent(axis)) *axes[axis] = takeMotion(device_.input.mouseMotion[axis]);
    }
    const int buttons = clampCount(device_.setup.buttons, kMouseButtons);
    for (int b = 0; b < buttons; ++b) state.rgbButtons[b] = device_.input.buttons[b] & 0x80;
}

}  // namespace vc
