#include "engine/HeldInput.h"

#include "config/ControlEntry.h"

namespace tarvik {

namespace {

constexpr uint16_t kRightShiftScan = 0x36;
// Kept beside the scan word of a press that went by its scan code: a game
// that reads scan codes only would never see a release by virtual key.
constexpr uint16_t kPressedByScanCode = 0x200;

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

// The system tells the two keys of one code apart by the extended flag,
// and the two SHIFT keys by their scan codes.
int variantOf(int virtualKey, const KeyboardRecord& record) {
    const bool right = (record.flags & KeyFlags::kExtended) != 0 ||
                       (virtualKey == 0x10 && (record.scanCode & 0xFF) == kRightShiftScan);
    return right ? 1 : 0;
}

void releaseKey(HeldInput& held, InputSink& sink, int virtualKey) {
    for (int variant = 0; variant < kKeyVariants; ++variant) {
        if ((held.keyDown[virtualKey] & (1u << variant)) == 0) continue;
        const uint16_t scan = held.keyScan[virtualKey][variant];
        uint32_t flags = KeyFlags::kKeyUp;
        if ((scan & ScanWord::kExtended) != 0) flags |= KeyFlags::kExtended;
        if ((scan & kPressedByScanCode) != 0) flags |= KeyFlags::kScanCode;
        sink.injectKeyboard(KeyboardRecord{static_cast<uint16_t>(virtualKey),
                                           static_cast<uint16_t>(scan & 0xFF), flags});
        held.keyScan[virtualKey][variant] = 0;
    }
    held.keyDown[virtualKey] = 0;
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
        const int variant = variantOf(virtualKey, record);
        const auto bit = static_cast<uint8_t>(1u << variant);
        if ((record.flags & KeyFlags::kKeyUp) != 0) {
            held_.keyDown[virtualKey] &= static_cast<uint8_t>(~bit);
        } else {
            held_.keyDown[virtualKey] |= bit;
            held_.keyScan[virtualKey][variant] = static_cast<uint16_t>(
                (record.scanCode & 0xFF) |
                ((record.flags & KeyFlags::kExtended) != 0 ? ScanWord::kExtended : 0) |
                ((record.flags & KeyFlags::kScanCode) != 0 ? kPressedByScanCode : 0));
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

void releaseHeldInput(HeldInput& held, InputSink& sink) {
    for (int virtualKey = 1; virtualKey < 256; ++virtualKey) {
        if (held.keyDown[virtualKey] != 0 && !isModifier(virtualKey)) {
            releaseKey(held, sink, virtualKey);
        }
    }
    for (int virtualKey = 1; virtualKey < 256; ++virtualKey) {
        if (held.keyDown[virtualKey] != 0) releaseKey(held, sink, virtualKey);
    }
    for (const MouseButton& button : kMouseButtons) {
        if ((held.mouseButtons & button.down) != 0) {
            sink.injectMouse(MouseRecord{0, 0, 0, button.up});
        }
    }
    held.mouseButtons = 0;
}

}  // namespace tarvik
