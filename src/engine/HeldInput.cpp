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

// Whether the release of `bit` went through: a refused one is kept apart.
void noteRelease(uint8_t& refused, uint8_t bit, bool taken) {
    if (taken) {
        refused &= static_cast<uint8_t>(~bit);
    } else {
        refused |= bit;
    }
}

// The release of one variant, the way it went down.
bool sendKeyUp(HeldInput& held, InputSink& sink, int virtualKey, int variant) {
    const uint16_t scan = held.keyScan[virtualKey][variant];
    uint32_t flags = KeyFlags::kKeyUp;
    if ((scan & ScanWord::kExtended) != 0) flags |= KeyFlags::kExtended;
    if ((scan & kPressedByScanCode) != 0) flags |= KeyFlags::kScanCode;
    return sink.injectKeyboard(KeyboardRecord{static_cast<uint16_t>(virtualKey),
                                              static_cast<uint16_t>(scan & 0xFF), flags});
}

void releaseKey(HeldInput& held, InputSink& sink, int virtualKey) {
    for (int variant = 0; variant < kKeyVariants; ++variant) {
        const auto bit = static_cast<uint8_t>(1u << variant);
        if ((held.keyDown[virtualKey] & bit) == 0) continue;
        // The sink may be the tracker, which clears the bit itself.
        held.keyDown[virtualKey] &= static_cast<uint8_t>(~bit);
        noteRelease(held.keyRefused[virtualKey], bit, sendKeyUp(held, sink, virtualKey, variant));
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

bool HeldInputTracker::injectKeyboard(const KeyboardRecord& record) {
    const bool taken = inner_.injectKeyboard(record);
    const int virtualKey = record.virtualKey & 0xFF;
    if (virtualKey == 0) return taken;
    const int variant = variantOf(virtualKey, record);
    const auto bit = static_cast<uint8_t>(1u << variant);
    if ((record.flags & KeyFlags::kKeyUp) != 0) {
        held_.keyDown[virtualKey] &= static_cast<uint8_t>(~bit);
        noteRelease(held_.keyRefused[virtualKey], bit, taken);
    } else {
        // A new press, taken or not, comes up by its own release.
        held_.keyDown[virtualKey] |= bit;
        held_.keyRefused[virtualKey] &= static_cast<uint8_t>(~bit);
        held_.keyScan[virtualKey][variant] = static_cast<uint16_t>(
            (record.scanCode & 0xFF) |
            ((record.flags & KeyFlags::kExtended) != 0 ? ScanWord::kExtended : 0) |
            ((record.flags & KeyFlags::kScanCode) != 0 ? kPressedByScanCode : 0));
    }
    return taken;
}

bool HeldInputTracker::injectMouse(const MouseRecord& record) {
    const bool taken = inner_.injectMouse(record);
    for (const MouseButton& button : kMouseButtons) {
        // A record with both events presses, then releases.
        if ((record.flags & button.down) != 0) {
            held_.mouseButtons |= button.down;
            held_.mouseRefused &= ~button.down;
        }
        if ((record.flags & button.up) != 0) {
            held_.mouseButtons &= ~button.down;
            if (taken) {
                held_.mouseRefused &= ~button.down;
            } else {
                held_.mouseRefused |= button.down;
            }
        }
    }
    return taken;
}

void retryRefusedReleases(HeldInput& held, InputSink& sink) {
    for (int virtualKey = 1; virtualKey < 256; ++virtualKey) {
        if (held.keyRefused[virtualKey] == 0) continue;
        for (int variant = 0; variant < kKeyVariants; ++variant) {
            const auto bit = static_cast<uint8_t>(1u << variant);
            if ((held.keyRefused[virtualKey] & bit) == 0) continue;
            noteRelease(held.keyRefused[virtualKey], bit,
                        sendKeyUp(held, sink, virtualKey, variant));
        }
    }
    for (const MouseButton& button : kMouseButtons) {
        if ((held.mouseRefused & button.down) == 0) continue;
        if (sink.injectMouse(MouseRecord{0, 0, 0, button.up})) held.mouseRefused &= ~button.down;
    }
}

void releaseHeldInput(HeldInput& held, InputSink& sink) {
    retryRefusedReleases(held, sink);
    for (int virtualKey = 1; virtualKey < 256; ++virtualKey) {
        if (held.keyDown[virtualKey] != 0 && !isModifier(virtualKey)) {
            releaseKey(held, sink, virtualKey);
        }
    }
    for (int virtualKey = 1; virtualKey < 256; ++virtualKey) {
        if (held.keyDown[virtualKey] != 0) releaseKey(held, sink, virtualKey);
    }
    for (const MouseButton& button : kMouseButtons) {
        if ((held.mouseButtons & button.down) == 0) continue;
        held.mouseButtons &= ~button.down;
        if (sink.injectMouse(MouseRecord{0, 0, 0, button.up})) {
            held.mouseRefused &= ~button.down;
        } else {
            held.mouseRefused |= button.down;
        }
    }
    held.mouseButtons = 0;
}

}  // namespace tarvik
