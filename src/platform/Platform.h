#pragma once
// Everything the portable logic needs from the operating system. The Win32
// implementation lives in platform/win32; tests use a recording fake.

#include <cstdint>

namespace tarvik {

// One injected keyboard record. flags: 0 = key down, 2 = key up, plus the
// extended-key flag 1.
struct KeyboardRecord {
    uint16_t virtualKey;
    uint16_t scanCode;
    uint32_t flags;
};

namespace KeyFlags {
constexpr uint32_t kExtended = 0x1;
constexpr uint32_t kKeyUp = 0x2;
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

struct ScreenPoint {
    int32_t x;
    int32_t y;
};

struct ScreenRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

enum class MessageBoxKind {
    kOk,       // OK button
    kYesNo,    // Yes/No buttons
    kOkError,  // OK with the error icon
};

enum class MessageBoxAnswer { kOk, kYes, kNo };

class Platform {
  public:
    virtual ~Platform() = default;

    virtual void injectKeyboard(const KeyboardRecord& record) = 0;
    virtual void injectMouse(const MouseRecord& record) = 0;
    virtual void sleepMs(uint32_t milliseconds) = 0;

    virtual ScreenPoint cursorPosition() = 0;
    virtual void setCursorPosition(ScreenPoint point) = 0;
    virtual ScreenRect desktopClientRect() = 0;
    virtual uint32_t doubleClickTime() = 0;

    // MapVirtualKey with map type 0: virtual key to scan code.
    virtual uint32_t mapVirtualKeyToScanCode(uint32_t virtualKey) = 0;
    // MapVirtualKey with map type 1: scan code to virtual key.
    virtual uint32_t mapScanCodeToVirtualKey(uint32_t scanCode) = 0;
    // OemKeyScan: low word scan code, high word shift state bits.
    virtual uint32_t oemKeyScan(uint8_t oemCharacter) = 0;

    // Opens a program or document with the shell verb "open".
    virtual void shellOpen(const char* path) = 0;

    // A message box owned by the window that has the keyboard focus.
    virtual MessageBoxAnswer messageBox(const char* text, const char* caption,
                                        MessageBoxKind kind) = 0;
};

}  // namespace tarvik
