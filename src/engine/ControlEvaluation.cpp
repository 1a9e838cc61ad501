#include "engine/ControlEvaluation.h"

#include <cstring>

#include "engine/HatSector.h"
#include "config/ShiftButton.h"

namespace tarvik {

namespace {

// A loaded file can hold any byte in the block memory; only real entry
// indices may address an entry, anything else counts as nothing held.
constexpr bool heldEntry(uint32_t value) {
    return value != 0 && value < kEntriesPerBlock;
}

// What a block remembers between passes, so that a look that must not
// act can evaluate a copy.
struct BlockMemory {
    uint8_t previousButtons[32];
    uint8_t activeAxisEntries[kDirections][kThresholdColumns];
    uint32_t activePovEntries[kPovCount];
};

// Counts what an evaluation would do, doing nothing.
class CountingExecutor final : public ActionExecutor {
  public:
    int actions = 0;
    void executeAction(int, ControlEntry&, ActionMode) override { ++actions; }
    void repeatHeldKey() override {}
};

class BlockEvaluator {
  public:
    BlockEvaluator(EvaluationContext& context, int blockIndex)
        : BlockEvaluator(context, blockIndex, context.executor,
                         context.config.blocks[blockIndex].previousButtons,
                         context.config.blocks[blockIndex].activeAxisEntries,
                         context.config.blocks[blockIndex].activePovEntries) {}
    // The same evaluation on a copy of the block's memory.
    BlockEvaluator(EvaluationContext& context, int blockIndex, ActionExecutor& executor,
                   BlockMemory& memory)
        : BlockEvaluator(context, blockIndex, executor, memory.previousButtons,
                         memory.activeAxisEntries, memory.activePovEntries) {}

    void buttons() {
        for (int i = 0; i < 32; ++i) {
            const uint8_t now = state_.buttons[i];
            const uint8_t before = previousButtons_[i];
            const int entry = EntryIndex::button(i);
            if ((now & kButtonPressed) != 0) {
                if ((before & kButtonPressed) == 0 || repeats(block_.entries[entry])) {
                    press(entry);
                }
            } else if ((before & kButtonPressed) != 0) {
                release(entry);
            }
            previousButtons_[i] = now;
        }
    }

    void axes() {
        const int firstLevel = block_.singleSensitivity != 0 ? 2 : 0;
        for (int level = firstLevel; level <= 2; ++level) {
            for (int d = 0; d < kDirections; ++d) axisDirection(level, d);
        }
    }

    void hats() {
        for (int p = 0; p < kPovCount; ++p) {
            uint32_t& active = activePovEntries_[p];
            const int sector = evaluationSector(state_.pov[p]);
            if (sector == kNoSector) {
                if (heldEntry(active)) release(static_cast<int>(active));
                active = 0;
                continue;
            }
            const uint32_t entry = static_cast<uint32_t>(EntryIndex::pov(p, sector));
            if (heldEntry(active) && active != entry) release(static_cast<int>(active));
            if (repeats(block_.entries[entry]) || active != entry) {
                press(static_cast<int>(entry));
                active = entry;
            }
        }
    }

  private:
    BlockEvaluator(EvaluationContext& context, int blockIndex, ActionExecutor& executor,
                   uint8_t (&previousButtons)[32],
                   uint8_t (&activeAxisEntries)[kDirections][kThresholdColumns],
                   uint32_t (&activePovEntries)[kPovCount])
        : executor_(executor),
          block_(context.config.blocks[blockIndex]),
          state_(context.devices.states[blockIndex]),
          blockIndex_(blockIndex),
          edgesOnly_(context.edgesOnly),
          previousButtons_(previousButtons),
          activeAxisEntries_(activeAxisEntries),
          activePovEntries_(activePovEntries) {}

    // A repeat is a press of a control that was already held; a pass that
    // keeps to the edges leaves it to the regular passes, whose rate it keeps.
    bool repeats(const ControlEntry& entry) const { return entry.autoRepeat != 0 && !edgesOnly_; }

    void axisDirection(int level, int d) {
        const int32_t raw = state_.axes[d / 2];
        const int64_t v = (d % 2 == 0) ? int64_t{raw} : -int64_t{raw};
        const int64_t lo = block_.axisThresholds[d][level];
        const int64_t hi = block_.axisThresholds[d][level + 1];
        uint8_t* held = activeAxisEntries_[d];
        if (v < lo || v > hi) {
            releaseHeld(held[level]);
            return;
        }
        // Entering a level lets go of whatever its neighbours hold.
        releaseHeld(held[level + 1]);
        if (level >= 1) releaseHeld(held[level - 1]);

        const int entry = EntryIndex::axis(level, d);
        const ControlEntry& e = block_.entries[entry];
        if (e.autoRepeat == 0) {
            if (!heldEntry(held[level])) {
                press(entry);
                if (e.autoRelease != 0) release(entry);
                held[level] = static_cast<uint8_t>(entry);
            }
        } else if (!edgesOnly_) {
            releaseHeld(held[level]);
            press(entry);
            if (e.autoRelease == 0) {
                held[level] = static_cast<uint8_t>(entry);
            } else {
                release(entry);
            }
        } else if (e.autoRelease == 0 && !heldEntry(held[level])) {
            // Entering the level is the edge; its repeats wait for the
            // regular passes. One that lets go at once leaves nothing held
            // to tell entering from staying, so it waits for them too.
            press(entry);
            held[level] = static_cast<uint8_t>(entry);
        }
    }

    void releaseHeld(uint8_t& held) {
        if (heldEntry(held)) release(held);
        held = 0;
    }

    void press(int entry) {
        executor_.executeAction(blockIndex_, block_.entries[entry], ActionMode::kPress);
    }
    void release(int entry) {
        executor_.executeAction(blockIndex_, block_.entries[entry], ActionMode::kRelease);
    }

    ActionExecutor& executor_;
    LayerBlock& block_;
    DeviceState& state_;
    int blockIndex_;
    bool edgesOnly_;
    uint8_t (&previousButtons_)[32];
    uint8_t (&activeAxisEntries_)[kDirections][kThresholdColumns];
    uint32_t (&activePovEntries_)[kPovCount];
};

}  // namespace

namespace {

void pollWithoutShiftButton(EvaluationContext& context, int block) {
    context.source.pollJoystick(block);
    const ConfigHeader& header = context.config.header;
    // The shift button never fires an entry of its own device.
    if (shiftButtonActive(header) && static_cast<uint32_t>(block / 2) == header.shiftDevice) {
        context.devices.states[block].buttons[header.shiftButton] = 0;
    }
}

}  // namespace

void takeButtonsAsRemembered(EvaluationContext& context, int block) {
    if (block < 0 || block >= kBlockCount) return;
    pollWithoutShiftButton(context, block);
    LayerBlock& memory = context.config.blocks[block];
    for (int i = 0; i < 32; ++i)
        memory.previousButtons[i] = context.devices.states[block].buttons[i];
}

void takeHeldControlsAsRemembered(Configuration& config, const DeviceTable& devices) {
    const int blocks = kBlockCount < kDeviceSlots ? kBlockCount : kDeviceSlots;
    for (int b = 0; b < blocks; ++b) {
        LayerBlock& block = config.blocks[b];
        const DeviceState& state = devices.states[b];
        for (int i = 0; i < 32; ++i) block.previousButtons[i] = state.buttons[i];
        for (int p = 0; p < kPovCount; ++p) {
            const int sector = evaluationSector(state.pov[p]);
            block.activePovEntries[p] =
                sector == kNoSector ? 0 : static_cast<uint32_t>(EntryIndex::pov(p, sector));
        }
        // As the evaluation holds them: one level per direction, none for
        // entries that press on every pass anyway.
        const int firstLevel = block.singleSensitivity != 0 ? 2 : 0;
        for (int d = 0; d < kDirections; ++d) {
            const int32_t raw = state.axes[d / 2];
            const int64_t v = (d % 2 == 0) ? int64_t{raw} : -int64_t{raw};
            uint8_t* held = block.activeAxisEntries[d];
            for (int level = firstLevel; level <= 2; ++level) {
                const bool inside =
                    v >= block.axisThresholds[d][level] && v <= block.axisThresholds[d][level + 1];
                if (!inside) {
                    held[level] = 0;
                    continue;
                }
                held[level + 1] = 0;
                if (level >= 1) held[level - 1] = 0;
                const int entry = EntryIndex::axis(level, d);
                held[level] =
                    block.entries[entry].autoRepeat == 0 ? static_cast<uint8_t>(entry) : 0;
            }
        }
    }
}

void evaluateBlock(EvaluationContext& context, int block) {
    if (block < 0 || block >= kBlockCount) return;
    pollWithoutShiftButton(context, block);

    BlockEvaluator evaluator(context, block);
    evaluator.buttons();
    evaluator.axes();
    evaluator.hats();
}

bool pollFindsEdge(EvaluationContext& context, int block) {
    if (block < 0 || block >= kBlockCount) return false;
    pollWithoutShiftButton(context, block);
    const LayerBlock& remembered = context.config.blocks[block];
    BlockMemory memory;
    std::memcpy(memory.previousButtons, remembered.previousButtons, sizeof memory.previousButtons);
    std::memcpy(memory.activeAxisEntries, remembered.activeAxisEntries,
                sizeof memory.activeAxisEntries);
    std::memcpy(memory.activePovEntries, remembered.activePovEntries,
                sizeof memory.activePovEntries);
    CountingExecutor counting;
    EvaluationContext edges{context.config, context.devices, context.source, counting, true};
    BlockEvaluator evaluator(edges, block, counting, memory);
    evaluator.buttons();
    evaluator.axes();
    evaluator.hats();
    return counting.actions > 0;
}

}  // namespace tarvik
