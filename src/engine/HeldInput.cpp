#include "engine/HeldInput.h"

namespace tarvik {

namespace {

constexpr uint16_t kScanExtended = 0x100;

constexpr bool isModifier(int virtualKey) {
    switch (virtualKey) {
        case 0x10:  // SHIFT
        case 0x11:  // CTRL
        case 0x12:  // ALT
        case 0x5B:  // left and right Windows keys
        case 0x5C:
        case 0xA0:  // left and right SHIFT, CTRL, ALT
        case 0xA1:
        case 0xA2:
        case 0xA3:
        case 0xA4:
        case 0xA5:
            return true;
        default:
            return false;
    }
}

void releaseKey(HeldInput& held, Platform& platform, int virtualKey) {
    const uint16_t scan = held.keyScan[virtualKey];
    uint32_t flags = KeyFlags::kKeyUp;
    if ((scan & kScanExtended) != 0) flags |= KeyFlags::kExtended;
    platform.injectKeyboard(KeyboardRecord{static_cast<uint16_t>(virtualKey),
                                           static_cast<uint16_t>(scan & 0xFF), flags});
    held.keyDown[virtualKey] = 0;
    held.keyScan[virtualKey] = 0;
}

struct MouseButton {
    uint32_t down;
    uint32_t up;
};
constexpr MouseButton kMouseButtons[] = {
    {MouseFlags::kLeftDown, MouseFlags::kLeftUp},
    {MouseFlags::kRightDown, MouseFlags::kRightUp},
    {MouseFlags::kMiddleDown, MouseFlags::kMiddleUp},
};

}  // namespace

void HeldInputTracker::injectKeyboard(const KeyboardRecord& record) {
    const int virtualKey = record.virtualKey & 0xFF;
    if (virtualKey != 0) {
        if ((record.flags & KeyFlags::kKeyUp) != 0) {
            held_.keyDown[virtualKey] = 0;
        } else {
            held_.keyDown[virtualKey] = 1;
            held_.keyScan[virtualKey] = static_cast<uint16_t>(
                (record.scanCode & 0xFF) |
                ((record.flags & KeyFlags::kExtended) != 0 ? kScanExtended : 0));
        }
    }
    inner_.injectKeyboard(record);
}

void HeldInputTracker::injectMouse(const MouseRecord& record) {
    for (const MouseButton& button : kMouseButtons) {
        // A record with both events presses, then releases.
        if ((record.flags & button.down) != 0) held_.mouseButtons |= button.down;
        if ((record.flags & button.up) != 0) held_.mouseButtons &= ~button.down;
    }
    inner_.injectMouse(record);
}

void releaseHeldInput(HeldInput& held, Platform& platform) {
    for (int virtualKey = 1; virtualKey < 256; ++virtualKey) {
        if (held.keyDown[virtualKey] != 0 && !isModifier(virtualKey)) {
            releaseKey(held, platform, virtualKey);
        }
    }
    for (int virtualKey = 1; virtualKey < 256; ++virtualKey) {
        if (held.keyDown[virtualKey] != 0) releaseKey(held, platform, virtualKey);
    }
    for (const MouseButton& button : kMouseButtons) {
        if ((held.mouseButtons & button.down) != 0) {
            platform.injectMouse(MouseRecord{0, 0, 0, button.up});
        }
    }
    held.mouseButtons = 0;
}

}  // namespace tarvik
