#pragma once
// Which keys and mouse buttons Tarvik itself holds down, so that they can
// all be let go when the mapping stops: a held control, a latched click or
// a sequence without its key-ups would otherwise leave a key stuck in the
// system after the program has ended.

#include <cstdint>

#include "platform/Platform.h"

namespace tarvik {

struct HeldInput {
    uint8_t keyDown[256];   // by virtual-key code: 1 while held
    uint16_t keyScan[256];  // scan code of the press, kExtended bit above it
    uint32_t mouseButtons;  // MouseFlags::kLeftDown, kRightDown, kMiddleDown bits
};

// A platform that passes everything on to `inner` and writes down every
// key and mouse button it injects. The polling thread injects through it.
class HeldInputTracker final : public Platform {
  public:
    HeldInputTracker(Platform& inner, HeldInput& held) : inner_(inner), held_(held) {}

    void injectKeyboard(const KeyboardRecord& record) override;
    void injectMouse(const MouseRecord& record) override;

    void sleepMs(uint32_t milliseconds) override { inner_.sleepMs(milliseconds); }
    ScreenPoint cursorPosition() override { return inner_.cursorPosition(); }
    void setCursorPosition(ScreenPoint point) override { inner_.setCursorPosition(point); }
    ScreenRect desktopClientRect() override { return inner_.desktopClientRect(); }
    uint32_t doubleClickTime() override { return inner_.doubleClickTime(); }
    uint32_t mapVirtualKeyToScanCode(uint32_t virtualKey) override {
        return inner_.mapVirtualKeyToScanCode(virtualKey);
    }
    uint32_t mapScanCodeToVirtualKey(uint32_t scanCode) override {
        return inner_.mapScanCodeToVirtualKey(scanCode);
    }
    uint32_t oemKeyScan(uint8_t oemCharacter) override { return inner_.oemKeyScan(oemCharacter); }
    void shellOpen(const char* path) override { inner_.shellOpen(path); }
    MessageBoxAnswer messageBox(const char* text, const char* caption,
                                MessageBoxKind kind) override {
        return inner_.messageBox(text, caption, kind);
    }

  private:
    Platform& inner_;
    HeldInput& held_;
};

// Lets go of everything `held` records, keys before modifiers and mouse
// buttons last, through `platform` (the real one, not the tracker), and
// clears the record.
void releaseHeldInput(HeldInput& held, Platform& platform);

}  // namespace tarvik
