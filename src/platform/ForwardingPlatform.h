#pragma once
// A platform that hands every call on: the injected input to `input`, all
// else to `inner`. The base of the layers the polling thread puts between
// the engine and the system, each of which overrides only what it watches
// or changes; with `input` a layer of the input stream alone (such as the
// held-input tracker) joins the chain.

#include "platform/Platform.h"

namespace tarvik {

class ForwardingPlatform : public Platform {
  public:
    explicit ForwardingPlatform(Platform& inner) : inner_(inner), input_(inner) {}
    ForwardingPlatform(Platform& inner, InputSink& input) : inner_(inner), input_(input) {}

    bool injectKeyboard(const KeyboardRecord& record) override {
        return input_.injectKeyboard(record);
    }
    bool injectMouse(const MouseRecord& record) override { return input_.injectMouse(record); }
    void sleepMs(uint32_t milliseconds) override { inner_.sleepMs(milliseconds); }
    uint32_t tickCountMs() override { return inner_.tickCountMs(); }
    ScreenPoint cursorPosition() override { return inner_.cursorPosition(); }
    void setCursorPosition(ScreenPoint point) override { inner_.setCursorPosition(point); }
    ScreenRect desktopClientRect() override { return inner_.desktopClientRect(); }
    uint32_t doubleClickTime() override { return inner_.doubleClickTime(); }
    uint32_t mapVirtualKeyToScanCode(uint32_t virtualKey) override {
        return inner_.mapVirtualKeyToScanCode(virtualKey);
    }
    uint32_t mapVirtualKeyToExtendedScanCode(uint32_t virtualKey) override {
        return inner_.mapVirtualKeyToExtendedScanCode(virtualKey);
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

  protected:
    Platform& inner() { return inner_; }
    InputSink& input() { return input_; }

  private:
    Platform& inner_;
    InputSink& input_;
};

}  // namespace tarvik
