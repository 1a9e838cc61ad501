#pragma once
// Run-time state of the mapping engine that outlives one action: mouse
// steps, button latches and the two windows the engine opens itself.
// One instance per process; tests make fresh ones.

#include <atomic>
#include <cstdint>

#include "engine/DynamicMove.h"
#include "engine/HeldInput.h"
#include "engine/KeyRepeat.h"
#include "engine/text_input/TextInputState.h"
#include "platform/WindowHandle.h"

namespace tarvik {

struct EngineState {
    // Steps of the move actions, set from the entry before every mouse action.
    int32_t currentXStep = 0;
    int32_t currentYStep = 0;
    // What each dynamic move carries to its entry's next one, polling
    // thread only.
    DynamicMoves dynamicMoves;

    // One latch per mouse button for the whole system, shared by all entries.
    int32_t leftToggle = 0;
    int32_t middleToggle = 0;
    int32_t rightToggle = 0;

    // Cleared by the first injected key; the configuration window reads it
    // on the user-interface thread.
    std::atomic<int32_t> noKeySentYet{1};

    // Set by the SCANCODES option and the tray's "Send scan codes": keys go
    // out by their scan codes, for games that ignore the virtual-key code.
    std::atomic<int32_t> sendScanCodes{0};

    // The system's keyboard delay and repeat rate, read once at start-up
    // before the polling thread runs; kNoKeyRepeat with NOREPEAT.
    KeyRepeatTiming keyRepeatTiming = kDefaultKeyRepeat;
    // The held key that repeats, polling thread only.
    KeyRepeat keyRepeat;
    // Whether the last mapping pass evaluated the shifted blocks. A pass
    // sees only the block of the current shift state, so the release of a
    // control pressed under the other one cannot be seen until it changes
    // back: a repeat ends when the shift state changes.
    bool shiftedPass = false;

    // The 10 ms cadence of the regular passes, polling thread only. A
    // device's report may bring the edges of a pass forward, once per
    // cadence: the regular pass still comes at its time and alone runs
    // what repeats per pass, so no rate changes.
    uint64_t nextRegularPassUs = 0;
    bool earlyPassRan = false;

    WindowHandle stringWindow = kNoWindow;
    int32_t stringBlock = 0;
    TextInputState textInput;

    WindowHandle fSelectWindow = kNoWindow;

    // What the engine holds down, let go of when the mapping stops.
    HeldInput heldInput{};

    // The user-interface thread stops the mapping while it replaces the
    // record or the system goes to sleep: while pauseRequests is above 0 the
    // polling thread evaluates nothing, and it sets paused once it has let
    // go of everything it held.
    std::atomic<int32_t> pauseRequests{0};
    std::atomic<int32_t> paused{0};
};

}  // namespace tarvik
