#pragma once
// Windows gives injected keys no typematic repeat: a control held on
// Backspace or an arrow key would delete or move once. While a control
// holds its keys down, the last key of its sequence repeats its key-down
// as a held keyboard key does, after the system's keyboard delay and at
// its repeat rate, until that control is let go. A keyboard repeats only
// the key pressed last, so one slot is enough; entries that repeat every
// pass by themselves (autoRepeat) or let go at once (autoRelease) hold
// nothing to repeat.

#include <cstdint>

#include "config/ControlEntry.h"

namespace tarvik {

struct KeyRepeatTiming {
    uint32_t delayMs;     // from the key-down to the first repeat; 0: no repeat at all
    uint32_t intervalMs;  // between two repeats
};

// What the option NOREPEAT sets.
constexpr KeyRepeatTiming kNoKeyRepeat{0, 0};

// The system's keyboard settings as SystemParametersInfo reports them:
// the delay 0..3 stands for 250..1000 ms in steps of 250 ms, the speed
// 0..31 for about 2.5..30 repeats a second, in even steps. Values out of
// range count as the nearest end.
KeyRepeatTiming keyRepeatTiming(uint32_t delaySetting, uint32_t speedSetting);

// Windows' own defaults, delay 1 and speed 31, until the system's are read.
constexpr KeyRepeatTiming kDefaultKeyRepeat{500, 33};

struct KeyRepeat {
    const ControlEntry* entry = nullptr;  // whose last key repeats, or none
    uint32_t dueMs = 0;                   // the clock reading of its next key-down
};

// True when pressing `entry` leaves its keys down until its release: a
// sequence without autoRelease or autoRepeat.
bool holdsKeys(const ControlEntry& entry);

// `entry` has sent its key-downs at `nowMs`. Its last key repeats from now
// on when it holds its keys; any other key sequence ends the repeat of the
// key before, as a new key on a keyboard does.
void keysPressed(KeyRepeat& repeat, const ControlEntry& entry, uint32_t nowMs,
                 const KeyRepeatTiming& timing);

// `entry`'s control is let go: its key stops repeating.
void keysReleased(KeyRepeat& repeat, const ControlEntry& entry);

// Everything held has been let go.
void stopKeyRepeat(KeyRepeat& repeat);

// The entry whose last key is due for another key-down at `nowMs`, or
// nullptr. At most one key-down a call: a pass that ran late repeats once
// and the next repeat follows one interval after it, never a burst.
const ControlEntry* dueKeyRepeat(KeyRepeat& repeat, uint32_t nowMs, const KeyRepeatTiming& timing);

}  // namespace tarvik
