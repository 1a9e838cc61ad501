#pragma once
// A platform that records every call as a readable line, so tests can
// compare whole event sequences.

#include <cstdio>
#include <deque>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace tarvik::testing {

class RecordingPlatform : public Platform {
  public:
    std::vector<std::string> log;
    ScreenPoint cursor{0, 0};
    ScreenRect desktop{0, 0, 1024, 768};
    uint32_t doubleClickMs = 500;
    uint32_t totalSleptMs = 0;
    // Answers for the next message boxes; kOk/kYes when empty.
    std::deque<MessageBoxAnswer> answers;
    bool recordSleeps = true;
    // The clock: it moves only when a test sets it.
    uint32_t nowMs = 0;

    // Set, the system refuses injected input (an elevated window in front).
    bool refuseInput = false;

    bool injectKeyboard(const KeyboardRecord& r) override {
        add("%skey vk=%02X scan=%02X flags=%u", refuseInput ? "refused " : "", r.virtualKey,
            r.scanCode, r.flags);
        return !refuseInput;
    }
    bool injectMouse(const MouseRecord& r) override {
        add("%smouse flags=%X dx=%d dy=%d data=%d", refuseInput ? "refused " : "", r.flags, r.dx,
            r.dy, r.data);
        return !refuseInput;
    }
    void sleepMs(uint32_t ms) override {
        totalSleptMs += ms;
        if (recordSleeps) add("sleep %u", ms);
    }
    uint32_t tickCountMs() override { return nowMs; }
    ScreenPoint cursorPosition() override { return cursor; }
    void setCursorPosition(ScreenPoint p) override {
        cursor = p;
        add("setCursor %d,%d", p.x, p.y);
    }
    ScreenRect desktopClientRect() override { return desktop; }
    uint32_t doubleClickTime() override { return doubleClickMs; }
    // A standard keyboard's layout for the keys tests use.
    uint32_t mapVirtualKeyToScanCode(uint32_t vk) override {
        switch (vk) {
            case 0x09:
                return 0x0F;  // TAB
            case 0x10:
                return 0x2A;  // SHIFT
            case 0x11:
                return 0x1D;  // CTRL
            case 0x12:
                return 0x38;  // ALT
            case 0x79:
                return 0x44;  // F10
            default:
                return vk & 0x7F;
        }
    }
    // The cursor keys carry the extended prefix.
    uint32_t mapVirtualKeyToExtendedScanCode(uint32_t vk) override {
        if (vk == 0x25) return 0xE04B;
        if (vk == 0x27) return 0xE04D;
        return mapVirtualKeyToScanCode(vk);
    }
    // The inverse for the same keys plus the letter rows.
    uint32_t mapScanCodeToVirtualKey(uint32_t scan) override {
        switch (scan) {
            case 0x0F:
                return 0x09;
            case 0x2A:
                return 0x10;
            case 0x1D:
                return 0x11;
            case 0x38:
                return 0x12;
            case 0x44:
                return 0x79;
            case 0x39:
                return 0x20;  // SPACE
            default:
                break;
        }
        static constexpr const char* kRows[] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
        static constexpr uint32_t kRowStart[] = {0x10, 0x1E, 0x2C};
        for (int r = 0; r < 3; ++r) {
            for (uint32_t i = 0; kRows[r][i] != '\0'; ++i) {
                if (scan == kRowStart[r] + i) return static_cast<uint8_t>(kRows[r][i]);
            }
        }
        return 0;
    }
    uint32_t oemKeyScan(uint8_t ch) override { return ch; }
    void shellOpen(const char* path) override { add("shellOpen \"%s\"", path); }
    MessageBoxAnswer messageBox(const char* text, const char* caption,
                                MessageBoxKind kind) override {
        add("messageBox \"%s\" \"%s\" %d", text, caption, static_cast<int>(kind));
        if (!answers.empty()) {
            MessageBoxAnswer a = answers.front();
            answers.pop_front();
            return a;
        }
        return kind == MessageBoxKind::kYesNo ? MessageBoxAnswer::kYes : MessageBoxAnswer::kOk;
    }

    void clear() {
        log.clear();
        totalSleptMs = 0;
    }

  private:
    template <typename... Args>
    void add(const char* format, Args... args) {
        char line[512];
        std::snprintf(line, sizeof(line), format, args...);
        log.emplace_back(line);
    }
};

}  // namespace tarvik::testing
