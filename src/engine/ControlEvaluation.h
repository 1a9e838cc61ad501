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
};

// Polls slot `block`, compares it with the block's remembered state and
// presses or releases the entries of the controls that changed.
void evaluateBlock(EvaluationContext& context, int block);

}  // namespace tarvik
