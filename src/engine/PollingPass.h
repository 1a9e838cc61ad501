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

// After a device woke the thread and found nothing new, further device
// wakes wait so long: a pad that signals without end, or reports noise
// every millisecond, costs one read per gap, never a spinning thread.
constexpr uint32_t kDeviceWakeGapUs = 1000;

// How a wait of the pass ended.
enum class WaitEnd : uint8_t {
    kTimeout,  // the pass is due
    kTrigger,  // another program signalled "trigger": a pass at once
    kDevice,   // a device reported; it may have changed
};

// What the thread itself provides around the pass.
class PollingHost {
  public:
    virtual ~PollingHost() = default;
    // Waits on the thread's "trigger" event, at most `timeoutUs`, and with
    // `deviceWakes` also on the reports of the devices that signal them.
    virtual WaitEnd waitForTrigger(uint32_t timeoutUs, bool deviceWakes) = 0;
    // A steady clock in microseconds, for the deadline of the next pass.
    virtual uint64_t nowUs() = 0;
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
