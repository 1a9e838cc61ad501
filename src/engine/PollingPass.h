#pragma once
// One pass of the polling thread: serve the text-input window, count the
// function-key selector down, then either map every device once or idle
// while a window that edits or steers the engine is open.

#include <cstdint>

#include "engine/ActionExecutor.h"
#include "engine/ControlLearning.h"
#include "engine/KeySender.h"
#include "engine/SharedState.h"
#include "engine/text_input/FunctionKeySelector.h"
#include "engine/text_input/TextInputStep.h"
#include "input/DeviceState.h"
#include "platform/Platform.h"

namespace tarvik {

// Pass pacing between mapping passes, at most this long.
constexpr uint32_t kTriggerWaitMs = 10;
// Length of a pass while the configuration or the text-input window is open.
constexpr uint32_t kIdlePassMs = 200;
// Length of a pass while the user-interface thread holds the mapping still:
// nothing is mapped then, so the thread need not wake often.
constexpr uint32_t kPausePassMs = 50;

// What the thread itself provides around the pass.
class PollingHost {
  public:
    virtual ~PollingHost() = default;
    // Waits on the thread's "trigger" event, at most `timeoutMs`.
    virtual void waitForTrigger(uint32_t timeoutMs) = 0;
    // Handles the messages waiting for the windows this thread owns, so they
    // repaint when uncovered and never look hung. Called once a pass while
    // one of them is open.
    virtual void dispatchWindowMessages() = 0;
    // Waits at most `timeoutMs` while the mapping is paused; a message for
    // the thread's windows may end it early. The pass's platform cannot
    // sleep then: a pause cuts its sleeps short.
    virtual void waitWhilePaused(uint32_t timeoutMs) = 0;
};

struct PollingContext {
    SharedState& state;
    DeviceSource& source;
    ActionExecutor& executor;
    KeySender& keys;
    Platform& platform;
    TextInputView& textInputView;
    FunctionKeySelectorView& selectorView;
    LearningView& learningView;
    PollingHost& host;
};

void pollingPass(PollingContext& context);

// Passes until runFlag is cleared.
void runPolling(PollingContext& context);

// The block device `device` is evaluated in: its shifted one while the shift
// button is held.
constexpr int deviceBlock(int device, bool shifted) {
    return 2 * device + (shifted ? 1 : 0);
}

}  // namespace tarvik
