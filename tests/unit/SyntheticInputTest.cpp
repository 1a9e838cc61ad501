#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "engine/SyntheticInput.h"
#include "fakes/ConfigFixtures.h"
#include "fakes/RecordingPlatform.h"

namespace tarvik {
namespace {

using Log = std::vector<std::string>;

std::string mouse(unsigned flags, int dx = 0, int dy = 0, int data = 0) {
    char line[80];
    std::snprintf(line, sizeof(line), "mouse flags=%X dx=%d dy=%d data=%d", flags, dx, dy, data);
    return line;
}
std::string sleep(unsigned ms) {
    return "sleep " + std::to_string(ms);
}

class Synthetic : public ::testing::Test {
  protected:
    testing::RecordingPlatform platform;
    EngineState state;
    std::unique_ptr<DeviceTable> devices = testing::makeDeviceTable(2);
    SyntheticInput input{platform, state, *devices};
    ControlEntry entry{};

    void SetUp() override {
        entry.xStep = 8;
        entry.yStep = 8;
        entry.mouseAction = 1;
    }
    Log act(ActionMode mode, int block = 0) {
        platform.clear();
        input.performMouseAction(block, entry, mode, entry.delayMs);
        return platform.log;
    }
    Log press(int block = 0) { return act(ActionMode::kPress, block); }
    Log release(int block = 0) { return act(ActionMode::kRelease, block); }
    // Only the injected events and cursor moves, without the sleeps.
    Log events(ActionMode mode) {
        platform.recordSleeps = false;
        Log log = act(mode);
        platform.recordSleeps = true;
        return log;
    }
};

TEST_F(Synthetic, KeyEventTakesLowBytesAndOnlyTheScanWordsExtendedBit) {
    input.sendKeyEvent(0, 0x141, 0x1E, 0);
    input.sendKeyEvent(0, 0x8A3, 0x11D, 2);      // extended by the scan word
    input.sendKeyEvent(0, 0x823, 0x1D, 0);       // the key word's 0x800 is ignored
    input.sendKeyEvent(0, 0x41, 0xFE48, 0);      // bits 9-15 of the scan word go nowhere
    input.sendKeyEvent(0, 0x41, 0x1E, 0x8 | 2);  // a stray scan-code flag never passes
    platform.recordSleeps = false;
    EXPECT_EQ(platform.log,
              (Log{"key vk=41 scan=1E flags=0", "sleep 2", "key vk=A3 scan=1D flags=3", "sleep 2",
                   "key vk=23 scan=1D flags=0", "sleep 2", "key vk=41 scan=48 flags=0", "sleep 2",
                   "key vk=41 scan=1E flags=2", "sleep 2"}));
}

TEST_F(Synthetic, KeyEventGoesByScanCodeOnlyWhileAskedAndOnlyWithOne) {
    platform.recordSleeps = false;
    input.sendKeyEvent(0, 0x41, 0x1E, 0);
    state.sendScanCodes = 1;
    input.sendKeyEvent(0, 0x41, 0x1E, 0);
    input.sendKeyEvent(0, 0x25, 0x14B, 2);  // extended, from the scan word as before
    input.sendKeyEvent(0, 0x41, 0, 0);      // no scan code: by the virtual key
    input.sendKeyEvent(0, 0x25, 0x100, 0);  // the extended bit alone is no scan code
    state.sendScanCodes = 0;
    input.sendKeyEvent(0, 0x41, 0x1E, 2);
    EXPECT_EQ(platform.log, (Log{"key vk=41 scan=1E flags=0", "key vk=41 scan=1E flags=8",
                                 "key vk=25 scan=4B flags=11", "key vk=41 scan=00 flags=0",
                                 "key vk=25 scan=00 flags=1", "key vk=41 scan=1E flags=2"}));
}

TEST_F(Synthetic, KeyEventClearsNoKeySentYet) {
    ASSERT_EQ(state.noKeySentYet.load(), 1);
    input.sendMouseEvent(0, MouseFlags::kMove, 1, 1, 0);
    EXPECT_EQ(state.noKeySentYet.load(), 1);
    input.sendKeyEvent(0, 0x41, 0x1E, 0);
    EXPECT_EQ(state.noKeySentYet.load(), 0);
}

TEST_F(Synthetic, KeyEventSleepsAtLeastTwoMillisecondsEvenForNegativeDelays) {
    const int32_t delays[] = {0, 1, 2, 7, -1, -500, INT32_MIN};
    const unsigned slept[] = {2, 2, 2, 7, 2, 2, 2};
    for (size_t i = 0; i < std::size(delays); ++i) {
        platform.clear();
        input.sendKeyEvent(delays[i], 0x41, 0x1E, 0);
        EXPECT_EQ(platform.log.back(), sleep(slept[i])) << "delay " << delays[i];
    }
}

TEST_F(Synthetic, MouseEventSleepsItsDelayWithNoMinimumAndNegativeAsZero) {
    const int32_t delays[] = {0, 1, 20, -1, INT32_MIN};
    const unsigned slept[] = {0, 1, 20, 0, 0};
    for (size_t i = 0; i < std::size(delays); ++i) {
        platform.clear();
        input.sendMouseEvent(delays[i], MouseFlags::kWheel, 0, 0, -3);
        EXPECT_EQ(platform.log, (Log{mouse(0x800, 0, 0, -3), sleep(slept[i])}))
            << "delay " << delays[i];
    }
}

TEST_F(Synthetic, ClickSleepsAfterEachEventAndOnceMoreAtTheEnd) {
    entry.mouseActionCode = kLeftClick;
    entry.delayMs = 20;
    EXPECT_EQ(press(), (Log{mouse(0x2), sleep(20), mouse(0x4), sleep(20), sleep(20)}));
    EXPECT_EQ(platform.totalSleptMs, 60u);
    entry.delayMs = -20;
    EXPECT_EQ(press(), (Log{mouse(0x2), sleep(0), mouse(0x4), sleep(0), sleep(0)}));
}

TEST_F(Synthetic, MovesUseTheCurrentStepsOnPressAndNothingOnRelease) {
    state.currentXStep = 3;
    state.currentYStep = 5;
    const int dx[] = {0, 3, 3, 3, 0, -3, -3, -3};
    const int dy[] = {-5, -5, 0, 5, 5, 5, 0, -5};
    for (uint8_t code = 0; code < 8; ++code) {
        entry.mouseActionCode = code;
        EXPECT_EQ(events(ActionMode::kPress), Log{mouse(0x1, dx[code], dy[code])})
            << "code " << int{code};
        EXPECT_EQ(release(), Log{sleep(0)}) << "code " << int{code};
    }
}

TEST_F(Synthetic, ButtonDownAndUpCodesInvertOnRelease) {
    struct Case {
        uint8_t code;
        unsigned onPress;
        unsigned onRelease;
    };
    const Case cases[] = {{kLeftButtonDown, 0x2, 0x4},   {kMiddleButtonDown, 0x20, 0x40},
                          {kRightButtonDown, 0x8, 0x10}, {kLeftButtonUp, 0x4, 0x2},
                          {kMiddleButtonUp, 0x40, 0x20}, {kRightButtonUp, 0x10, 0x8}};
    entry.delayMs = 4;
    for (const Case& c : cases) {
        entry.mouseActionCode = c.code;
        EXPECT_EQ(press(), (Log{mouse(c.onPress), sleep(4), sleep(4)})) << int{c.code};
        EXPECT_EQ(release(), (Log{mouse(c.onRelease), sleep(4), sleep(4)})) << int{c.code};
    }
}

TEST_F(Synthetic, ClicksWithoutToggleLockSendDownUpOnPressOnly) {
    const uint8_t codes[] = {kLeftClick, kMiddleClick, kRightClick};
    const unsigned down[] = {0x2, 0x20, 0x8};
    for (size_t i = 0; i < 3; ++i) {
        entry.mouseActionCode = codes[i];
        EXPECT_EQ(events(ActionMode::kPress), (Log{mouse(down[i]), mouse(down[i] * 2)}));
        EXPECT_EQ(events(ActionMode::kRelease), Log{});
    }
    EXPECT_EQ(state.leftToggle + state.middleToggle + state.rightToggle, 0);
}

TEST_F(Synthetic, UnknownCodesOnlySleep) {
    entry.delayMs = 9;
    for (int code = 0; code < 256; ++code) {
        const bool known = code <= 18 || code == 28 || code == 30 || code == 32 || code == 38 ||
                           code == 40 || code == 42;
        if (known) continue;
        entry.mouseActionCode = static_cast<uint8_t>(code);
        for (uint8_t lock : {0, 1}) {
            entry.toggleLock = lock;
            ASSERT_EQ(press(), Log{sleep(9)}) << code;
            ASSERT_EQ(release(), Log{sleep(9)}) << code;
        }
    }
}

TEST_F(Synthetic, ToggleLockLatchesTheButtonAcrossTwoPressAndReleaseCycles) {
    entry.mouseActionCode = kRightClick;
    entry.toggleLock = 1;
    ControlEntry plain = entry;
    plain.toggleLock = 0;

    EXPECT_EQ(events(ActionMode::kPress), Log{mouse(0x10)});
    EXPECT_EQ(state.rightToggle, 1);
    EXPECT_EQ(events(ActionMode::kRelease), Log{mouse(0x8)});  // latched down
    EXPECT_EQ(state.rightToggle, 1);

    // A plain right click in between leaves the latch alone.
    platform.clear();
    input.performMouseAction(2, plain, ActionMode::kPress, 0);
    input.performMouseAction(2, plain, ActionMode::kRelease, 0);
    EXPECT_EQ(platform.log, (Log{mouse(0x8), sleep(0), mouse(0x10), sleep(0), sleep(0), sleep(0)}));
    EXPECT_EQ(state.rightToggle, 1);

    EXPECT_EQ(events(ActionMode::kPress), Log{mouse(0x8)});
    EXPECT_EQ(state.rightToggle, 0);
    EXPECT_EQ(events(ActionMode::kRelease), Log{mouse(0x10)});  // let go
    EXPECT_EQ(state.rightToggle, 0);
    EXPECT_EQ(state.leftToggle + state.middleToggle, 0);
}

TEST_F(Synthetic, ToggleLatchIsSharedByAllEntriesOfOneButton) {
    entry.mouseActionCode = kMiddleClick;
    entry.toggleLock = 1;
    ControlEntry other = entry;
    input.performMouseAction(0, entry, ActionMode::kPress, 0);
    platform.clear();
    input.performMouseAction(4, other, ActionMode::kPress, 0);
    EXPECT_EQ(platform.log.front(), mouse(0x20));  // sees the first entry's latch
    EXPECT_EQ(state.middleToggle, 0);
}

TEST_F(Synthetic, ToggleLockOnOtherCodesRepeatsThePressOnRelease) {
    entry.toggleLock = 1;
    state.currentXStep = 6;
    entry.mouseActionCode = kMoveRight;
    EXPECT_EQ(events(ActionMode::kRelease), Log{mouse(0x1, 6, 0)});
    entry.mouseActionCode = kLeftButtonDown;
    EXPECT_EQ(events(ActionMode::kRelease), Log{mouse(0x2)});
    // Only exactly 1 sends the release through the press branch.
    entry.toggleLock = 2;
    EXPECT_EQ(events(ActionMode::kRelease), Log{mouse(0x4)});
}

TEST_F(Synthetic, DoubleClickWaitsHalfTheDoubleClickTime) {
    platform.doubleClickMs = 500;
    const uint8_t codes[] = {kLeftDoubleClick, kMiddleDoubleClick, kRightDoubleClick};
    const unsigned down[] = {0x2, 0x20, 0x8};
    for (size_t i = 0; i < 3; ++i) {
        entry.mouseActionCode = codes[i];
        const unsigned up = down[i] * 2;
        EXPECT_EQ(press(), (Log{mouse(down[i]), sleep(0), mouse(up), sleep(0), sleep(250),
                                mouse(down[i]), sleep(0), mouse(up), sleep(0), sleep(0)}));
        EXPECT_EQ(release(), Log{sleep(0)});
    }
    platform.doubleClickMs = 0;
    entry.mouseActionCode = kLeftDoubleClick;
    EXPECT_EQ(events(ActionMode::kPress), (Log{mouse(0x2), mouse(0x4), mouse(0x2), mouse(0x4)}));
}

TEST_F(Synthetic, WheelUsesTheEntrysOwnStepsNotTheScaledOnes) {
    state.currentXStep = 40;
    state.currentYStep = 40;
    entry.xStep = 3;
    entry.yStep = 7;
    entry.mouseActionCode = kWheelClick;
    EXPECT_EQ(events(ActionMode::kPress), Log{mouse(0x800, 0, 0, 120)});
    entry.mouseActionCode = kWheelScrollXStep;
    EXPECT_EQ(events(ActionMode::kPress), Log{mouse(0x800, 0, 0, 3)});
    entry.mouseActionCode = kWheelScrollYStep;
    EXPECT_EQ(events(ActionMode::kPress), Log{mouse(0x800, 0, 0, -7)});
    EXPECT_EQ(events(ActionMode::kRelease), Log{});
}

TEST_F(Synthetic, AbsolutePositionFollowsTheBlocksAxisAcrossTheDesktop) {
    platform.desktop = {0, 0, 1024, 768};
    platform.cursor = {100, 200};
    entry.mouseActionCode = kXAbsolute;
    const int32_t values[] = {-1000, 0, 1000, -999};
    const int expectedX[] = {0, 512, 1024, 0};
    const int expectedY[] = {0, 384, 768, 0};
    for (size_t i = 0; i < std::size(values); ++i) {
        devices->states[3].axes[0] = values[i];
        devices->states[3].axes[1] = 77;  // the other axis plays no part
        entry.mouseActionCode = kXAbsolute;
        platform.cursor = {100, 200};
        EXPECT_EQ(press(3), (Log{"setCursor " + std::to_string(expectedX[i]) + ",200", sleep(0)}));
        EXPECT_EQ(release(3), Log{sleep(0)});

        devices->states[3].axes[1] = values[i];
        entry.mouseActionCode = kYAbsolute;
        platform.cursor = {100, 200};
        EXPECT_EQ(press(3), (Log{"setCursor 100," + std::to_string(expectedY[i]), sleep(0)}));
    }
}

TEST_F(Synthetic, AbsolutePositionOfABlockWithoutADeviceRowDoesNothing) {
    entry.mouseActionCode = kXAbsolute;
    EXPECT_EQ(press(kDeviceSlots), Log{sleep(0)});
    EXPECT_EQ(press(-1), Log{sleep(0)});
}

}  // namespace
}  // namespace tarvik
