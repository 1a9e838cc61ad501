#pragma once
#include "config/Configuration.h"

namespace tarvik {

// Rebuilds axisThresholds of all blocks from directionPercent.
void recomputeThresholds(Configuration& config);

// Orders and clamps the three level percentages of one block, copies them
// into the block's axis entries and rebuilds its derived tables.
void applySensitivityLevels(Configuration& config, int block);

}  // namespace tarvik
