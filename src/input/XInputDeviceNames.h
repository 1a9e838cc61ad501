#pragma once
// The platform's rule for telling that a DirectInput controller is a pad
// that XInput serves: a device name (its HID path, or a raw-input device
// name) that contains "IG_" and carries the controller's vendor and
// product id.

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

// True when `name` contains "IG_", "VID_vvvv" and "PID_pppp" (hex digits,
// any case) for the given ids.
bool nameShowsXInputPad(const char* name, uint16_t vendor, uint16_t product);

}  // namespace tarvik
