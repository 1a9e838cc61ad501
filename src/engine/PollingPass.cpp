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

constexpr uint64_t kCadenceUs = uint64_t{kTriggerWaitMs} * 1000;

enum class PassKind : uint8_t { kRegular, kEarly };

// Whether a pad now differs from what its block remembers. The mouse is
// not read: each read takes its motion, which the regular pass needs whole.
bool padsFindEdge(PollingContext& context) {
    SharedState& state = context.state;
    const ConfigHeader& header = state.config.header;
    if (shiftButtonActive(header)) context.source.pollJoystick(shiftSlot(header));
    const bool shifted = shiftHeld(header, state.devices);
    if (shifted != state.engine.shiftedPass) return true;
    EvaluationContext evaluation{state.config, state.devices, context.source, context.executor};
    for (int device = 0; device < state.devices.deviceCount && device < kDeviceSlots / 2;
         ++device) {
        if (pollFindsEdge(evaluation, deviceBlock(device, shifted))) return true;
    }
    return false;
}

// Waits for the next pass: the regular one 10 ms after the last regular
// one began its wait, or an early one when a device reports an edge
// before. An early pass keeps the regular one's time, and until that has
// run no device wakes the thread again: chatter adds at most one pass per
// cadence. The selector paces the thread with its own pauses, and
// "trigger" keeps its old meaning: a regular pass at once.
PassKind waitForPass(PollingContext& context) {
    EngineState& engine = context.state.engine;
    PollingHost& host = context.host;
    uint64_t now = host.nowUs();
    if (!engine.earlyPassRan) engine.nextRegularPassUs = now + kCadenceUs;
    const bool wakes = !engine.earlyPassRan && engine.fSelectWindow == kNoWindow;
    engine.earlyPassRan = false;
    uint64_t wakesFrom = now;
    for (;;) {
        const uint64_t deadline = engine.nextRegularPassUs;
        const uint64_t left = deadline > now ? deadline - now : 0;
        const bool listening = wakes && now >= wakesFrom;
        const uint64_t gap = wakesFrom - now;
        const uint64_t span = wakes && !listening && gap < left ? gap : left;
        // To the microsecond: a wait rounded to whole milliseconds after an
        // early pass would stretch or shorten the regular passes.
        const WaitEnd end = host.waitForTrigger(static_cast<uint32_t>(span), listening);
        if (end == WaitEnd::kTrigger) return PassKind::kRegular;
        now = host.nowUs();
        if (end == WaitEnd::kTimeout) {
            // A wait may end a little before its time; it was the last one.
            if (span >= left || now >= deadline) return PassKind::kRegular;
            continue;
        }
        if (padsFindEdge(context)) {
            engine.earlyPassRan = true;
            return PassKind::kEarly;
        }
        now = host.nowUs();
        wakesFrom = now + kDeviceWakeGapUs;
    }
}

void mapDevices(PollingContext& context) {
    SharedState& state = context.state;
    const ConfigHeader& header = state.config.header;
    const bool regular = waitForPass(context) == PassKind::kRegular;
    // A release the system refused goes again until it is taken: after an
    // elevated window has gone, after unlocking.
    if (regular) retryRefusedReleases(state.engine.heldInput, context.platform);
    // A shift setting that names no real slot is never read.
    if (shiftButtonActive(header)) context.source.pollJoystick(shiftSlot(header));
    // The mouse, its block and every repeat belong to the regular passes:
    // the mouse's motion per pass and the rates stay as the cadence sets.
    if (regular) context.source.pollMouse();
    const bool shifted = shiftHeld(header, state.devices);
    // The key stays down until its control's real release, but it must not
    // repeat on while that release lies in a block this pass does not see.
    if (shifted != state.engine.shiftedPass) {
        stopKeyRepeat(state.engine.keyRepeat);
        state.engine.shiftedPass = shifted;
    }

    EvaluationContext evaluation{state.config, state.devices, context.source, context.executor,
                                 !regular};
    const int mouseBlock = state.devices.mouseSlot();
    // deviceCount comes from the device layer, which takes at most six
    // joysticks; the bound only keeps a damaged count inside the tables.
    // A pause asked for meanwhile ends the pass: the blocks not evaluated
    // keep their memory and see their presses after it.
    for (int device = 0; device < state.devices.deviceCount && device < kDeviceSlots / 2;
         ++device) {
        if (pauseAsked(state.engine)) return;
        evaluateBlock(evaluation, deviceBlock(device, shifted));
        if (!regular) continue;
        if (pauseAsked(state.engine)) return;
        evaluateBlock(evaluation, mouseBlock);
    }
    if (!regular) return;
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
