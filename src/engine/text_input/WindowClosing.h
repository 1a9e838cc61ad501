#pragma once
// Ending text input and the function-key selector, whatever closed their
// window: the exit row, the countdown, or the system (a close from the
// taskbar or from another program). Every route ends here, so the mapping
// never stays suspended with nothing on screen.

#include "engine/EngineState.h"

namespace tarvik {

// The mapping resumes with the next pass.
inline void endTextInput(EngineState& engine) {
    engine.stringWindow = kNoWindow;
}

// Types nothing: only the countdown reaching zero types the key on offer.
inline void endFunctionKeySelector(EngineState& engine) {
    engine.fSelectWindow = kNoWindow;
}

}  // namespace tarvik
