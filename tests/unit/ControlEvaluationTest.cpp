#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "engine/ControlEvaluation.h"
#include "engine/HatSector.h"
#include "fakes/ConfigFixtures.h"
#include "fakes/RecordingDeviceSource.h"
#include "fakes/RecordingExecutor.h"

namespace tarvik {
namespace {

using Log = std::vector<std::string>;

class Evaluation : public ::testing::Test, protected testing::RecordAndOneJoystick {
  protected:
    testing::RecordingExecutor executor{*config};
    testing::RecordingDeviceSource source;
    EvaluationContext context{*config, *devices, source, executor};

    void SetUp() override { config->header.shiftDevice = 5; }  // out of the way

    Log pass(int block = 0) {
        evaluateBlock(context, block);
        return executor.take();
    }
    DeviceState& state(int slot = 0) { return devices->states[slot]; }
    LayerBlock& block(int b = 0) { return config->blocks[b]; }
};

TEST_F(Evaluation, ButtonPressesOnceAndReleasesOnce) {
    EXPECT_EQ(pass(), Log{});
    state().buttons[2] = 0x80;
    EXPECT_EQ(pass(), Log{"press 0:3"});
    EXPECT_EQ(pass(), Log{});
    state().buttons[2] = 0;
    EXPECT_EQ(pass(), Log{"release 0:3"});
    EXPECT_EQ(pass(), Log{});
    EXPECT_EQ(source.polls, 5);
}

TEST_F(Evaluation, ButtonsAreScannedInIndexOrderAndOnlyBit7Counts) {
    state().buttons[31] = 0x80;
    state().buttons[0] = 0xFF;
    state().buttons[5] = 0x7F;   // not pressed
    state().buttons[40] = 0x80;  // beyond the 32 evaluated buttons
    EXPECT_EQ(pass(), (Log{"press 0:1", "press 0:32"}));
    EXPECT_EQ(block().previousButtons[5], 0x7F);  // all eight bits remembered
}

TEST_F(Evaluation, AutoRepeatButtonPressesEveryPassAndReleasesOnce) {
    block().entries[7].autoRepeat = 1;
    state().buttons[6] = 0x80;
    for (int i = 0; i < 10; ++i) ASSERT_EQ(pass(), Log{"press 0:7"});
    state().buttons[6] = 0;
    EXPECT_EQ(pass(), Log{"release 0:7"});
    EXPECT_EQ(pass(), Log{});
}

TEST_F(Evaluation, AxisWalksUpAndDownTheLevels) {
    state().axes[0] = 400;
    EXPECT_EQ(pass(), Log{"press 0:33"});
    EXPECT_EQ(pass(), Log{});
    state().axes[0] = 600;
    EXPECT_EQ(pass(), (Log{"release 0:33", "press 0:49"}));
    state().axes[0] = 800;
    EXPECT_EQ(pass(), (Log{"release 0:49", "press 0:65"}));
    state().axes[0] = 600;
    EXPECT_EQ(pass(), (Log{"release 0:65", "press 0:49"}));
    state().axes[0] = 0;
    EXPECT_EQ(pass(), Log{"release 0:49"});
}

TEST_F(Evaluation, FirstBoundIsTheDeadZoneAndIsInclusive) {
    state().axes[1] = 249;
    EXPECT_EQ(pass(), Log{});
    state().axes[1] = 250;
    EXPECT_EQ(pass(), Log{"press 0:35"});
}

TEST_F(Evaluation, NegativeDirectionsCompareTheMagnitudeWithTheirOwnRow) {
    state().axes[1] = -300;
    EXPECT_EQ(pass(), Log{"press 0:36"});
    state().axes[1] = 0;
    EXPECT_EQ(pass(), Log{"release 0:36"});
    // Y negative has its own thresholds: raise them and -300 is dead zone.
    block().axisThresholds[3][0] = 400;
    state().axes[1] = -300;
    EXPECT_EQ(pass(), Log{});
    state().axes[7] = -1000;  // slider 1 negative, level 2
    EXPECT_EQ(pass(), Log{"press 0:80"});
}

TEST_F(Evaluation, ValueOnASharedBoundFlickersBetweenLevelsEachPass) {
    state().axes[0] = 500;
    EXPECT_EQ(pass(), (Log{"press 0:33", "release 0:33", "press 0:49"}));
    EXPECT_EQ(pass(), (Log{"release 0:49", "press 0:33", "release 0:33", "press 0:49"}));
}

TEST_F(Evaluation, SingleSensitivityEvaluatesOnlyTheThirdLevel) {
    block().singleSensitivity = 1;
    state().axes[0] = 600;
    EXPECT_EQ(pass(), Log{});
    state().axes[0] = 800;
    EXPECT_EQ(pass(), Log{"press 0:65"});
    state().axes[0] = 0;
    EXPECT_EQ(pass(), Log{"release 0:65"});
}

TEST_F(Evaluation, AxisAutoRepeatReleasesAndPressesEveryPass) {
    block().entries[33].autoRepeat = 1;
    state().axes[0] = 300;
    EXPECT_EQ(pass(), Log{"press 0:33"});
    EXPECT_EQ(pass(), (Log{"release 0:33", "press 0:33"}));
    state().axes[0] = 0;
    EXPECT_EQ(pass(), Log{"release 0:33"});
}

TEST_F(Evaluation, AxisAutoReleaseReleasesAtOnceButStillCountsAsHeld) {
    block().entries[33].autoRelease = 1;
    state().axes[0] = 300;
    EXPECT_EQ(pass(), (Log{"press 0:33", "release 0:33"}));
    EXPECT_EQ(block().activeAxisEntries[0][0], 33);
    EXPECT_EQ(pass(), Log{});
    state().axes[0] = 0;
    EXPECT_EQ(pass(), Log{"release 0:33"});
}

TEST_F(Evaluation, AxisAutoRepeatWithAutoReleaseHoldsNothing) {
    block().entries[33].autoRepeat = 1;
    block().entries[33].autoRelease = 1;
    state().axes[0] = 300;
    EXPECT_EQ(pass(), (Log{"press 0:33", "release 0:33"}));
    EXPECT_EQ(pass(), (Log{"press 0:33", "release 0:33"}));
    EXPECT_EQ(block().activeAxisEntries[0][0], 0);
    state().axes[0] = 0;
    EXPECT_EQ(pass(), Log{});
}

TEST_F(Evaluation, ExtremeAxisValuesDoNotOverflow) {
    state().axes[2] = INT32_MIN;  // its magnitude lies beyond the open top bound
    EXPECT_EQ(pass(), Log{});
    state().axes[2] = -65535;
    EXPECT_EQ(pass(), Log{"press 0:70"});  // Z negative, level 2
}

TEST_F(Evaluation, HatSectorsAndStraightMoves) {
    state().pov[0] = 0;
    EXPECT_EQ(pass(), Log{"press 0:81"});
    EXPECT_EQ(pass(), Log{});
    state().pov[0] = 9000;  // north straight to east
    EXPECT_EQ(pass(), (Log{"release 0:81", "press 0:83"}));
    state().pov[0] = kPovCentred;
    EXPECT_EQ(pass(), Log{"release 0:83"});
    state().pov[3] = 27000;  // the fourth hat is evaluated too
    EXPECT_EQ(pass(), Log{"press 0:111"});
    state().pov[3] = 36000;  // any value from 36000 up is centred
    EXPECT_EQ(pass(), Log{"release 0:111"});
}

TEST(HatSector, EvaluationBoundsBelongToTheLowerSector) {
    EXPECT_EQ(evaluationSector(0), 0);
    EXPECT_EQ(evaluationSector(2250), 0);
    EXPECT_EQ(evaluationSector(2251), 1);
    EXPECT_EQ(evaluationSector(6750), 1);
    EXPECT_EQ(evaluationSector(6751), 2);
    EXPECT_EQ(evaluationSector(20250), 4);
    EXPECT_EQ(evaluationSector(33749), 7);
    EXPECT_EQ(evaluationSector(33750), 0);
    EXPECT_EQ(evaluationSector(35999), 0);
    EXPECT_EQ(evaluationSector(36000), kNoSector);
    EXPECT_EQ(evaluationSector(0xFFFFFFFF), kNoSector);
}

TEST(HatSector, LearningBoundsAreOpen) {
    EXPECT_EQ(learningSector(0), 0);
    EXPECT_EQ(learningSector(2249), 0);
    EXPECT_EQ(learningSector(2250), kNoSector);
    EXPECT_EQ(learningSector(2251), 1);
    EXPECT_EQ(learningSector(6750), kNoSector);
    EXPECT_EQ(learningSector(9000), 2);
    EXPECT_EQ(learningSector(33749), 7);
    EXPECT_EQ(learningSector(33750), kNoSector);
    EXPECT_EQ(learningSector(33751), 0);
    EXPECT_EQ(learningSector(-1), kNoSector);
    EXPECT_EQ(learningSector(36000), kNoSector);
}

TEST_F(Evaluation, HatAutoRepeatPressesEveryPassAndReleasesOnce) {
    block().entries[89].autoRepeat = 1;  // hat 1 north
    state().pov[1] = 100;
    EXPECT_EQ(pass(), Log{"press 0:89"});
    EXPECT_EQ(pass(), Log{"press 0:89"});
    state().pov[1] = kPovCentred;
    EXPECT_EQ(pass(), Log{"release 0:89"});
}

TEST_F(Evaluation, ControlsHeldThroughASwitchActFromTheirNextPress) {
    state().buttons[2] = 0x80;
    state().axes[0] = 600;
    state().pov[0] = 9000;
    takeHeldControlsAsRemembered(*config, *devices);
    EXPECT_EQ(pass(), Log{});
    state().buttons[2] = 0;
    state().axes[0] = 0;
    state().pov[0] = 0xFFFFFFFF;
    EXPECT_EQ(pass(), (Log{"release 0:3", "release 0:49", "release 0:83"}));
    state().buttons[2] = 0x80;
    EXPECT_EQ(pass(), Log{"press 0:3"});
}

TEST_F(Evaluation, OrderIsButtonsThenAxesThenHats) {
    state().pov[0] = 18000;
    state().axes[0] = -900;
    state().buttons[1] = 0x80;
    EXPECT_EQ(pass(), (Log{"press 0:2", "press 0:66", "press 0:85"}));
}

TEST_F(Evaluation, ShiftButtonNeverFiresOnItsOwnDevice) {
    config->header.shiftDevice = 0;
    config->header.shiftButton = 3;
    state(0).buttons[3] = 0x80;
    state(1).buttons[3] = 0x80;
    EXPECT_EQ(pass(0), Log{});
    EXPECT_EQ(pass(1), Log{});
    EXPECT_EQ(state(0).buttons[3], 0);
    // Another device's button with the same index fires as usual.
    auto two = testing::makeDeviceTable(2);
    EvaluationContext other{*config, *two, source, executor};
    two->states[2].buttons[3] = 0x80;
    evaluateBlock(other, 2);
    EXPECT_EQ(executor.take(), Log{"press 2:4"});
}

TEST_F(Evaluation, ShiftSettingsOutsideTheTablesAreIgnored) {
    config->header.shiftDevice = 0;
    config->header.shiftButton = 1000;  // far outside the button bytes
    state().buttons[3] = 0x80;
    EXPECT_EQ(pass(), Log{"press 0:4"});
    config->header.shiftDevice = 0xFFFFFFFF;
    config->header.shiftButton = 3;
    state().buttons[3] = 0;
    EXPECT_EQ(pass(), Log{"release 0:4"});
}

TEST_F(Evaluation, MemoryLivesInTheBlockAndSurvivesACopy) {
    state().buttons[0] = 0x80;
    state().axes[0] = 900;
    state().pov[2] = 4500;
    pass();
    auto saved = std::make_unique<Configuration>(*config);
    // A fresh run with the saved block: nothing is pressed again...
    *config = *saved;
    EXPECT_EQ(pass(), Log{});
    // ...and everything held is released when let go.
    state().buttons[0] = 0;
    state().axes[0] = 0;
    state().pov[2] = kPovCentred;
    EXPECT_EQ(pass(), (Log{"release 0:1", "release 0:65", "release 0:98"}));
}

TEST_F(Evaluation, BlockMemoryFromAFileIsBoundedToRealEntries) {
    block().activeAxisEntries[0][0] = 250;
    block().activeAxisEntries[0][3] = 201;
    block().activePovEntries[0] = 5000;
    block().activePovEntries[1] = 0xFFFFFFFF;
    state().pov[1] = 0;
    // Invalid memory counts as nothing held: no release of it, fresh presses.
    state().axes[0] = 300;
    EXPECT_EQ(pass(), (Log{"press 0:33", "press 0:89"}));
    state().axes[0] = 0;
    state().pov[1] = kPovCentred;
    EXPECT_EQ(pass(), (Log{"release 0:33", "release 0:89"}));
    EXPECT_EQ(block().activePovEntries[0], 0u);
}

TEST_F(Evaluation, MouseBlockHoldsNoHatEntryAndReadsItsAxes) {
    const int mouse = devices->mouseSlot();
    EXPECT_EQ(pass(mouse), Log{});
    state(mouse).axes[0] = 300;  // 60 counts right, times five
    EXPECT_EQ(pass(mouse), Log{"press 2:33"});
    state(mouse).axes[0] = 0;
    EXPECT_EQ(pass(mouse), Log{"release 2:33"});
}

TEST_F(Evaluation, OutOfRangeBlockIndexDoesNothing) {
    EXPECT_EQ(pass(14), Log{});
    EXPECT_EQ(pass(-1), Log{});
    EXPECT_EQ(source.polls, 0);
}

// The look a device's report brings: whether a pass that keeps to the
// edges would act. It neither acts nor moves the block's memory.
TEST_F(Evaluation, EdgeLookSeesWhatAnEdgePassWouldDoAndChangesNothing) {
    config->header.shiftDevice = 0;
    config->header.shiftButton = 9;
    block().entries[EntryIndex::button(6)].autoRepeat = 1;
    state().buttons[6] = 0x80;
    state().axes[0] = 400;  // level 0
    state().pov[0] = 1000;  // north
    pass();
    const struct {
        const char* what;
        void (*change)(DeviceState&);
        bool edge;
    } cases[] = {
        {"nothing new", [](DeviceState&) {}, false},
        {"axis within its level", [](DeviceState& s) { s.axes[0] = 450; }, false},
        {"hat within its sector", [](DeviceState& s) { s.pov[0] = 2000; }, false},
        {"the shift button", [](DeviceState& s) { s.buttons[9] = 0x80; }, false},
        {"button pressed", [](DeviceState& s) { s.buttons[2] = 0x80; }, true},
        {"repeating button let go", [](DeviceState& s) { s.buttons[6] = 0; }, true},
        {"axis to the next level", [](DeviceState& s) { s.axes[0] = 600; }, true},
        {"axis back to rest", [](DeviceState& s) { s.axes[0] = 0; }, true},
        {"hat to another sector", [](DeviceState& s) { s.pov[0] = 9000; }, true},
        {"hat centred", [](DeviceState& s) { s.pov[0] = kPovCentred; }, true},
    };
    const DeviceState rest = state();
    const auto remembered = std::make_unique<LayerBlock>(block());
    for (const auto& c : cases) {
        c.change(state());
        EXPECT_EQ(pollFindsEdge(context, 0), c.edge) << c.what;
        EXPECT_EQ(executor.take(), Log{}) << c.what;
        EXPECT_EQ(std::memcmp(remembered.get(), &block(), sizeof(LayerBlock)), 0) << c.what;
        state() = rest;
    }
}

}  // namespace
}  // namespace tarvik
