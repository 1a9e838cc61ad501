#pragma once
#include "config/Configuration.h"
#include "engine/ActionExecutor.h"
#include "input/DeviceState.h"

namespace tarvik {

struct EvaluationContext {
    Configuration& config;
    DeviceTable& devices;
    DeviceSource& source;
    ActionExecutor& executor;
    // Only what reacts to an edge: presses and releases, entering and
    // leaving a level or a hat sector; no repeat of a held control.
    bool edgesOnly = false;
};

// Polls slot `block`, compares it with the block's remembered state and
// presses or releases the entries of the controls that changed.
void evaluateBlock(EvaluationContext& context, int block);

// Polls slot `block` as the evaluation does and tells whether evaluating
// it now with `edgesOnly` would press or release anything, acting on
// nothing and changing no memory of the block.
bool pollFindsEdge(EvaluationContext& context, int block);

// Polls slot `block` and makes the block remember its buttons as they are
// now, pressing and releasing nothing: a button already held fires nothing
// when the block is next evaluated.
void takeButtonsAsRemembered(EvaluationContext& context, int block);

// After a switch a control asked for, while the mapping stands still: every
// block of the new record takes its buttons, hats and axes as they were last
// polled, as if it had pressed what is held, so that the control that asked
// (and every other held one) acts from its next press. Nothing is pressed.
void takeHeldControlsAsRemembered(Configuration& config, const DeviceTable& devices);

}  // namespace tarvik
