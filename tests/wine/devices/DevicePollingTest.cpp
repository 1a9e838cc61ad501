#include <cstring>

#include "VirtualDeviceFixture.h"
#include "engine/ControlEvaluation.h"
#include "fakes/ConfigFixtures.h"
#include "fakes/RecordingExecutor.h"

namespace tarvik {
namespace {

class Polling : public testing::VirtualDevices {
  protected:
    void SetUp() override {
        VirtualDevices::SetUp();
        addPad("Stick", vc::Axis::kX | vc::Axis::kY | vc::Axis::kZ, 1, 32, 2);
        addPad("Pad", vc::Axis::kX | vc::Axis::kY, 0, 12, 1);
        ASSERT_EQ(init(), DI_OK);
    }
    int32_t poll(int slot) { return pollJoystick(*table, *directInput, slot); }
    int32_t pollTheMouse() { return pollMouse(*table, *directInput); }
    bool rowIs(int slot, const DeviceState& expected) {
        return std::memcmp(&table->states[slot], &expected, sizeof expected) == 0;
    }
    vc::VirtualControllerClient& client() { return testing::virtualController(); }
};

TEST_F(Polling, RowsCarryTheControllerStateInTheSetRange) {
    // Before any poll the joysticks read at rest, hats centred.
    for (int slot = 0; slot < 4; ++slot) {
        for (uint32_t pov : table->states[slot].pov) EXPECT_EQ(pov, kPovCentred) << slot;
    }
    client().setAxis(0, 0, -1000);
    client().setAxis(0, 1, 1000);
    client().setAxis(0, 2, 250);
    client().setAxis(0, 6, -500);
    client().setHat(0, 0, 9000);
    client().setButton(0, 0, true);
    client().setButton(0, 31, true);
    client().setAxis(1, 0, 400);

    EXPECT_EQ(poll(0), 0);
    const DeviceState& row = table->states[0];
    EXPECT_EQ(row.axes[0], -1000);
    EXPECT_EQ(row.axes[1], 1000);
    EXPECT_EQ(row.axes[2], 250);
    EXPECT_EQ(row.axes[3], 0);
    EXPECT_EQ(row.axes[6], -500);
    EXPECT_EQ(row.pov[0], 9000u);
    EXPECT_EQ(row.pov[1], kPovCentred);  // the second hat at rest
    EXPECT_EQ(row.pov[2], kPovCentred);  // no such hat
    EXPECT_EQ(row.buttons[0], 0x80);
    EXPECT_EQ(row.buttons[1], 0);
    EXPECT_EQ(row.buttons[31], 0x80);
    EXPECT_EQ(controller(0).calls.lastStateSize, 272u);
    // The first poll found the device not acquired and took it.
    EXPECT_EQ(controller(0).calls.acquire, 1u);
    EXPECT_EQ(controller(0).calls.poll, 2u);

    // Each slot is its own poll: the shifted slot is still at rest.
    EXPECT_EQ(table->states[1].axes[0], 0);
    EXPECT_EQ(poll(1), 0);
    EXPECT_EQ(table->states[1].axes[1], 1000);
    EXPECT_EQ(poll(2), 0);
    EXPECT_EQ(table->states[2].axes[0], 400);
    EXPECT_EQ(controller(0).calls.acquire, 1u);  // still acquired
}

TEST_F(Polling, LostInputIsReacquiredAndTheStateRead) {
    ASSERT_EQ(poll(0), 0);
    const vc::DeviceCalls before = controller(0).calls;
    controller(0).setup.pollLost = 1;
    controller(0).setup.acquireLost = 3;
    client().setButton(0, 4, true);
    EXPECT_EQ(poll(0), 0);
    EXPECT_EQ(controller(0).calls.acquire - before.acquire, 4u);
    EXPECT_EQ(controller(0).calls.poll - before.poll, 2u);
    EXPECT_EQ(table->states[0].buttons[4], 0x80);
}

TEST_F(Polling, ADeviceThatNeedsNoPollingStillReads) {
    ASSERT_EQ(poll(2), 0);
    controller(1).setup.pollSuccess = DI_NOEFFECT;
    client().setAxis(1, 1, -250);
    EXPECT_EQ(poll(2), 0);
    EXPECT_EQ(table->states[2].axes[1], -250);
}

TEST_F(Polling, PersistentLostInputGivesUpAfterTwentyOneAcquiresAndKeepsTheRow) {
    client().setButton(0, 2, true);
    ASSERT_EQ(poll(0), 0);
    const DeviceState kept = table->states[0];
    const uint32_t acquiredBefore = controller(0).calls.acquire;
    controller(0).setup.pollLost = 1;
    controller(0).setup.acquireLost = 1000;
    client().setButton(0, 2, false);
    client().setAxis(0, 0, 700);

    EXPECT_EQ(poll(0), DIERR_INPUTLOST);
    EXPECT_EQ(controller(0).calls.acquire - acquiredBefore, 21u);
    EXPECT_TRUE(rowIs(0, kept));
    EXPECT_EQ(poll(0), DIERR_INPUTLOST);  // the next pass tries again
    EXPECT_EQ(controller(0).calls.acquire - acquiredBefore, 42u);
}

TEST_F(Polling, FailedStateReadKeepsTheRow) {
    client().setAxis(0, 0, -300);
    ASSERT_EQ(poll(0), 0);
    const DeviceState kept = table->states[0];
    controller(0).setup.stateLost = 1;
    client().setAxis(0, 0, 300);
    EXPECT_EQ(poll(0), DIERR_INPUTLOST);
    EXPECT_TRUE(rowIs(0, kept));
    EXPECT_EQ(poll(0), 0);  // taken again through the failing Poll
    EXPECT_EQ(table->states[0].axes[0], 300);
}

TEST_F(Polling, ThreeFailedReadsInARowReadAsRestUntilTheDeviceAnswers) {
    client().setButton(0, 2, true);
    client().setAxis(0, 0, 700);
    client().setHat(0, 0, 9000);
    ASSERT_EQ(poll(0), 0);
    const DeviceState kept = table->states[0];
    controller(0).setup.stateLost = 3;
    EXPECT_EQ(poll(0), DIERR_INPUTLOST);
    EXPECT_EQ(poll(0), DIERR_INPUTLOST);
    EXPECT_TRUE(rowIs(0, kept));
    EXPECT_EQ(poll(0), DIERR_INPUTLOST);
    DeviceState rest{};
    for (uint32_t& pov : rest.pov) pov = kPovCentred;
    EXPECT_TRUE(rowIs(0, rest));
    EXPECT_EQ(poll(0), 0);
    EXPECT_TRUE(rowIs(0, kept));
}

TEST_F(Polling, SlotsWithoutAJoystickReadNothing) {
    const DeviceState mouseRow = table->states[4];
    EXPECT_EQ(poll(4), 0);  // the mouse's slot
    EXPECT_EQ(poll(13), 0);
    EXPECT_EQ(poll(-1), 0);
    EXPECT_EQ(poll(14), 0);
    EXPECT_TRUE(rowIs(4, mouseRow));
    EXPECT_EQ(mouse().calls.getDeviceState, 0u);
}

TEST_F(Polling, MouseMotionTimesFiveEightButtonsAndCentredHats) {
    client().moveMouse(3, -4, 120);
    client().setMouseButton(0, true);
    client().setMouseButton(7, true);
    EXPECT_EQ(pollTheMouse(), 0);
    const DeviceState& row = table->states[4];
    EXPECT_EQ(row.axes[0], 15);
    EXPECT_EQ(row.axes[1], -20);
    EXPECT_EQ(row.axes[2], 600);
    EXPECT_EQ(row.buttons[0], 0x80);
    EXPECT_EQ(row.buttons[1], 0);
    EXPECT_EQ(row.buttons[7], 0x80);
    for (uint32_t pov : row.pov) EXPECT_EQ(pov, kPovCentred);
    EXPECT_EQ(mouse().calls.lastStateSize, 20u);
    // Motion is read once; the next pass sees the mouse at rest.
    EXPECT_EQ(pollTheMouse(), 0);
    EXPECT_EQ(row.axes[0], 0);
    EXPECT_EQ(row.axes[2], 0);
    EXPECT_EQ(row.buttons[7], 0x80);
}

TEST_F(Polling, MouseRetriesElevenTimesAtMostAndKeepsItsRow) {
    client().moveMouse(10, 0, 0);
    ASSERT_EQ(pollTheMouse(), 0);
    const DeviceState kept = table->states[4];
    const uint32_t acquiredBefore = mouse().calls.acquire;
    mouse().setup.stateLost = 1;
    mouse().setup.acquireLost = 1000;
    client().moveMouse(5, 5, 0);
    EXPECT_EQ(pollTheMouse(), DIERR_INPUTLOST);
    EXPECT_EQ(mouse().calls.acquire - acquiredBefore, 11u);
    EXPECT_TRUE(rowIs(4, kept));

    // Still not acquired: the next read fails, two more losses, then back.
    mouse().setup.acquireLost = 2;
    EXPECT_EQ(pollTheMouse(), 0);
    EXPECT_EQ(mouse().calls.acquire - acquiredBefore, 14u);
    EXPECT_EQ(table->states[4].axes[0], 25);
}

TEST_F(Polling, ReleaseLetsGoOfTheJoysticksAndDirectInputButNotTheMouse) {
    ASSERT_EQ(poll(0), 0);
    releaseDevices(*table, *directInput);
    for (int d = 0; d < 2; ++d) {
        EXPECT_EQ(controller(d).calls.unacquire, 1u) << d;
        EXPECT_EQ(controller(d).calls.released, 1u) << d;
    }
    for (IDirectInputDevice8A* row : directInput->devices) EXPECT_EQ(row, nullptr);
    EXPECT_EQ(directInput->directInput, nullptr);
    EXPECT_EQ(block().directInput.released, 1u);
    EXPECT_EQ(mouse().calls.released, 0u);
    EXPECT_EQ(poll(0), 0);  // nothing left to read
}

TEST_F(Polling, TheEngineReadsThroughTheDeviceSource) {
    auto config = testing::makeDefaultConfiguration();
    config->header.shiftDevice = 5;  // out of the way
    testing::RecordingExecutor executor(*config);
    DirectInputDeviceSource source(*table, *directInput);
    EvaluationContext context{*config, *table, source, executor};

    evaluateBlock(context, 2);
    EXPECT_EQ(executor.take(), std::vector<std::string>{});
    client().setButton(1, 2, true);
    evaluateBlock(context, 2);
    EXPECT_EQ(executor.take(), std::vector<std::string>{"press 2:3"});
    client().setButton(1, 2, false);
    evaluateBlock(context, 2);
    EXPECT_EQ(executor.take(), std::vector<std::string>{"release 2:3"});

    // The mouse block holds no hat entry.
    client().moveMouse(0, 0, 0);
    EXPECT_EQ(source.pollMouse(), 0);
    evaluateBlock(context, table->mouseSlot());
    EXPECT_EQ(executor.take(), std::vector<std::string>{});
}

}  // namespace
}  // namespace tarvik
