#include "input/win32/XInputTwins.h"

#include "input/PadPlaces.h"
#include "input/XInputDeviceNames.h"
#include "input/win32/DevicePath.h"

namespace tarvik {

namespace {

constexpr UINT kMostRawDevices = 64;

bool pathShowsPad(IDirectInputDevice8A* device) {
    char path[kPadKeyChars];
    return readDevicePath(device, path, sizeof path) && pathMarksXInputPad(path);
}

// Raw-input names carry the ids in whatever spelling the bus uses; the
// device information has them as numbers.
bool rawInputShowsPad(uint16_t vendor, uint16_t product) {
    RAWINPUTDEVICELIST devices[kMostRawDevices];
    UINT count = kMostRawDevices;
    const UINT listed = GetRawInputDeviceList(devices, &count, sizeof(RAWINPUTDEVICELIST));
    if (listed == static_cast<UINT>(-1)) return false;
    for (UINT i = 0; i < listed; ++i) {
        if (devices[i].dwType != RIM_TYPEHID) continue;
        RID_DEVICE_INFO info{};
        info.cbSize = sizeof info;
        UINT size = sizeof info;
        if (GetRawInputDeviceInfoA(devices[i].hDevice, RIDI_DEVICEINFO, &info, &size) ==
                static_cast<UINT>(-1) ||
            info.dwType != RIM_TYPEHID) {
            continue;
        }
        if (info.hid.dwVendorId != vendor || info.hid.dwProductId != product) continue;
        char name[512];
        size = sizeof name;
        if (GetRawInputDeviceInfoA(devices[i].hDevice, RIDI_DEVICENAME, name, &size) ==
            static_cast<UINT>(-1)) {
            continue;
        }
        name[sizeof name - 1] = '\0';
        if (rawDeviceIsXInputPad(name, info.hid.dwVendorId, info.hid.dwProductId, vendor,
                                 product)) {
            return true;
        }
    }
    return false;
}

class PlatformTwinCheck final : public XInputTwinCheck {
  public:
    bool servedByXInput(IDirectInputDevice8A* device, const DIDEVICEINSTANCEA& instance) override {
        const uint16_t vendor = vendorOfProduct(instance.guidProduct.Data1);
        const uint16_t product = productOfProduct(instance.guidProduct.Data1);
        return pathShowsPad(device) || rawInputShowsPad(vendor, product);
    }
};

}  // namespace

XInputTwinCheck& platformTwinCheck() {
    static PlatformTwinCheck check;
    return check;
}

}  // namespace tarvik
