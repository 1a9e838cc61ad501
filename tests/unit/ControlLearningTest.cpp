#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/ControlLearning.h"
#include "config/ShiftButton.h"
#include "fakes/ConfigFixtures.h"
#include "fakes/RecordingDeviceSource.h"
#include "ui/config/ControlIds.h"

namespace tarvik {
namespace {

using Log = std::vector<std::string>;

class LoggingView : public LearningView {
  public:
    Log log;
    // Written as the window's radio ids, which the window maps them to.
    void setControlCheck(int control, bool checked) override {
        radio(ControlId::controlRadio(control), checked);
    }
    void setHatCheck(int hat, bool checked) override { radio(ControlId::povRadio(hat), checked); }
    void radio(int id, bool checked) {
        log.push_back((checked ? "check " : "uncheck ") + std::to_string(id));
    }
    void redisplayPage() override { log.push_back("redisplay"); }
};

constexpr uint32_t kAllCapabilities = 0x7FF;
constexpr uint32_t kMouseCapabilities =
    CapabilityFlags::kX | CapabilityFlags::kY | CapabilityFlags::kZ;

class Learning : public ::testing::Test, protected testing::RecordAndOneJoystick {
  protected:
    testing::RecordingDeviceSource source{"joystick ", "mouse"};
    LoggingView view;
    SelectionState selection;
    LearningContext context{*config, *devices, source, selection, view};

    void SetUp() override {
        config->header.shiftDevice = 5;  // out of the way
        config->header.shiftButton = 0;
        for (LayerBlock& b : config->blocks) b.learnMask = 7;
        for (uint32_t& caps : devices->capabilityFlags) caps = kAllCapabilities;
        devices->capabilityFlags[devices->mouseSlot()] = kMouseCapabilities;
    }
    DeviceState& state(int slot = 0) { return devices->states[slot]; }
    int detect(int block = 0) {
        detectControl(context, block);
        return selection.currentControl;
    }
};

TEST_F(Learning, PollsTheBlocksSlotThenTheMouseAndIgnoresBlocksOutsideTheTable) {
    detect(1);
    EXPECT_EQ(source.log, (Log{"joystick 1", "mouse"}));
    source.log.clear();
    selection.currentControl = 5;
    state(0).buttons[0] = 0x80;
    detect(14);
    detect(-1);
    EXPECT_EQ(source.log, Log{});
    EXPECT_EQ(selection.currentControl, 5);
}

TEST_F(Learning, LearnMaskChoosesWhatIsWatched) {
    state().buttons[2] = 0x80;
    state().axes[0] = 900;
    state().pov[0] = 9000;
    selection.currentControl = 7;
    config->blocks[0].learnMask = 0;
    EXPECT_EQ(detect(), 7);  // nothing actuated counts, the old control stays
    EXPECT_EQ(selection.currentEntry, 7);
    EXPECT_EQ(view.log, Log{});

    config->blocks[0].learnMask = LearnMask::kButtons;
    EXPECT_EQ(detect(), 3);
    config->blocks[0].learnMask = LearnMask::kAxes;
    EXPECT_EQ(detect(), 33);
    config->blocks[0].learnMask = LearnMask::kPovs;
    EXPECT_EQ(detect(), 83);
}

TEST_F(Learning, FirstPressedButtonWinsAndOnlyBit7Counts) {
    config->blocks[0].learnMask = LearnMask::kButtons;
    state().buttons[4] = 0x80;
    state().buttons[2] = 0x80;
    state().buttons[0] = 0x7F;
    EXPECT_EQ(detect(), 3);
    state().buttons[2] = 0;
    state().buttons[4] = 0;
    state().buttons[31] = 0x80;
    state().buttons[32] = 0x80;  // beyond the 32 learnable buttons
    EXPECT_EQ(detect(), 32);
    EXPECT_EQ(selection.currentEntry, 32);
    state().buttons[31] = 0;
    EXPECT_EQ(detect(), 32);  // released: the control is kept
}

TEST_F(Learning, AxisThresholdIsStrictAndLaterAxesOverrideButtons) {
    config->blocks[0].learnMask = LearnMask::kButtons | LearnMask::kAxes;
    state().axes[0] = 400;
    EXPECT_EQ(detect(), 0);
    state().axes[0] = -400;
    EXPECT_EQ(detect(), 0);
    state().axes[0] = 401;
    EXPECT_EQ(detect(), 33);
    state().axes[0] = -401;
    EXPECT_EQ(detect(), 34);

    state().axes[0] = 500;
    state().buttons[1] = 0x80;
    EXPECT_EQ(detect(), 33);  // the axis beats the button
    state().axes[7] = -1000;  // slider 1 negative
    EXPECT_EQ(detect(), 48);
    state().axes[0] = 0;
    state().axes[7] = 0;
    EXPECT_EQ(detect(), 2);
}

TEST_F(Learning, AxesWithoutTheirCapabilityAreIgnored) {
    devices->capabilityFlags[0] = CapabilityFlags::kX | CapabilityFlags::kRz;
    state().axes[1] = -900;  // Y, absent
    state().axes[6] = 900;   // slider 0, absent
    EXPECT_EQ(detect(), 0);
    state().axes[5] = 900;  // Z-rotation, present
    EXPECT_EQ(detect(), 43);
}

TEST_F(Learning, AxisEntryFollowsTheLevelPage) {
    selection.currentLevel = 1;
    state().axes[1] = -700;
    EXPECT_EQ(detect(), 36);
    EXPECT_EQ(selection.currentEntry, 52);
    selection.currentLevel = 2;
    EXPECT_EQ(detect(), 36);
    EXPECT_EQ(selection.currentEntry, 68);
}

TEST_F(Learning, FirstMovedHatOfTheFirstThreeIsChosenWithItsRadios) {
    selection.currentLevel = 2;  // has no say on hat entries
    state().pov[1] = 9000;
    state().pov[2] = 0;
    EXPECT_EQ(detect(), 83);
    EXPECT_EQ(selection.currentPov, 1);
    EXPECT_EQ(selection.currentEntry, 91);
    EXPECT_EQ(view.log, (Log{"uncheck 1150", "check 1151"}));

    view.log.clear();
    state().pov[1] = kPovCentred;
    state().pov[2] = 31500;  // north-west
    EXPECT_EQ(detect(), 88);
    EXPECT_EQ(selection.currentEntry, 104);
    EXPECT_EQ(view.log, (Log{"uncheck 1151", "check 1152"}));

    view.log.clear();
    state().pov[2] = kPovCentred;
    state().pov[3] = 0;  // the fourth hat cannot be learned
    selection.currentControl = 0;
    EXPECT_EQ(detect(), 0);
    EXPECT_EQ(view.log, Log{});
}

TEST_F(Learning, HatOnASectorBoundChangesTheHatButNotTheControl) {
    selection.currentControl = 5;
    state().pov[2] = 6750;
    EXPECT_EQ(detect(), 5);
    EXPECT_EQ(selection.currentPov, 2);
    EXPECT_EQ(selection.currentEntry, 5);
    state().pov[2] = 6751;
    EXPECT_EQ(detect(), 83);
    state().pov[2] = 33751;
    EXPECT_EQ(detect(), 81);
}

TEST_F(Learning, HatsNeedThePovCapabilityAndAValidAngle) {
    state().pov[0] = 36000;  // centred, as is every value read as negative
    state().pov[1] = 0x80000000u;
    state().pov[2] = 18000;
    devices->capabilityFlags[0] = kAllCapabilities & ~CapabilityFlags::kPov;
    EXPECT_EQ(detect(), 0);
    devices->capabilityFlags[0] = kAllCapabilities;
    EXPECT_EQ(detect(), 85);
    EXPECT_EQ(selection.currentPov, 2);
}

TEST_F(Learning, LeftMouseButtonIsNeverLearnedOtherMouseButtonsAre) {
    const int mouse = devices->mouseSlot();
    state(mouse).buttons[0] = 0x80;
    EXPECT_EQ(detect(mouse), 0);
    state(mouse).buttons[1] = 0x80;
    EXPECT_EQ(detect(mouse), 2);

    // Learning on a joystick block still keeps the left button out.
    state(mouse).buttons[0] = 0x80;
    detect(0);
    EXPECT_EQ(state(mouse).buttons[0], 0);
}

TEST_F(Learning, MouseOutsideTheTableIsNotWritten) {
    devices = testing::makeDeviceTable(7);  // the mouse would be slot 14
    LearningContext seven{*config, *devices, source, selection, view};
    devices->capabilityFlags[12] = 0xFFFFFFFF;  // where a row 14 would lie
    detectControl(seven, 0);
    EXPECT_EQ(devices->capabilityFlags[12], 0xFFFFFFFFu);
}

TEST_F(Learning, ShiftButtonIsNeverLearnedOnTheShiftDevice) {
    config->header.shiftDevice = 0;
    config->header.shiftButton = 4;
    state(1).buttons[4] = 0x80;  // the shifted block of the same device
    EXPECT_EQ(detect(1), 0);
    state(1).buttons[6] = 0x80;
    EXPECT_EQ(detect(1), 7);

    state(2).buttons[4] = 0x80;  // another device's button 5 is learnable
    EXPECT_EQ(detect(2), 5);

    config->header.shiftButton = kShiftButtonOff;
    state(0).buttons[32] = 0x80;
    detect(0);
    EXPECT_EQ(state(0).buttons[32], 0x80);  // "off" clears nothing
}

class Follow : public Learning {
  protected:
    void SetUp() override {
        Learning::SetUp();
        selection.currentBlock = 0;
        selection.currentControl = 3;
        state().buttons[4] = 0x80;
    }
};

TEST_F(Follow, RunsOnlyOnAnOpenDevicePageThatLearns) {
    EXPECT_FALSE(followStep(context, false));
    selection.currentBlock = kCommonPage;
    EXPECT_FALSE(followStep(context, true));
    selection.currentBlock = 0;
    config->blocks[0].learnMask = 0;
    EXPECT_FALSE(followStep(context, true));
    EXPECT_EQ(source.log, Log{});
    EXPECT_EQ(selection.currentControl, 3);
}

TEST_F(Follow, AChangedControlMovesItsRadioAndRedisplays) {
    EXPECT_TRUE(followStep(context, true));
    EXPECT_EQ(selection.currentControl, 5);
    EXPECT_EQ(selection.currentEntry, 5);
    EXPECT_EQ(view.log, (Log{"uncheck 1053", "check 1055", "redisplay"}));

    view.log.clear();
    EXPECT_FALSE(followStep(context, true));  // same control again
    EXPECT_EQ(view.log, Log{});
}

}  // namespace
}  // namespace tarvik
