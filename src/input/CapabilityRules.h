#pragma once
// Which CapabilityFlags bit a device object contributes, and the mouse's
// flags from its axis count.

#include <cstdint>

namespace tarvik {

// The kinds of device object that carry a flag; the system layer maps the
// object's type GUID to one of these.
enum class ObjectKind { kXAxis, kYAxis, kZAxis, kRxAxis, kRyAxis, kRzAxis, kSlider, kPov, kOther };

// Objects whose type has the relative- or absolute-axis bit get the
// -1000..+1000 range before they are counted.
constexpr bool isAxisObject(uint32_t objectType) {
    return (objectType & 3u) != 0;
}

// `flags` with the bit of one more object of `kind` added. A slider seen
// while the first slider's bit is already set also marks the second one.
uint32_t addObjectFlag(uint32_t flags, ObjectKind kind);

// X from one axis on, Y from two, Z (the wheel) from three.
uint32_t mouseCapabilityFlags(uint32_t axisCount);

}  // namespace tarvik
