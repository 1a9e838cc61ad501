#include "ui/config/UpDownSteps.h"

#include <algorithm>
#include <cstdint>

#include "config/Thresholds.h"
#include "ui/config/ControlIds.h"

namespace tarvik {

namespace {

// Steps are done in wide arithmetic and then bounded, so a value a file
// left outside the range comes back into it instead of wrapping.
uint8_t steppedStep(int value, int step) {
    return static_cast<uint8_t>(std::clamp(value + step, 1, 99));
}

int32_t steppedDelay(int32_t value, int step) {
    const int64_t next = int64_t{value} + step;
    return static_cast<int32_t>(std::clamp<int64_t>(next, 0, INT32_MAX));
}

void stepSensitivity(LayerBlock& block, int entryIndex, int step) {
    ControlEntry& entry = block.entries[entryIndex];
    // Byte arithmetic on purpose: stepping down from 0 wraps to 255, which
    // the bound turns into 99.
    uint8_t s = static_cast<uint8_t>(entry.sensitivity + step);
    if (s > 99) s = 99;
    entry.sensitivity = s;
    // Keep the block's cell of this direction and level in step with the
    // entry, so the engine's threshold follows the edit on every level.
    if (entryIndex >= EntryIndex::kFirstAxis && entryIndex <= EntryIndex::kLastAxis) {
        const int direction = (entryIndex - EntryIndex::kFirstAxis) % 16;
        const int level = (entryIndex - EntryIndex::kFirstAxis) / 16;
        block.directionPercent[direction][level] = s;
        block.axisThresholds[direction][level] = static_cast<uint16_t>(s * 10);
    }
}

}  // namespace

FollowUp stepUpDown(Configuration& config, const SelectionState& selection, int id, int delta) {
    LayerBlock* block = currentBlockOf(config, selection);
    if (!block) return {};
    const int step = delta < 0 ? 1 : -1;
    ControlEntry* entry = currentEntryOf(config, selection);

    switch (id) {
        case ControlId::kDelayUpDown:
            if (!entry) return {};
            entry->delayMs = steppedDelay(entry->delayMs, step);
            break;
        case ControlId::kXStepUpDown:
            if (!entry) return {};
            entry->xStep = steppedStep(entry->xStep, step);
            break;
        case ControlId::kYStepUpDown:
            if (!entry) return {};
            entry->yStep = steppedStep(entry->yStep, step);
            break;
        case ControlId::kSensitivityUpDown:
            if (!entry) return {};
            stepSensitivity(*block, selection.currentEntry, step);
            break;
        case ControlId::kBlockDelayUpDown:
            block->blockDelayMs = steppedDelay(block->blockDelayMs, step);
            for (ControlEntry& e : block->entries) e.delayMs = block->blockDelayMs;
            break;
        case ControlId::kBlockXStepUpDown:
            block->blockXStep = steppedStep(block->blockXStep, step);
            for (ControlEntry& e : block->entries)
                e.xStep = static_cast<uint8_t>(block->blockXStep);
            break;
        case ControlId::kBlockYStepUpDown:
            block->blockYStep = steppedStep(block->blockYStep, step);
            for (ControlEntry& e : block->entries)
                e.yStep = static_cast<uint8_t>(block->blockYStep);
            break;
        case ControlId::kLevel1UpDown:
        case ControlId::kLevel2UpDown:
        case ControlId::kLevel3UpDown: {
            uint8_t& level = block->levelPercent[id - ControlId::kLevel1UpDown];
            level = static_cast<uint8_t>(level + step);
            applySensitivityLevels(config, selection.currentBlock);
            break;
        }
        default:
            return {};
    }
    return FollowUp::paint();
}

}  // namespace tarvik
