#include "config/Thresholds.h"

namespace tarvik {

namespace {
uint16_t thresholdFor(uint8_t percent) {
    return static_cast<uint16_t>(int32_t{percent} * 1000 / 100);
}
}  // namespace

void recomputeThresholds(Configuration& config) {
    for (LayerBlock& block : config.blocks) {
        for (int k = 0; k < kDirections; ++k) {
            for (int j = 0; j < 3; ++j) {
                block.axisThresholds[k][j] = thresholdFor(block.directionPercent[k][j]);
            }
            block.axisThresholds[k][3] = 0xFFFF;
        }
    }
}

void applySensitivityLevels(Configuration& config, int blockIndex) {
    if (blockIndex < 0 || blockIndex >= kBlockCount) return;
    LayerBlock& block = config.blocks[blockIndex];
    // Byte arithmetic on purpose: a level lowered below zero wraps to 255
    // and the ordering steps then pull it back below its neighbour.
    uint8_t l1 = block.levelPercent[0];
    uint8_t l2 = block.levelPercent[1];
    uint8_t l3 = block.levelPercent[2];
    if (l2 < l1) l1 = static_cast<uint8_t>(l2 - 10);
    if (l3 < l1) l1 = static_cast<uint8_t>(l3 - 10);
    if (l3 < l2) l2 = static_cast<uint8_t>(l3 - 10);
    if (l1 > 99) l1 = 99;
    if (l2 > 99) l2 = 99;
    if (l3 > 99) l3 = 99;
    block.levelPercent[0] = l1;
    block.levelPercent[1] = l2;
    block.levelPercent[2] = l3;
    const uint8_t levels[3] = {l1, l2, l3};
    for (int j = 0; j < 3; ++j) {
        for (int k = 0; k < kDirections; ++k) {
            block.entries[EntryIndex::axis(j, k)].sensitivity = levels[j];
        }
    }
    for (int j = 0; j < 3; ++j) {
        for (int k = 0; k < kDirections; ++k) {
            uint8_t percent = block.entries[EntryIndex::axis(j, k)].sensitivity;
            block.directionPercent[k][j] = percent;
            block.axisThresholds[k][j] = thresholdFor(percent);
        }
    }
}

}  // namespace tarvik
