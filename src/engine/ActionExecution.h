#pragma once
// Carries out one control entry on press or release: modifiers, program
// start, the engine's two windows, ALT+TAB, key sequences and the mouse
// action, always in that order.

#include <cstddef>

#include "config/FunctionKeyTable.h"
#include "engine/ActionExecutor.h"
#include "engine/EngineState.h"
#include "engine/EngineWindows.h"
#include "engine/KeyRepeat.h"
#include "engine/SyntheticInput.h"
#include "input/DeviceState.h"
#include "platform/Platform.h"

namespace tarvik {

struct ActionContext {
    SyntheticInput& input;
    EngineState& state;
    FunctionKeyTable& functionKeys;
    const DeviceTable& devices;
    Platform& platform;
    EngineWindows& windows;
};

class ActionExecution final : public ActionExecutor {
  public:
    explicit ActionExecution(ActionContext context) : context_(context) {}

    void executeAction(int block, ControlEntry& entry, ActionMode mode) override;
    void repeatHeldKey() override;

  private:
    void modifier(const ControlEntry& entry, uint8_t virtualKey, uint32_t flags);
    void modifier(int32_t delayMs, uint8_t virtualKey, uint32_t flags);
    void heldModifiers(const ControlEntry& entry, uint32_t flags);
    void startProgram(const ControlEntry& entry);
    void openStringInput(int block);
    void stepFunctionKeySelector();
    void switchProgram(const ControlEntry& entry);
    void keyDown(const ControlEntry& entry, size_t index, int32_t delayMs);
    void keySequenceDown(const ControlEntry& entry);
    void keySequenceUp(const ControlEntry& entry);
    void mouseAction(int block, const ControlEntry& entry, ActionMode mode);

    ActionContext context_;
};

}  // namespace tarvik
