#pragma once
// Where synthetic input goes: the system's input stream, or a layer on the
// way to it that watches or holds back what passes.

#include <cstdint>

namespace tarvik {

// One injected keyboard record. flags: 0 = key down, 2 = key up, plus the
// extended-key flag 1 and the scan-code flag 8 (the system then goes by
// the scan code, not the virtual-key code).
struct KeyboardRecord {
    uint16_t virtualKey;
    uint16_t scanCode;
    uint32_t flags;
};

namespace KeyFlags {
constexpr uint32_t kExtended = 0x1;
constexpr uint32_t kKeyUp = 0x2;
constexpr uint32_t kScanCode = 0x8;
}  // namespace KeyFlags

// One injected mouse record; relative movement only.
struct MouseRecord {
    int32_t dx;
    int32_t dy;
    int32_t data;
    uint32_t flags;
};

namespace MouseFlags {
constexpr uint32_t kMove = 0x1;
constexpr uint32_t kLeftDown = 0x2;
constexpr uint32_t kLeftUp = 0x4;
constexpr uint32_t kRightDown = 0x8;
constexpr uint32_t kRightUp = 0x10;
constexpr uint32_t kMiddleDown = 0x20;
constexpr uint32_t kMiddleUp = 0x40;
constexpr uint32_t kWheel = 0x800;
}  // namespace MouseFlags

// Each call tells whether the system took the record: it refuses injected
// input while an elevated window is in front or the secure desktop shows.
class InputSink {
  public:
    virtual ~InputSink() = default;
    virtual bool injectKeyboard(const KeyboardRecord& record) = 0;
    virtual bool injectMouse(const MouseRecord& record) = 0;
};

}  // namespace tarvik
