#pragma once
// The platform's rule for telling that a DirectInput controller is a pad
// that XInput serves: its own HID path contains "IG_", or a raw-input
// device with "IG_" in its name has the controller's vendor and product
// id. The ids are compared as numbers: a classic-Bluetooth path spells
// them "VID&0002045e_PID&02e0", not "VID_045E".

#include <cstdint>

namespace tarvik {

// DirectInput's product GUID holds the vendor id in the low and the
// product id in the high word of its first field.
constexpr uint16_t vendorOfProduct(uint32_t productData1) {
    return static_cast<uint16_t>(productData1 & 0xFFFFu);
}
constexpr uint16_t productOfProduct(uint32_t productData1) {
    return static_cast<uint16_t>(productData1 >> 16);
}

// True when a controller's own device path marks it as XInput's.
bool pathMarksXInputPad(const char* path);

// True when a raw-input device named `name`, whose device information
// gives `rawVendor` and `rawProduct`, is XInput's pad of the given ids.
bool rawDeviceIsXInputPad(const char* name, uint32_t rawVendor, uint32_t rawProduct,
                          uint16_t vendor, uint16_t product);

}  // namespace tarvik
