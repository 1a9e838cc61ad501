#include "engine/ControlLearning.h"

#include "engine/HatSector.h"
#include "config/ShiftButton.h"

namespace tarvik {

namespace {

constexpr bool validSlot(int slot) {
    return slot >= 0 && slot < kDeviceSlots;
}

// The left mouse button is how the user clicks in the window itself, and the
// shift button only selects a layer: neither may ever be learned.
void hideUnlearnableButtons(const ConfigHeader& header, DeviceTable& devices, int block) {
    const int mouse = devices.mouseSlot();
    if (validSlot(mouse)) devices.states[mouse].buttons[0] = 0;
    if (shiftButtonActive(header) && static_cast<uint32_t>(block / 2) == header.shiftDevice) {
        devices.states[block].buttons[header.shiftButton] = 0;
    }
}

void learnButtons(const DeviceState& state, int& control) {
    for (int i = 0; i < EntryIndex::kButtons; ++i) {
        if ((state.buttons[i] & kButtonPressed) != 0) {
            control = i + 1;
            return;
        }
    }
}

void learnAxes(const DeviceState& state, uint32_t capabilities, int& control) {
    for (int a = 0; a < kAxisCount; ++a) {
        if ((capabilities & CapabilityFlags::forAxis(a)) == 0) continue;
        if (state.axes[a] > kLearnAxisThreshold) control = EntryIndex::kFirstAxis + 2 * a;
        if (state.axes[a] < -kLearnAxisThreshold) control = EntryIndex::kFirstAxis + 1 + 2 * a;
    }
}

void learnHats(const DeviceState& state, SelectionState& selection, LearningView& view) {
    for (int p = 0; p < kLearnableHats; ++p) {
        const int32_t angle = static_cast<int32_t>(state.pov[p]);
        if (angle < 0 || angle >= static_cast<int32_t>(kPovCentredFrom)) continue;
        // On a sector bound the hat is still taken, only the direction is not.
        const int sector = learningSector(angle);
        if (sector != kNoSector) selection.currentControl = EntryIndex::kFirstPov + sector;
        view.setHatCheck(selection.currentPov, false);
        selection.currentPov = p;
        view.setHatCheck(p, true);
        return;
    }
}

}  // namespace

void detectControl(LearningContext& context, int block) {
    if (!validSlot(block)) return;
    context.source.pollJoystick(block);
    context.source.pollMouse();
    hideUnlearnableButtons(context.config.header, context.devices, block);

    const DeviceState& state = context.devices.states[block];
    const uint32_t capabilities = context.devices.capabilityFlags[block];
    const uint32_t mask = context.config.blocks[block].learnMask;
    SelectionState& selection = context.selection;

    if ((mask & LearnMask::kButtons) != 0) learnButtons(state, selection.currentControl);
    if ((mask & LearnMask::kAxes) != 0) learnAxes(state, capabilities, selection.currentControl);
    if ((mask & LearnMask::kPovs) != 0 && (capabilities & CapabilityFlags::kPov) != 0) {
        learnHats(state, selection, context.view);
    }
    deriveCurrentEntry(selection);
}

bool followStep(LearningContext& context, bool configWindowOpen) {
    SelectionState& selection = context.selection;
    const int block = selection.currentBlock;
    if (!configWindowOpen || !validSlot(block)) return false;  // also the common page
    if (context.config.blocks[block].learnMask == 0) return false;

    const int before = selection.currentControl;
    detectControl(context, block);
    if (selection.currentControl == before) return false;
    context.view.setControlCheck(before, false);
    context.view.setControlCheck(selection.currentControl, true);
    context.view.redisplayPage();
    return true;
}

}  // namespace tarvik
