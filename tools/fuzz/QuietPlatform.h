#pragma once
// A platform, a device source and engine windows that do nothing: the
// targets run the portable code with no system behind it, so only what the
// input holds decides what happens.

#include <cstdint>

#include "fakes/RecordingDeviceSource.h"
#include "fakes/RecordingEngineWindows.h"
#include "platform/Platform.h"

namespace tarvik::fuzz {

class QuietPlatform : public Platform {
  public:
    bool injectKeyboard(const KeyboardRecord&) override { return true; }
    bool injectMouse(const MouseRecord&) override { return true; }
    void sleepMs(uint32_t) override {}
    uint32_t tickCountMs() override { return 0; }
    ScreenPoint cursorPosition() override { return {0, 0}; }
    void setCursorPosition(ScreenPoint) override {}
    ScreenRect desktopClientRect() override { return {0, 0, 1024, 768}; }
    uint32_t doubleClickTime() override { return 500; }
    uint32_t mapVirtualKeyToScanCode(uint32_t) override { return 0x44; }
    uint32_t mapVirtualKeyToExtendedScanCode(uint32_t) override { return 0x44; }
    uint32_t mapScanCodeToVirtualKey(uint32_t) override { return 0x79; }
    uint32_t oemKeyScan(uint8_t character) override { return character; }
    void shellOpen(const char*) override {}
    MessageBoxAnswer messageBox(const char*, const char*, MessageBoxKind) override {
        return MessageBoxAnswer::kOk;
    }
};

// Read nothing and open nothing: the tests' fakes made without a log.
using NoDevices = testing::RecordingDeviceSource;
using NoWindows = testing::RecordingEngineWindows;

}  // namespace tarvik::fuzz
