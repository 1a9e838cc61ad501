#pragma once
// Mouse handling shared by the engine's two windows, which must never take
// the focus from the application being typed into. A click activates
// nothing; the caption drags the window in a loop of its own, because the
// system's move loop activates the window it moves.

#include <windows.h>

#include "engine/SharedState.h"

namespace tarvik {

// Handles the messages by which a click would activate `window`; true when
// it did, with the procedure's answer in `result`. Clicks on the frame
// outside the caption do nothing (the window is not resized). A drag holds
// up the polling thread, which owns the window: it ends when `state` (if
// any) asks the thread to stop or pause, and Tarvik's own injected clicks
// start none, for only that thread could let go of them.
bool handleWithoutActivation(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                             const SharedState* state, LRESULT& result);

// Lets clicks on `child` fall through to its parent: a push button gives
// itself the focus when clicked, which activates its parent.
void passClicksToParent(HWND child);

}  // namespace tarvik
