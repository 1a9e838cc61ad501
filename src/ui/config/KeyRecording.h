#pragma once
// Recording key strokes into the current entry: key releases and
// character messages from the keyboard, and keys picked from keyList.
// Holding TAB stands for ALT, because ALT itself would start the window's
// menu handling; releases of TAB, SHIFT and CTRL are never keys themselves.

#include <cstdint>

#include "config/Configuration.h"
#include "ui/config/ConfigCommands.h"
#include "config/SelectionState.h"

namespace tarvik {

class Platform;

// Links a character message to the key release that follows it. The
// character counts only for the entry and position it was typed at: after a
// change of entry, a key from the list or "clear", the release finds another
// place and stores the placeholder, never the NUL behind the character.
struct KeyRecordingState {
    bool charPending = false;
    int pendingBlock = -1;
    int pendingEntry = -1;
    int pendingIndex = -1;
};

// The modifier keys as the keyboard-state query saw them.
struct KeyboardSnapshot {
    bool readable = false;  // false: the query failed; only the bare code is kept
    bool shiftDown = false;
    bool tabDown = false;
    bool ctrlDown = false;
};

// Whether a key may be recorded now: a device page, an entry other than 0
// and fewer than 49 keys.
bool canRecordKey(const Configuration& config, const SelectionState& selection);

// A key-release message with virtual-key code `virtualKey` and parameter
// `keyParam` (bit 24 extended key; bits 16..31 become the scan word). The
// window returns 0 for the message whatever this does.
FollowUp recordKeyRelease(Configuration& config, const SelectionState& selection,
                          KeyRecordingState& state, uint32_t virtualKey, uint32_t keyParam,
                          const KeyboardSnapshot& keyboard);

// A character message: the character goes to the next keyText position,
// for the release that follows to keep; character 0, which would end the
// text there, is stored as the placeholder. Asks for nothing.
void recordCharacter(Configuration& config, const SelectionState& selection,
                     KeyRecordingState& state, char character);

// keyList's selection changed to an item with `datum`: the key is appended
// with the modifier bits, without the extended bit, with the system's scan
// code and with the no-character placeholder as its text.
FollowUp appendKeyFromList(Configuration& config, const SelectionState& selection, intptr_t datum,
                           const KeyboardSnapshot& keyboard, Platform& platform);

// "clear": no keys; only the first element of each array is zeroed.
FollowUp clearKeys(Configuration& config, const SelectionState& selection);

}  // namespace tarvik
