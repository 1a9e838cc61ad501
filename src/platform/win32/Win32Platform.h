#pragma once
#include "platform/Platform.h"

namespace tarvik {

// Carried by every record Tarvik injects (GetMessageExtraInfo tells it), so
// that its own windows can tell a pad's click from the user's.
constexpr uintptr_t kInjectedInputMark = 0x5441524B;

class Win32Platform final : public Platform {
  public:
    bool injectKeyboard(const KeyboardRecord& record) override;
    bool injectMouse(const MouseRecord& record) override;
    void sleepMs(uint32_t milliseconds) override;
    uint32_t tickCountMs() override;
    ScreenPoint cursorPosition() override;
    void setCursorPosition(ScreenPoint point) override;
    ScreenRect desktopClientRect() override;
    uint32_t doubleClickTime() override;
    uint32_t mapVirtualKeyToScanCode(uint32_t virtualKey) override;
    uint32_t mapVirtualKeyToExtendedScanCode(uint32_t virtualKey) override;
    uint32_t mapScanCodeToVirtualKey(uint32_t scanCode) override;
    uint32_t oemKeyScan(uint8_t oemCharacter) override;
    void shellOpen(const char* path) override;
    MessageBoxAnswer messageBox(const char* text, const char* caption,
                                MessageBoxKind kind) override;
};

}  // namespace tarvik
