#pragma once
// The worker thread that paces the mapping engine. Start-up creates it with
// what it works on as its argument; it runs until runFlag is cleared and
// lets go of everything it held down before it ends.

#include <windows.h>

#include "engine/ControlLearning.h"
#include "engine/SharedState.h"
#include "engine/text_input/FunctionKeySelector.h"
#include "engine/text_input/TextInputStep.h"
#include "input/win32/DirectInputTables.h"

namespace tarvik {

struct PollingThreadContext {
    SharedState* state;
    DirectInputTables* directInput;
    TextInputView* textInputView;
    FunctionKeySelectorView* selectorView;
    LearningView* learningView;
    HWND shellWindow;  // takes the configuration steps the controls ask for
    // FASTPOLL: pads that signal no reports are read every millisecond.
    bool fastPoll = false;
};

// Thread entry; its argument is a PollingThreadContext that outlives the
// thread.
DWORD WINAPI PollingThread(LPVOID context);

}  // namespace tarvik
