#pragma once
// The names the configuration text uses: controls as the configuration
// window names them, keys by the window's key list (letters, digits and the
// punctuation keys by their own names), and what a key defaults to when the
// text gives only its name.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvik {

// "button 3", "X+ level 1", "hat 0 north-east", or "entry 113" for an
// entry that belongs to no control.
std::string controlName(int entryIndex);

// The entry a control name designates, or an error text.
struct ControlLookup {
    int entryIndex = -1;
    std::string error;
};
ControlLookup findControl(std::string_view name);

// The name of a virtual-key code: the key list's name, "A".."Z", "0".."9",
// "oem comma" and the like, or "vk 0x07" for a code without a name.
std::string keyName(uint8_t virtualKey);
std::optional<uint8_t> findKey(std::string_view name);

// What a key named in the text gets unless the text says otherwise: the
// scan word of a standard keyboard (with the extended bit for the keys of
// the extended set) and the character that the key types with or without
// SHIFT, or the no-character placeholder.
uint16_t standardScanWord(uint8_t virtualKey);
char standardCharacter(uint8_t virtualKey, bool shift);

// The mouse-action list's name of a code, or none for a code it lacks.
const char* mouseActionName(uint8_t code);
std::optional<uint8_t> findMouseAction(std::string_view name);

// Case-insensitive comparison of ASCII names.
bool sameName(std::string_view a, std::string_view b);

}  // namespace tarvik
