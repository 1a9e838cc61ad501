#pragma once
// The up-down controls' steps: the upper arrow (a negative delta in the
// notification) adds 1, anything else subtracts 1; the value is then
// bounded and, for the block-wide ones, handed on to the entries.

#include "config/Configuration.h"
#include "ui/config/ConfigCommands.h"
#include "config/SelectionState.h"

namespace tarvik {

// `id` is one of 1230, 1211, 1212, 1213 (entry) or 1231, 1217, 1218,
// 1219..1221 (block); `delta` is the notification's step. Only on a
// device page; anything else changes nothing and asks for nothing.
FollowUp stepUpDown(Configuration& config, const SelectionState& selection, int id, int delta);

}  // namespace tarvik
