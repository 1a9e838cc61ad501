#pragma once
// The items of the configuration window's two drop-down lists, in the order
// the user sees them, each with the code stored as its item datum.

#include <cstdint>
#include <optional>

#include "config/Configuration.h"
#include "config/SelectionState.h"

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

// The item that filling a new window pre-selects: the current entry's
// action on a device page, none on the common page.
std::optional<int> initialMouseActionItem(const Configuration& config,
                                          const SelectionState& selection);

}  // namespace tarvik
