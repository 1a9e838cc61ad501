#pragma once
// The worker thread that paces the mapping engine. Start-up binds what it
// works on, then creates it with no argument; it runs until runFlag is
// cleared and lets go of everything it held down before it ends.

#include <windows.h>

#include "engine/ControlLearning.h"
#include "input/win32/DirectInputTables.h"
#include "shell/AppState.h"
#include "ui/text_input/FunctionKeySelector.h"
#include "ui/text_input/TextInputStep.h"

namespace tarvik {

struct PollingThreadBinding {
    AppState* state;
    DirectInputTables* directInput;
    TextInputView* textInputView;
    FunctionKeySelectorView* selectorView;
    LearningView* learningView;
};

// Set once, before the thread is created.
void bindPollingThread(const PollingThreadBinding& binding);

// Thread entry; its argument is ignored.
DWORD WINAPI PollingThread(LPVOID);

}  // namespace tarvik
