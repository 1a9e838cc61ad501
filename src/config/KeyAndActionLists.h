#pragma once
// The keys and mouse actions an entry can name, in the order the
// configuration window's two drop-down lists show them, each with the code
// the record stores: the window lists them and the configuration text names
// them.

#include <cstdint>
#include <optional>

#include "config/ControlEntry.h"

namespace tarvik {

struct ListItem {
    const char* text;
    uint8_t code;
};

constexpr int kMouseActionItemCount = 27;
constexpr int kKeyItemCount = 91;

// mouseActionList: the datum is the MouseActionCode.
extern const ListItem mouseActionListItems[kMouseActionItemCount];
// keyList: the datum is a virtual-key code.
extern const ListItem keyListItems[kKeyItemCount];

// Index of the first mouseActionList item whose code is `code`, or none:
// then the list keeps whatever selection it had.
std::optional<int> selectMouseAction(uint8_t code);

}  // namespace tarvik
