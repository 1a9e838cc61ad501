#include "engine/PollingPass.h"

#include "config/ShiftButton.h"
#include "engine/ControlEvaluation.h"
#include "engine/text_input/WindowClosing.h"

namespace tarvik {

namespace {

void serveTextInputWindow(PollingContext& context) {
    SharedState& state = context.state;
    EngineState& engine = state.engine;
    LearningContext learning{state.config, state.devices, context.source, state.selection,
                             context.learningView};
    TextInputContext text{engine.textInput, context.textInputView, context.keys, context.platform};
    if (serveTextInput(learning, text, engine.stringBlock) == TextInputOutcome::kClosed) {
        endTextInput(engine);
        // The press that closed the window is its only effect: the block
        // that resumes mapping must not see it as new.
        EvaluationContext evaluation{state.config, state.devices, context.source, context.executor};
        takeButtonsAsRemembered(evaluation, engine.stringBlock);
    }
}

bool pauseAsked(const EngineState& engine) {
    return engine.pauseRequests.load() > 0;
}

void countSelectorDown(PollingContext& context) {
    SharedState& state = context.state;
    FunctionKeySelectorContext selector{state.functionKeys, context.selectorView, context.keys,
                                        context.platform};
    if (functionKeyCountdownStep(selector) == SelectorOutcome::kClosed) {
        endFunctionKeySelector(state.engine);
    }
}

void mapDevices(PollingContext& context) {
    SharedState& state = context.state;
    const ConfigHeader& header = state.config.header;
    context.host.waitForTrigger(kTriggerWaitMs);
    // A release the system refused goes again until it is taken: after an
    // elevated window has gone, after unlocking.
    retryRefusedReleases(state.engine.heldInput, context.platform);
    // A shift setting that names no real slot is never read.
    if (shiftButtonActive(header)) context.source.pollJoystick(shiftSlot(header));
    context.source.pollMouse();
    const bool shifted = shiftHeld(header, state.devices);
    // The key stays down until its control's real release, but it must not
    // repeat on while that release lies in a block this pass does not see.
    if (shifted != state.engine.shiftedPass) {
        stopKeyRepeat(state.engine.keyRepeat);
        state.engine.shiftedPass = shifted;
    }

    EvaluationContext evaluation{state.config, state.devices, context.source, context.executor};
    const int mouseBlock = state.devices.mouseSlot();
    // deviceCount comes from the device layer, which takes at most six
    // joysticks; the bound only keeps a damaged count inside the tables.
    // A pause asked for meanwhile ends the pass: the blocks not evaluated
    // keep their memory and see their presses after it.
    for (int device = 0; device < state.devices.deviceCount && device < kDeviceSlots / 2;
         ++device) {
        if (pauseAsked(state.engine)) return;
        evaluateBlock(evaluation, deviceBlock(device, shifted));
        if (pauseAsked(state.engine)) return;
        evaluateBlock(evaluation, mouseBlock);
    }
    // Started to wait for controllers, the mouse is the only device and
    // still maps.
    if (state.devices.deviceCount == 0) evaluateBlock(evaluation, mouseBlock);
    context.executor.repeatHeldKey();
    nextMovePass(state.engine.dynamicMoves);
}

// Whatever the mapping held down comes up while it stands still, so no key
// stays down in the system for the user's edits or for another record.
// The blocks keep their memory: a control let go meanwhile gets its release
// later, and a release of a key already up does no harm. A latched click
// starts afresh.
void letGoOfEverything(PollingContext& context) {
    EngineState& engine = context.state.engine;
    releaseHeldInput(engine.heldInput, context.platform);
    stopKeyRepeat(engine.keyRepeat);
    stopDynamicMoves(engine.dynamicMoves);
    engine.leftToggle = 0;
    engine.middleToggle = 0;
    engine.rightToggle = 0;
}

}  // namespace

void pollingPass(PollingContext& context) {
    SharedState& state = context.state;
    EngineState& engine = state.engine;
    // Only the engine's two windows get messages on this thread; with
    // neither open there is nothing to hand out, and asking would cost a
    // call into the system in every pass.
    const bool windowsOpen = engine.stringWindow != kNoWindow || engine.fSelectWindow != kNoWindow;
    if (pauseAsked(engine)) {
        letGoOfEverything(context);
        engine.paused = 1;
        // A window left open through the pause still paints and never
        // looks hung; it takes no input meanwhile.
        if (windowsOpen) context.host.dispatchWindowMessages();
        context.host.waitWhilePaused(kPausePassMs);
        return;
    }
    if (windowsOpen) context.host.dispatchWindowMessages();

    if (engine.stringWindow != kNoWindow) serveTextInputWindow(context);
    if (engine.fSelectWindow != kNoWindow) countSelectorDown(context);

    if (state.configWindow.load() == kNoWindow && engine.stringWindow == kNoWindow) {
        mapDevices(context);
    } else {
        letGoOfEverything(context);
        context.platform.sleepMs(kIdlePassMs);
    }
}

void runPolling(PollingContext& context) {
    while (context.state.runFlag.load() != 0) pollingPass(context);
}

}  // namespace tarvik
