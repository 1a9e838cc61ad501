#include "engine/SyntheticInput.h"

#include "config/ExtendedKeys.h"

namespace tarvik {

namespace {

constexpr uint32_t kMinimumKeyPauseMs = 2;
constexpr int32_t kWheelNotch = 120;
constexpr int kAxisX = 0;
constexpr int kAxisY = 1;

// A negative delay can only come from a damaged or foreign file; as an
// unsigned duration it would stall the polling thread for days, or for
// ever as -1.
constexpr uint32_t boundedDelay(int32_t delayMs) {
    return delayMs > 0 ? static_cast<uint32_t>(delayMs) : 0;
}

struct MoveSigns {
    int x;
    int y;
};
// Codes 0..7: up, then clockwise.
constexpr MoveSigns kMoveSigns[] = {{0, -1}, {1, -1}, {1, 0},  {1, 1},
                                    {0, 1},  {-1, 1}, {-1, 0}, {-1, -1}};

// The event of a "button down" or "button up" code; the release sends the
// opposite one. 0 for every other code.
constexpr uint32_t buttonFlag(uint8_t code, bool onPress) {
    using namespace MouseFlags;
    switch (code) {
        case kLeftButtonDown:
            return onPress ? kLeftDown : kLeftUp;
        case kMiddleButtonDown:
            return onPress ? kMiddleDown : kMiddleUp;
        case kRightButtonDown:
            return onPress ? kRightDown : kRightUp;
        case kLeftButtonUp:
            return onPress ? kLeftUp : kLeftDown;
        case kMiddleButtonUp:
            return onPress ? kMiddleUp : kMiddleDown;
        case kRightButtonUp:
            return onPress ? kRightUp : kRightDown;
        default:
            return 0;
    }
}

constexpr int32_t scaled(int32_t step, int sign) {
    return static_cast<int32_t>(int64_t{step} * sign);
}

}  // namespace

void SyntheticInput::sendKeyEvent(int32_t delayMs, uint16_t keyWord, uint16_t scanWord,
                                  uint32_t flags) {
    KeyboardRecord record{};
    record.virtualKey = keyWord & KeyWord::kVirtualKeyMask;
    record.scanCode = scanWord & ScanWord::kScanCodeMask;
    // The virtual-key code decides the key, or the scan code when scan codes
    // are asked for; the scan word adds the extended bit, and the key word's
    // own extended bit is not consulted. A key without a scan code (a file
    // can hold one) still goes by its virtual-key code.
    record.flags = flags & KeyFlags::kKeyUp;
    if ((scanWord & ScanWord::kExtended) != 0) record.flags |= KeyFlags::kExtended;
    if (state_.sendScanCodes.load(std::memory_order_relaxed) != 0 && record.scanCode != 0) {
        record.flags |= KeyFlags::kScanCode;
        // A file may hold such a key with a bare scan code (a pick from an
        // older key list).
        if (onlyExtendedKey(record.virtualKey)) record.flags |= KeyFlags::kExtended;
    }
    platform_.injectKeyboard(record);
    state_.noKeySentYet.store(0, std::memory_order_relaxed);
    const uint32_t pause = boundedDelay(delayMs);
    platform_.sleepMs(pause < kMinimumKeyPauseMs ? kMinimumKeyPauseMs : pause);
}

void SyntheticInput::sendMouseEvent(int32_t delayMs, uint32_t flags, int32_t dx, int32_t dy,
                                    int32_t data) {
    platform_.injectMouse(MouseRecord{dx, dy, data, flags});
    mouseSleep(delayMs);
}

void SyntheticInput::performMouseAction(int block, const ControlEntry& entry, ActionMode mode,
                                        int32_t delayMs) {
    if (mode == ActionMode::kPress || entry.toggleLock == 1) {
        pressBranch(block, entry, mode, delayMs);
    } else {
        releaseBranch(entry, delayMs);
    }
    mouseSleep(delayMs);
}

void SyntheticInput::pressBranch(int block, const ControlEntry& entry, ActionMode mode,
                                 int32_t delayMs) {
    using namespace MouseFlags;
    const uint8_t code = entry.mouseActionCode;
    if (code <= kMoveLeftUp) {
        move(delayMs, kMoveSigns[code].x, kMoveSigns[code].y);
        return;
    }
    if (const uint32_t flag = buttonFlag(code, true); flag != 0) {
        sendMouseEvent(delayMs, flag, 0, 0, 0);
        return;
    }
    switch (code) {
        case kLeftClick:
            click(entry, mode, delayMs, kLeftDown, kLeftUp, state_.leftToggle);
            break;
        case kLeftDoubleClick:
            doubleClick(delayMs, kLeftDown, kLeftUp);
            break;
        case kMiddleClick:
            click(entry, mode, delayMs, kMiddleDown, kMiddleUp, state_.middleToggle);
            break;
        case kMiddleDoubleClick:
            doubleClick(delayMs, kMiddleDown, kMiddleUp);
            break;
        case kRightClick:
            click(entry, mode, delayMs, kRightDown, kRightUp, state_.rightToggle);
            break;
        case kRightDoubleClick:
            doubleClick(delayMs, kRightDown, kRightUp);
            break;
        case kWheelClick:
            sendMouseEvent(delayMs, kWheel, 0, 0, kWheelNotch);
            break;
        // The wheel goes by the entry's own steps, never the scaled ones.
        case kWheelScrollXStep:
            sendMouseEvent(delayMs, kWheel, 0, 0, entry.xStep);
            break;
        case kWheelScrollYStep:
            sendMouseEvent(delayMs, kWheel, 0, 0, -int32_t{entry.yStep});
            break;
        case kXAbsolute:
            absolute(block, kAxisX);
            break;
        case kYAbsolute:
            absolute(block, kAxisY);
            break;
        default:
            break;
    }
}

void SyntheticInput::releaseBranch(const ControlEntry& entry, int32_t delayMs) {
    if (const uint32_t flag = buttonFlag(entry.mouseActionCode, false); flag != 0) {
        sendMouseEvent(delayMs, flag, 0, 0, 0);
    }
}

void SyntheticInput::click(const ControlEntry& entry, ActionMode mode, int32_t delayMs,
                           uint32_t downFlag, uint32_t upFlag, int32_t& toggle) {
    if (entry.toggleLock == 0) {
        sendMouseEvent(delayMs, downFlag, 0, 0, 0);
        sendMouseEvent(delayMs, upFlag, 0, 0, 0);
        return;
    }
    // The press sends the event of the current latch and flips it; the
    // release, which comes here too, sends the event of the flipped latch.
    sendMouseEvent(delayMs, toggle == 1 ? downFlag : upFlag, 0, 0, 0);
    if (mode == ActionMode::kPress) toggle = toggle == 1 ? 0 : 1;
}

void SyntheticInput::doubleClick(int32_t delayMs, uint32_t downFlag, uint32_t upFlag) {
    sendMouseEvent(delayMs, downFlag, 0, 0, 0);
    sendMouseEvent(delayMs, upFlag, 0, 0, 0);
    platform_.sleepMs(platform_.doubleClickTime() / 2);
    sendMouseEvent(delayMs, downFlag, 0, 0, 0);
    sendMouseEvent(delayMs, upFlag, 0, 0, 0);
}

void SyntheticInput::move(int32_t delayMs, int xSign, int ySign) {
    sendMouseEvent(delayMs, MouseFlags::kMove, scaled(state_.currentXStep, xSign),
                   scaled(state_.currentYStep, ySign), 0);
}

void SyntheticInput::absolute(int block, int axis) {
    // The mouse block of a seventh joystick would lie past the table.
    if (block < 0 || block >= kDeviceSlots) return;
    const int64_t value = devices_.states[block].axes[axis];
    ScreenPoint cursor = platform_.cursorPosition();
    const ScreenRect desktop = platform_.desktopClientRect();
    if (axis == kAxisX) {
        cursor.x = static_cast<int32_t>((value + 1000) * desktop.right / 2000);
    } else {
        cursor.y = static_cast<int32_t>((value + 1000) * desktop.bottom / 2000);
    }
    platform_.setCursorPosition(cursor);
}

void SyntheticInput::mouseSleep(int32_t delayMs) {
    platform_.sleepMs(boundedDelay(delayMs));
}

}  // namespace tarvik
