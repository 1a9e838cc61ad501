#include "engine/ActionExecution.h"

#include <cstring>

#include "config/BoundedString.h"

namespace tarvik {

namespace {

constexpr uint8_t kVkTab = 0x09;
constexpr uint8_t kVkShift = 0x10;
constexpr uint8_t kVkCtrl = 0x11;
constexpr uint8_t kVkAlt = 0x12;
constexpr uint32_t kDown = 0;
constexpr uint32_t kUp = KeyFlags::kKeyUp;
constexpr uint32_t kProgramStartPauseMs = 10;

constexpr bool isPress(ActionMode mode) {
    return mode == ActionMode::kPress;
}

}  // namespace

void ActionExecution::executeAction(int block, ControlEntry& entry, ActionMode mode) {
    const bool press = isPress(mode);
    const bool keysOrMouse = entry.sendKeys != 0 || entry.mouseAction != 0;

    if (press && keysOrMouse) heldModifiers(entry, kDown);
    if (press && entry.startProgram != 0) startProgram(entry);
    if (press && entry.openStringInput != 0 && context_.state.stringWindow == kNoWindow) {
        openStringInput(block);
    }
    if (press && entry.fSelect != 0) stepFunctionKeySelector();
    if (press && entry.switchProgram != 0) switchProgram(entry);
    if (press && entry.sendKeys != 0) {
        keySequenceDown(entry);
        keysPressed(context_.state.keyRepeat, entry, context_.platform.tickCountMs(),
                    context_.state.keyRepeatTiming);
    }
    if (!press) keysReleased(context_.state.keyRepeat, entry);
    if (!press && entry.autoRelease == 0 && entry.sendKeys == 1) keySequenceUp(entry);
    if (entry.mouseAction == 1) mouseAction(block, entry, mode);
    if (!press && keysOrMouse) heldModifiers(entry, kUp);
}

void ActionExecution::modifier(const ControlEntry& entry, uint8_t virtualKey, uint32_t flags) {
    modifier(entry.delayMs, virtualKey, flags);
}

void ActionExecution::modifier(int32_t delayMs, uint8_t virtualKey, uint32_t flags) {
    const uint32_t scan = context_.platform.mapVirtualKeyToScanCode(virtualKey);
    context_.input.sendKeyEvent(delayMs, virtualKey, static_cast<uint16_t>(scan), flags);
}

void ActionExecution::heldModifiers(const ControlEntry& entry, uint32_t flags) {
    if (entry.withShift == 1) modifier(entry, kVkShift, flags);
    if (entry.withAlt == 1) modifier(entry, kVkAlt, flags);
    if (entry.withCtrl == 1) modifier(entry, kVkCtrl, flags);
}

void ActionExecution::startProgram(const ControlEntry& entry) {
    // The path array may lack its terminator in a damaged file; the shell
    // gets a terminated copy instead of reading past the entry.
    char path[kProgramPathLength + 1];
    const size_t length = boundedText(entry.programPath).size();
    std::memcpy(path, entry.programPath, length);
    path[length] = '\0';
    context_.platform.shellOpen(path);
    context_.platform.sleepMs(kProgramStartPauseMs);
}

void ActionExecution::openStringInput(int block) {
    EngineState& state = context_.state;
    state.stringBlock = block;
    std::memset(state.textInput.echoLine, 0, sizeof(state.textInput.echoLine));
    state.stringWindow = context_.windows.openTextInputWindow();
}

void ActionExecution::stepFunctionKeySelector() {
    FunctionKeyTable& keys = context_.functionKeys;
    EngineState& state = context_.state;
    if (state.fSelectWindow == kNoWindow) {
        // The window's creation reads the row, so it is set first.
        keys.fSelectIndex = 1;
        keys.fSelectCountdown = kSelectorCountdown;
        state.fSelectWindow = context_.windows.openSelectorWindow();
    } else {
        keys.fSelectIndex = (keys.fSelectIndex + 1) % kFunctionKeyRows;
        keys.fSelectCountdown = kSelectorCountdown;
    }
}

void ActionExecution::switchProgram(const ControlEntry& entry) {
    modifier(entry, kVkAlt, kDown);
    modifier(entry, kVkTab, kDown);
    modifier(entry, kVkAlt, kUp);
    modifier(entry, kVkTab, kUp);
}

void ActionExecution::repeatHeldKey() {
    EngineState& state = context_.state;
    const ControlEntry* entry =
        dueKeyRepeat(state.keyRepeat, context_.platform.tickCountMs(), state.keyRepeatTiming);
    // The repeat goes out as the first key-down did, its own modifiers
    // around it; the held-input tracker still has one key to let go. Not
    // with the entry's delay: a long one would hold up every other control
    // at each repeat, and the system's rate paces the repeats anyway.
    if (entry != nullptr) keyDown(*entry, boundedText(entry->keyText).size() - 1, 0);
}

void ActionExecution::keyDown(const ControlEntry& entry, size_t index, int32_t delayMs) {
    SyntheticInput& input = context_.input;
    const uint16_t word = entry.keyCodes[index];
    const uint16_t scan = entry.scanCodes[index];
    if ((word & KeyWord::kShift) != 0) modifier(delayMs, kVkShift, kDown);
    if ((word & KeyWord::kAlt) != 0) modifier(delayMs, kVkAlt, kDown);
    if ((word & KeyWord::kCtrl) != 0) modifier(delayMs, kVkCtrl, kDown);
    input.sendKeyEvent(delayMs, word, scan, kDown);
    if (entry.autoRelease != 0) input.sendKeyEvent(delayMs, word, scan, kUp);
    if ((word & KeyWord::kShift) != 0) modifier(delayMs, kVkShift, kUp);
    if ((word & KeyWord::kAlt) != 0) modifier(delayMs, kVkAlt, kUp);
    if ((word & KeyWord::kCtrl) != 0) modifier(delayMs, kVkCtrl, kUp);
}

void ActionExecution::keySequenceDown(const ControlEntry& entry) {
    const size_t count = boundedText(entry.keyText).size();
    for (size_t i = 0; i < count; ++i) keyDown(entry, i, entry.delayMs);
}

void ActionExecution::keySequenceUp(const ControlEntry& entry) {
    const size_t count = boundedText(entry.keyText).size();
    for (size_t i = 0; i < count; ++i) {
        context_.input.sendKeyEvent(entry.delayMs, entry.keyCodes[i], entry.scanCodes[i], kUp);
    }
}

void ActionExecution::mouseAction(int block, const ControlEntry& entry, ActionMode mode) {
    if (entry.mouseActionCode == kNextConfiguration ||
        entry.mouseActionCode == kPreviousConfiguration) {
        if (isPress(mode)) {
            context_.windows.askForConfigurationStep(
                entry.mouseActionCode == kNextConfiguration ? 1 : -1);
        }
        return;
    }
    EngineState& state = context_.state;
    state.currentXStep = entry.xStep;
    state.currentYStep = entry.yStep;
    const int index = entry.controlIndex;
    if (entry.dynamicStep != 0 && index >= EntryIndex::kFirstAxis &&
        index <= EntryIndex::kLastAxis && block >= 0 && block < kDeviceSlots) {
        const int axis = ((index - EntryIndex::kFirstAxis) % EntryIndex::kAxisDirections) / 2;
        const int64_t value = context_.devices.states[block].axes[axis];
        const int64_t magnitude = value < 0 ? -value : value;
        // Only a press moves on: the release that a latched move also
        // moves by takes one plain pass's steps and leaves the hold alone.
        const MoveSteps steps = isPress(mode)
                                    ? dynamicMoveSteps(state.dynamicMoves, block, entry, magnitude,
                                                       context_.platform.tickCountMs())
                                    : nominalMoveSteps(entry, magnitude);
        state.currentXStep = steps.x;
        state.currentYStep = steps.y;
    }
    context_.input.performMouseAction(block, entry, mode, entry.delayMs);
    if (entry.autoRelease != 0 && isPress(mode)) {
        context_.input.performMouseAction(block, entry, ActionMode::kRelease, entry.delayMs);
    }
}

}  // namespace tarvik
