#pragma once
// A platform with no system behind it: input goes nowhere, the clock stands
// still and every question gets a fixed, empty answer. Programs that only
// read and write records start from it and override what they use.

#include "platform/Platform.h"

namespace tarvik {

class NullPlatform : public Platform {
  public:
    bool injectKeyboard(const KeyboardRecord&) override { return true; }
    bool injectMouse(const MouseRecord&) override { return true; }
    void sleepMs(uint32_t) override {}
    uint32_t tickCountMs() override { return 0; }
    ScreenPoint cursorPosition() override { return {0, 0}; }
    void setCursorPosition(ScreenPoint) override {}
    ScreenRect desktopClientRect() override { return {0, 0, 0, 0}; }
    uint32_t doubleClickTime() override { return 500; }
    uint32_t mapVirtualKeyToScanCode(uint32_t) override { return 0; }
    uint32_t mapVirtualKeyToExtendedScanCode(uint32_t) override { return 0; }
    uint32_t mapScanCodeToVirtualKey(uint32_t) override { return 0; }
    uint32_t oemKeyScan(uint8_t) override { return 0; }
    void shellOpen(const char*) override {}
    MessageBoxAnswer messageBox(const char*, const char*, MessageBoxKind) override {
        return MessageBoxAnswer::kOk;
    }
};

}  // namespace tarvik
