#pragma once
// The snapshot of one device as the engine sees it, in the DirectInput
// extended joystick state layout, and the per-slot capability flags.

#include <cstddef>
#include <cstdint>

namespace tarvik {

constexpr int kDeviceSlots = 14;
constexpr int kAxisCount = 8;
constexpr int kPovCount = 4;
constexpr int kButtonBytes = 128;
constexpr uint8_t kButtonPressed = 0x80;
constexpr int32_t kAxisMin = -1000;
constexpr int32_t kAxisMax = 1000;
constexpr uint32_t kPovCentred = 0xFFFFFFFFu;

struct DeviceState {
    int32_t axes[kAxisCount];  // X, Y, Z, Rx, Ry, Rz, slider 0, slider 1
    uint32_t pov[kPovCount];   // hundredths of a degree; >= 36000 is centred
    uint8_t buttons[kButtonBytes];
    int32_t velocityAndForce[24];  // filled by the device, never used
};
static_assert(sizeof(DeviceState) == 272);
static_assert(offsetof(DeviceState, axes) == 0);
static_assert(offsetof(DeviceState, pov) == 32);
static_assert(offsetof(DeviceState, buttons) == 48);
static_assert(offsetof(DeviceState, velocityAndForce) == 176);

namespace CapabilityFlags {
constexpr uint32_t kZ = 0x1;
constexpr uint32_t kRx = 0x2;
constexpr uint32_t kRy = 0x4;
constexpr uint32_t kRz = 0x8;
constexpr uint32_t kPov = 0x10;
constexpr uint32_t kX = 0x80;
constexpr uint32_t kY = 0x100;
constexpr uint32_t kSlider0 = 0x200;
constexpr uint32_t kSlider1 = 0x400;

// Flag of axis a in DeviceState order.
constexpr uint32_t forAxis(int axis) {
    constexpr uint32_t table[kAxisCount] = {kX, kY, kZ, kRx, kRy, kRz, kSlider0, kSlider1};
    return table[axis];
}
}  // namespace CapabilityFlags

// The device tables the engine reads: one row per slot. Joystick d owns
// slots 2d and 2d + 1; the mouse owns slot 2 * deviceCount, and slot 2
// while no joystick is there (started to wait for one), so that it never
// fires the first pad's block and the first pad's arrival moves nothing.
struct DeviceTable {
    DeviceState states[kDeviceSlots];
    uint32_t capabilityFlags[kDeviceSlots];
    int32_t deviceCount;
    int32_t lastDeviceIndex;

    int mouseSlot() const { return deviceCount > 0 ? 2 * deviceCount : 2; }
};

// Reads devices into the table. The DirectInput layer implements it; tests
// script the rows directly and use a fake.
class DeviceSource {
  public:
    virtual ~DeviceSource() = default;
    // Both return 0 on success or when there is nothing to read, else the
    // failing result; callers ignore it.
    virtual int32_t pollJoystick(int slot) = 0;
    virtual int32_t pollMouse() = 0;
};

}  // namespace tarvik
