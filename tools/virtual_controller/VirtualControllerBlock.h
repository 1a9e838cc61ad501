#pragma once
// The shared-memory block through which tests and scripts drive the virtual
// DirectInput 8 (dinput8.dll) and the virtual XInput (xinput1_4.dll). The
// DLLs read the devices' set-up and state
// from it at every call and writes the calls it receives back into it.
// Plain data only: the same layout is mapped by several processes.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace vc {

// The block's name comes from this environment variable, so parallel test
// programs each drive their own; without it the default name is used.
constexpr const char* kNameVariable = "TARVIK_VIRTUAL_CONTROLLER";
constexpr const char* kDefaultName = "TarvikVirtualController";
constexpr uint32_t kMagic = 0x54564335;  // "TVC5"

constexpr int kMaxControllers = 8;
constexpr int kAxes = 8;  // X, Y, Z, Rx, Ry, Rz, slider 0, slider 1
constexpr int kHats = 4;
constexpr int kButtons = 128;
constexpr int kMouseButtons = 8;
constexpr uint32_t kHatCentred = 0xFFFFFFFFu;
constexpr int kXPads = 4;  // XInput user indices 0..3

// Axis bits of ControllerSetup::axes, in joystick state order.
namespace Axis {
constexpr uint32_t kX = 1u << 0;
constexpr uint32_t kY = 1u << 1;
constexpr uint32_t kZ = 1u << 2;
constexpr uint32_t kRx = 1u << 3;
constexpr uint32_t kRy = 1u << 4;
constexpr uint32_t kRz = 1u << 5;
}  // namespace Axis

// Which predefined data format a device was given.
enum DataFormat : uint32_t { kNoFormat = 0, kJoystick2 = 1, kMouse2 = 2, kOtherFormat = 3 };

// What a device is and which of its calls fail. Results are HRESULTs;
// 0 lets the call succeed.
struct DeviceSetup {
    char name[64];
    uint32_t axes;     // Axis bits (controllers); the mouse's axis count (1..3)
    uint32_t sliders;  // 0..2
    uint32_t buttons;  // 0..128 (mouse 0..8)
    uint32_t hats;     // 0..4
    int32_t createDeviceResult;
    int32_t setDataFormatResult;
    int32_t setCooperativeLevelResult;
    int32_t enumObjectsResult;
    int32_t refuseRangeAxis;  // state-order axis (0..7) whose range setting fails; -1 none
    uint32_t pollLost;        // so many coming Poll calls report lost input
    uint32_t acquireLost;     // so many coming Acquire calls report lost input
    uint32_t stateLost;       // so many coming GetDeviceState calls report lost input
    int32_t pollSuccess;      // what a good Poll returns: 0, or 1 for "no polling needed"
    uint32_t unplugged;       // non-zero: Acquire, Poll and GetDeviceState report DIERR_UNPLUGGED
    // The port its device path names, which stays with the pad whatever
    // its place in the listing; 0: its index in the block.
    uint32_t port;
    uint32_t pad0;
};
static_assert(sizeof(DeviceSetup) == 128);

// The device's current input. Controller axes are positions from -1000
// (left, up) to +1000, reported in whatever range the program set. The
// mouse's motion accumulates here and each read takes it away.
struct DeviceInput {
    int32_t axes[kAxes];
    uint32_t hats[kHats];  // hundredths of a degree, or kHatCentred
    uint8_t buttons[kButtons];
    int32_t mouseMotion[3];  // X, Y, wheel
};
static_assert(sizeof(DeviceInput) == 188);

// What the device was asked, for tests to check.
struct DeviceCalls {
    uint32_t createDevice;
    uint32_t getDeviceInfo;
    uint32_t getCapabilities;
    uint32_t setDataFormat;
    uint32_t dataFormat;  // DataFormat of the last SetDataFormat
    uint32_t setCooperativeLevel;
    uint32_t cooperativeFlags;
    uint32_t pad0;
    uint64_t cooperativeWindow;
    uint32_t enumObjects;
    uint32_t enumObjectsFlags;
    uint32_t objectsEnumerated;
    uint32_t setRange;      // DIPROP_RANGE settings attempted
    uint32_t rangeSetAxes;  // bit per state-order axis whose range was set
    int32_t rangeMin[kAxes];
    int32_t rangeMax[kAxes];
    uint32_t acquire;
    uint32_t unacquire;
    uint32_t poll;
    uint32_t getDeviceState;
    uint32_t lastStateSize;
    uint32_t released;  // 1 once the program let go of its last reference
    uint32_t pad1;
};
static_assert(sizeof(DeviceCalls) == 152);

struct Device {
    DeviceSetup setup;
    DeviceInput input;
    DeviceCalls calls;
};

struct DirectInputCalls {
    uint32_t create;
    uint32_t version;
    uint32_t enumDevices;
    uint32_t enumDeviceClass;
    uint32_t enumFlags;
    uint32_t released;
};

// One pad of the virtual XInput, by user index. Its state is XInput's own:
// the button bits, the triggers 0..255, the sticks -32768..32767 with Y up.
struct XPad {
    uint32_t connected;
    // 1-based DirectInput controller that is the same pad (its HID path
    // then carries "IG_", as the platform marks such pads); 0 none.
    uint32_t twin;
    uint32_t packet;  // grows with every change
    uint16_t buttons;
    uint8_t leftTrigger;
    uint8_t rightTrigger;
    int16_t thumbs[4];  // left X, left Y, right X, right Y
    uint32_t getState;  // XInputGetState calls for this user index
    // Non-zero: the twin's path is a classic-Bluetooth one, which spells
    // the ids "VID&0002vvvv_PID&pppp".
    uint32_t bluetooth;
};
static_assert(sizeof(XPad) == 32);

// How a controller answers SetEventNotification.
enum EventMode : uint32_t {
    kSignalReports = 0,  // takes the event and sets it on every report
    kRefuseEvents = 1,   // DIERR_UNSUPPORTED
    kPolledDevice = 2,   // DI_POLLEDDEVICE: set only by a Poll that finds a change
};

// A controller's reports. Like a real pad it may report at a fixed period
// (1, 4 or 8 ms, at a random phase): a change then reaches the program,
// through GetDeviceState and the event alike, at the next report. Times
// are QueryPerformanceCounter values, which all processes share.
struct Reports {
    uint32_t eventMode;  // EventMode
    uint32_t periodMs;   // 0: every change is reported at once
    // Non-zero: a broken device that signals at every period (1 ms at
    // least) whether anything changed or not.
    uint32_t storm;
    uint32_t eventAttached;  // the program's event is in place now
    uint32_t setEventNotification;
    uint32_t signals;    // events set
    int64_t changedAt;   // the client's last change
    int64_t reportedAt;  // the last report that carried a change
};
static_assert(sizeof(Reports) == 40);

struct Block {
    uint32_t magic;
    uint32_t controllerCount;  // 0..kMaxControllers attached controllers
    int32_t createResult;      // DirectInput8Create fails with it when not 0
    int32_t enumDevicesResult;
    DirectInputCalls directInput;
    Device controllers[kMaxControllers];
    Device mouse;
    XPad xpads[kXPads];  // none connected after a reset
    Reports reports[kMaxControllers];
};
static_assert(offsetof(Block, controllers) == 40);
static_assert(sizeof(Device) == 472);
static_assert(offsetof(Device, calls) == 320);
static_assert(offsetof(Block, xpads) == 40 + 9 * 472);
static_assert(offsetof(Block, reports) == 40 + 9 * 472 + 4 * 32);
static_assert(sizeof(Block) == 40 + 9 * 472 + 4 * 32 + 8 * 40);

// The auto-reset event a client sets after it changed a controller, so a
// report goes at once; the name is the block's with this suffix.
constexpr const char* kChangedSuffix = "-changed";

// Mouse motion is added by one process and taken by another.
inline void addMotion(int32_t& motion, int32_t amount) {
    __atomic_fetch_add(&motion, amount, __ATOMIC_SEQ_CST);
}
inline int32_t takeMotion(int32_t& motion) {
    return __atomic_exchange_n(&motion, 0, __ATOMIC_SEQ_CST);
}

inline void copyName(char (&to)[64], const char* name) {
    const size_t length = std::min(std::strlen(name), sizeof to - 1);
    std::memcpy(to, name, length);
    to[length] = '\0';
}

// A device at rest: centred axes and hats, nothing pressed, nothing failing.
inline void resetDevice(Device& device, const char* name) {
    std::memset(&device, 0, sizeof device);
    copyName(device.setup.name, name);
    device.setup.refuseRangeAxis = -1;
    for (uint32_t& hat : device.input.hats) hat = kHatCentred;
}

// A controller with the given axes, sliders, buttons and hats; when all
// places are taken the last one is set up anew.
inline Device& addController(Block& block, const char* name, uint32_t axes, uint32_t sliders,
                             uint32_t buttons, uint32_t hats) {
    if (block.controllerCount >= static_cast<uint32_t>(kMaxControllers)) {
        block.controllerCount = kMaxControllers - 1;
    }
    Device& device = block.controllers[block.controllerCount++];
    resetDevice(device, name);
    device.setup.axes = axes;
    device.setup.sliders = sliders;
    device.setup.buttons = buttons;
    device.setup.hats = hats;
    return device;
}

// No controller, a three-axis eight-button mouse, nothing recorded.
inline void resetBlock(Block& block) {
    std::memset(&block, 0, sizeof block);
    resetDevice(block.mouse, "Virtual system mouse");
    block.mouse.setup.axes = 3;
    block.mouse.setup.buttons = kMouseButtons;
    block.magic = kMagic;
}

// Connects XInput pad `user` at rest; `twin` as in XPad.
inline XPad& connectXPad(Block& block, int user, uint32_t twin = 0) {
    XPad& pad = block.xpads[user];
    std::memset(&pad, 0, sizeof pad);
    pad.connected = 1;
    pad.twin = twin;
    return pad;
}

// The XInput pad that names DirectInput controller `index` (0-based) as
// its twin, or null.
inline const XPad* xpadTwinOf(const Block& block, int index) {
    for (const XPad& pad : block.xpads) {
        if (pad.twin != 0 && pad.twin == static_cast<uint32_t>(index + 1)) return &pad;
    }
    return nullptr;
}

// The demo device a run without a real controller gets.
inline void fillDemo(Block& block) {
    resetBlock(block);
    addController(block, "Tarvik virtual controller", Axis::kX | Axis::kY | Axis::kZ, 1, 12, 1);
}

}  // namespace vc
