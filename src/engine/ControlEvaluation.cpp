#include "engine/ControlEvaluation.h"

#include "engine/HatSector.h"
#include "config/ShiftButton.h"

namespace tarvik {

namespace {

// A loaded file can hold any byte in the block memory; only real entry
// indices may address an entry, anything else counts as nothing held.
constexpr bool heldEntry(uint32_t value) {
    return value != 0 && value < kEntriesPerBlock;
}

class BlockEvaluator {
  public:
    BlockEvaluator(EvaluationContext& context, int blockIndex)
        : executor_(context.executor),
          block_(context.config.blocks[blockIndex]),
          state_(context.devices.states[blockIndex]),
          blockIndex_(blockIndex) {}

    void buttons() {
        for (int i = 0; i < 32; ++i) {
            const uint8_t now = state_.buttons[i];
            const uint8_t before = block_.previousButtons[i];
            const int entry = EntryIndex::button(i);
            if ((now & kButtonPressed) != 0) {
                if ((before & kButtonPressed) == 0 || block_.entries[entry].autoRepeat != 0) {
                    press(entry);
                }
            } else if ((before & kButtonPressed) != 0) {
                release(entry);
            }
            block_.previousButtons[i] = now;
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
            uint32_t& active = block_.activePovEntries[p];
            const int sector = evaluationSector(state_.pov[p]);
            if (sector == kNoSector) {
                if (heldEntry(active)) release(static_cast<int>(active));
                active = 0;
                continue;
            }
            const uint32_t entry = static_cast<uint32_t>(EntryIndex::pov(p, sector));
            if (heldEntry(active) && active != entry) release(static_cast<int>(active));
            if (block_.entries[entry].autoRepeat != 0 || active != entry) {
                press(static_cast<int>(entry));
                active = entry;
            }
        }
    }

  private:
    void axisDirection(int level, int d) {
        const int32_t raw = state_.axes[d / 2];
        const int64_t v = (d % 2 == 0) ? int64_t{raw} : -int64_t{raw};
        const int64_t lo = block_.axisThresholds[d][level];
        const int64_t hi = block_.axisThresholds[d][level + 1];
        uint8_t* held = block_.activeAxisEntries[d];
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
        } else {
            releaseHeld(held[level]);
            press(entry);
            if (e.autoRelease == 0) {
                held[level] = static_cast<uint8_t>(entry);
            } else {
                release(entry);
            }
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

}  // namespace tarvik
