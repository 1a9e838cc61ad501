#pragma once
// One control's assignment. The layout is part of the .cfg file format:
// every offset is fixed and checked below.

#include <cstddef>
#include <cstdint>

namespace tarvik {

constexpr int kEntriesPerBlock = 200;
constexpr int kMaxRecordedKeys = 49;
constexpr int kKeyArrayLength = 50;
constexpr int kLabelLength = 50;
constexpr int kProgramPathLength = 262;

struct ControlEntry {
    int32_t delayMs;
    uint8_t withShift;
    uint8_t withCtrl;
    uint8_t withAlt;
    uint8_t startProgram;
    uint8_t openStringInput;
    uint8_t sendKeys;
    uint8_t keyCount;
    uint8_t mouseAction;
    uint8_t mouseActionCode;
    uint8_t toggleLock;
    uint8_t autoRepeat;
    uint8_t autoRelease;
    uint8_t sensitivity;
    uint8_t xStep;
    uint8_t yStep;
    uint8_t switchProgram;
    uint8_t dynamicStep;
    uint8_t centred;
    uint8_t fSelect;
    // How a dynamic move's speed follows the deflection (ResponseCurve.h).
    // Versions that predate it leave the byte zero and never read it.
    uint8_t responseCurve;
    uint8_t reserved[7];
    uint8_t controlIndex;
    uint16_t lastKeyCode;
    uint16_t keyCodes[kKeyArrayLength];
    uint16_t scanCodes[kKeyArrayLength];
    char keyText[kKeyArrayLength];
    char label[kLabelLength];
    char programPath[kProgramPathLength];
};

static_assert(sizeof(ControlEntry) == 596);
static_assert(offsetof(ControlEntry, delayMs) == 0);
static_assert(offsetof(ControlEntry, withShift) == 4);
static_assert(offsetof(ControlEntry, withCtrl) == 5);
static_assert(offsetof(ControlEntry, withAlt) == 6);
static_assert(offsetof(ControlEntry, startProgram) == 7);
static_assert(offsetof(ControlEntry, openStringInput) == 8);
static_assert(offsetof(ControlEntry, sendKeys) == 9);
static_assert(offsetof(ControlEntry, keyCount) == 10);
static_assert(offsetof(ControlEntry, mouseAction) == 11);
static_assert(offsetof(ControlEntry, mouseActionCode) == 12);
static_assert(offsetof(ControlEntry, toggleLock) == 13);
static_assert(offsetof(ControlEntry, autoRepeat) == 14);
static_assert(offsetof(ControlEntry, autoRelease) == 15);
static_assert(offsetof(ControlEntry, sensitivity) == 16);
static_assert(offsetof(ControlEntry, xStep) == 17);
static_assert(offsetof(ControlEntry, yStep) == 18);
static_assert(offsetof(ControlEntry, switchProgram) == 19);
static_assert(offsetof(ControlEntry, dynamicStep) == 20);
static_assert(offsetof(ControlEntry, centred) == 21);
static_assert(offsetof(ControlEntry, fSelect) == 22);
static_assert(offsetof(ControlEntry, responseCurve) == 23);
static_assert(offsetof(ControlEntry, reserved) == 24);
static_assert(offsetof(ControlEntry, controlIndex) == 31);
static_assert(offsetof(ControlEntry, lastKeyCode) == 32);
static_assert(offsetof(ControlEntry, keyCodes) == 34);
static_assert(offsetof(ControlEntry, scanCodes) == 134);
static_assert(offsetof(ControlEntry, keyText) == 234);
static_assert(offsetof(ControlEntry, label) == 284);
static_assert(offsetof(ControlEntry, programPath) == 334);

// KeyWord: virtual-key code in the low byte plus modifier bits.
namespace KeyWord {
constexpr uint16_t kVirtualKeyMask = 0x00FF;
constexpr uint16_t kShift = 0x100;
constexpr uint16_t kAlt = 0x200;
constexpr uint16_t kCtrl = 0x400;
constexpr uint16_t kExtended = 0x800;
}  // namespace KeyWord

// ScanWord: hardware scan code in the low byte, extended-key bit above it.
namespace ScanWord {
constexpr uint16_t kScanCodeMask = 0x00FF;
constexpr uint16_t kExtended = 0x100;
}  // namespace ScanWord

// Byte that keyText holds for a recorded key that typed no character.
constexpr char kNoCharacterPlaceholder = static_cast<char>(0xBF);

enum MouseActionCode : uint8_t {
    kMoveUp = 0,
    kMoveRightUp = 1,
    kMoveRight = 2,
    kMoveRightDown = 3,
    kMoveDown = 4,
    kMoveLeftDown = 5,
    kMoveLeft = 6,
    kMoveLeftUp = 7,
    kLeftClick = 8,
    kLeftDoubleClick = 9,
    kMiddleClick = 10,
    kMiddleDoubleClick = 11,
    kRightClick = 12,
    kRightDoubleClick = 13,
    kWheelClick = 14,
    kWheelScrollXStep = 15,
    kWheelScrollYStep = 16,
    kXAbsolute = 17,
    kYAbsolute = 18,
    kLeftButtonDown = 28,
    kMiddleButtonDown = 30,
    kRightButtonDown = 32,
    kLeftButtonUp = 38,
    kMiddleButtonUp = 40,
    kRightButtonUp = 42,
    // Not mouse input: the press asks for the next or previous file of the
    // tray's configuration list. Older versions do nothing for them.
    kNextConfiguration = 50,
    kPreviousConfiguration = 51,
};

// The entry-index map of a block.
namespace EntryIndex {
constexpr int kFirstButton = 1;  // button n (1..32) fires entry n
constexpr int kFirstAxis = 33;   // 33 + 16 * level + direction
constexpr int kLastAxis = 80;
constexpr int kFirstPov = 81;  // 81 + 8 * hat + sector
constexpr int kLastPov = 112;
constexpr int kButtons = 32;
constexpr int kAxisDirections = 16;
constexpr int kLevels = 3;
constexpr int kHats = 4;
constexpr int kSectors = 8;

constexpr int button(int buttonIndex0) {
    return kFirstButton + buttonIndex0;
}
constexpr int axis(int level, int direction) {
    return kFirstAxis + 16 * level + direction;
}
constexpr int pov(int hat, int sector) {
    return kFirstPov + 8 * hat + sector;
}
}  // namespace EntryIndex

}  // namespace tarvik
