#pragma once
// Commands that edit the current block as a whole. All act only on a
// device page.

#include <cstdint>

#include "config/Configuration.h"
#include "ui/config/ConfigCommands.h"
#include "config/SelectionState.h"

namespace tarvik {

// Block check boxes 1215, 1216, 1229, 1242: the block byte is toggled with
// exclusive-or 1 and, except for 1242, copied into the matching byte of
// all 200 entries, overwriting what was set one by one.
FollowUp toggleBlockFlag(Configuration& config, const SelectionState& selection, int id);

// "auto": learnMask steps through 0..7.
FollowUp stepLearnMask(Configuration& config, const SelectionState& selection);

// After COPY's OK: the whole current block, run-time memory included,
// over block `targetBlock`. Nothing on the common page or for a target
// outside 0..13. Returns whether anything was copied; the window is not
// repainted.
bool copyCurrentBlock(Configuration& config, const SelectionState& selection, int targetBlock);

}  // namespace tarvik
