#include "ui/config/BlockCommands.h"

#include <cstring>

#include "ui/config/ControlIds.h"

namespace tarvik {

namespace {

struct BlockFlag {
    uint8_t LayerBlock::*block;
    uint8_t ControlEntry::*entry;  // nullptr: the block flag only
};

bool blockFlagForCommand(int id, BlockFlag& flag) {
    switch (id) {
        case ControlId::kBlockToggleLock:
            flag = {&LayerBlock::blockToggleLock, &ControlEntry::toggleLock};
            return true;
        case ControlId::kBlockAutoRepeat:
            flag = {&LayerBlock::blockAutoRepeat, &ControlEntry::autoRepeat};
            return true;
        case ControlId::kBlockAutoRelease:
            flag = {&LayerBlock::blockAutoRelease, &ControlEntry::autoRelease};
            return true;
        case ControlId::kSingleSensitivity:
            flag = {&LayerBlock::singleSensitivity, nullptr};
            return true;
        default:
            return false;
    }
}

}  // namespace

FollowUp toggleBlockFlag(Configuration& config, const SelectionState& selection, int id) {
    LayerBlock* block = currentBlockOf(config, selection);
    BlockFlag flag{};
    if (!block || !blockFlagForCommand(id, flag)) return {};
    block->*flag.block ^= 1;
    if (flag.entry) {
        for (ControlEntry& e : block->entries) e.*flag.entry = block->*flag.block;
    }
    return FollowUp::paint();
}

FollowUp stepLearnMask(Configuration& config, const SelectionState& selection) {
    LayerBlock* block = currentBlockOf(config, selection);
    if (!block) return {};
    block->learnMask = (block->learnMask + 1) % 8;
    return FollowUp::paint();
}

bool copyCurrentBlock(Configuration& config, const SelectionState& selection, int targetBlock) {
    LayerBlock* source = currentBlockOf(config, selection);
    if (!source || targetBlock < 0 || targetBlock >= kBlockCount) return false;
    LayerBlock& target = config.blocks[targetBlock];
    if (&target != source) std::memcpy(&target, source, sizeof(LayerBlock));
    return true;
}

}  // namespace tarvik
