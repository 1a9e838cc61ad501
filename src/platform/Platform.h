#pragma once
// Everything the portable logic needs from the operating system. The Win32
// implementation lives in platform/win32; tests use a recording fake.

#include <cstdint>

#include "platform/InputSink.h"

namespace tarvik {

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

// The system's input stream (InputSink) and the rest of what the logic asks
// of the system.
class Platform : public InputSink {
  public:
    virtual void sleepMs(uint32_t milliseconds) = 0;
    // Milliseconds from some fixed moment, wrapping after 49 days: the clock
    // held keys repeat by. Only differences of two readings mean anything.
    virtual uint32_t tickCountMs() = 0;

    virtual ScreenPoint cursorPosition() = 0;
    virtual void setCursorPosition(ScreenPoint point) = 0;
    virtual ScreenRect desktopClientRect() = 0;
    virtual uint32_t doubleClickTime() = 0;

    // MapVirtualKey with map type 0: virtual key to scan code.
    virtual uint32_t mapVirtualKeyToScanCode(uint32_t virtualKey) = 0;
    // MapVirtualKey with map type 4 (MAPVK_VK_TO_VSC_EX): the scan code, with
    // 0xE0 in the second byte for a key that sends the extended prefix.
    virtual uint32_t mapVirtualKeyToExtendedScanCode(uint32_t virtualKey) = 0;
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
