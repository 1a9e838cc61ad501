#pragma once
// Which virtual keys stand for keys that send the extended prefix. By scan
// code, a key without its prefix is another key: the numeric pad's instead
// of the cursor block, the left CTRL and ALT instead of the right ones.

#include <cstdint>

namespace tarvik {

// Keys that exist only with the prefix. Cursor and editing keys are not
// among them: the numeric pad sends them without it when NumLock is off, and
// a key recorded from the keyboard may mean that one.
constexpr bool onlyExtendedKey(uint16_t virtualKey) {
    switch (virtualKey) {
        case 0x03:  // CANCEL (CTRL+BREAK)
        case 0x2C:  // PRINT SCREEN
        case 0x5B:  // left and right Windows keys, the menu key
        case 0x5C:
        case 0x5D:
        case 0x6F:  // numeric pad divide
        case 0xA3:  // right CTRL, right ALT
        case 0xA5:
            return true;
        default:
            // Browser, volume, media and launch keys.
            return virtualKey >= 0xA6 && virtualKey <= 0xB7;
    }
}

// The keys a pick from the key list means with the prefix: the list names
// the cursor and editing block, never the numeric pad's keys.
constexpr bool extendedInKeyList(uint16_t virtualKey) {
    return onlyExtendedKey(virtualKey) || (virtualKey >= 0x21 && virtualKey <= 0x28) ||
           virtualKey == 0x2D || virtualKey == 0x2E;
}

}  // namespace tarvik
