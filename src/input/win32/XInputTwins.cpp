#include "input/win32/XInputTwins.h"

#include "input/XInputDeviceNames.h"

namespace tarvik {

namespace {

constexpr UINT kMostRawDevices = 64;

bool pathShowsPad(IDirectInputDevice8A* device, uint16_t vendor, uint16_t product) {
    DIPROPGUIDANDPATH property{};
    property.diph.dwSize = sizeof property;
    property.diph.dwHeaderSize = sizeof(DIPROPHEADER);
    property.diph.dwHow = DIPH_DEVICE;
    if (FAILED(device->GetProperty(DIPROP_GUIDANDPATH, &property.diph))) return false;
    char path[MAX_PATH * 2];
    if (WideCharToMultiByte(CP_ACP, 0, property.wszPath, -1, path, sizeof path, nullptr, nullptr) ==
        0) {
        return false;
    }
    return nameShowsXInputPad(path, vendor, product);
}

bool rawInputShowsPad(uint16_t vendor, uint16_t product) {
    RAWINPUTDEVICELIST devices[kMostRawDevices];
    UINT count = kMostRawDevices;
    const UINT listed = GetRawInputDeviceList(devices, &count, sizeof(RAWINPUTDEVICELIST));
    if (listed == static_cast<UINT>(-1)) return false;
    for (UINT i = 0; i < listed; ++i) {
        if (devices[i].dwType != RIM_TYPEHID) continue;
        char name[512];
        UINT size = sizeof name;
        if (GetRawInputDeviceInfoA(devices[i].hDevice, RIDI_DEVICENAME, name, &size) ==
            static_cast<UINT>(-1)) {
            continue;
        }
        name[sizeof name - 1] = '\0';
        if (nameShowsXInputPad(name, vendor, product)) return true;
    }
    return false;
}

class PlatformTwinCheck final : public XInputTwinCheck {
  public:
    bool servedByXInput(IDirectInputDevice8A* device, const DIDEVICEINSTANCEA& instance) override {
        const uint16_t vendor = vendorOfProduct(instance.guidProduct.Data1);
        const uint16_t product = productOfProduct(instance.guidProduct.Data1);
        return pathShowsPad(device, vendor, product) || rawInputShowsPad(vendor, product);
    }
};

}  // namespace

XInputTwinCheck& platformTwinCheck() {
    static PlatformTwinCheck check;
    return check;
}

}  // namespace tarvik
