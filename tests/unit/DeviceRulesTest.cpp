#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "input/AcquireRetry.h"
#include "input/CapabilityRules.h"
#include "input/EnumerationLimit.h"
#include "input/MouseFolding.h"

namespace tarvik {
namespace {

uint32_t flagsOf(std::initializer_list<ObjectKind> kinds) {
    uint32_t flags = 0;
    for (ObjectKind k : kinds) flags = addObjectFlag(flags, k);
    return flags;
}

TEST(CapabilityRules, EachAxisAndTheHatSetTheirOwnBit) {
    EXPECT_EQ(flagsOf({ObjectKind::kXAxis}), 0x80u);
    EXPECT_EQ(flagsOf({ObjectKind::kYAxis}), 0x100u);
    EXPECT_EQ(flagsOf({ObjectKind::kZAxis}), 0x1u);
    EXPECT_EQ(flagsOf({ObjectKind::kRxAxis}), 0x2u);
    EXPECT_EQ(flagsOf({ObjectKind::kRyAxis}), 0x4u);
    EXPECT_EQ(flagsOf({ObjectKind::kRzAxis}), 0x8u);
    EXPECT_EQ(flagsOf({ObjectKind::kPov}), 0x10u);
    EXPECT_EQ(flagsOf({ObjectKind::kOther}), 0u);
    // Several hats are still one bit; buttons add nothing.
    EXPECT_EQ(flagsOf({ObjectKind::kXAxis, ObjectKind::kPov, ObjectKind::kPov, ObjectKind::kOther}),
              0x90u);
}

TEST(CapabilityRules, SecondSliderSetsBothSliderBits) {
    EXPECT_EQ(flagsOf({ObjectKind::kSlider}), 0x200u);
    EXPECT_EQ(flagsOf({ObjectKind::kSlider, ObjectKind::kSlider}), 0x600u);
    EXPECT_EQ(flagsOf({ObjectKind::kSlider, ObjectKind::kXAxis, ObjectKind::kSlider}), 0x680u);
    EXPECT_EQ(flagsOf({ObjectKind::kSlider, ObjectKind::kSlider, ObjectKind::kSlider}), 0x600u);
}

TEST(CapabilityRules, OnlyTheTwoAxisTypeBitsMarkAnAxisObject) {
    EXPECT_TRUE(isAxisObject(0x1));      // relative axis
    EXPECT_TRUE(isAxisObject(0x0302));   // absolute axis, instance 3
    EXPECT_FALSE(isAxisObject(0x0010));  // hat
    EXPECT_FALSE(isAxisObject(0x0504));  // push button
}

TEST(CapabilityRules, MouseFlagsFollowItsAxisCount) {
    EXPECT_EQ(mouseCapabilityFlags(0), 0u);
    EXPECT_EQ(mouseCapabilityFlags(1), 0x80u);
    EXPECT_EQ(mouseCapabilityFlags(2), 0x180u);
    EXPECT_EQ(mouseCapabilityFlags(3), 0x181u);
    EXPECT_EQ(mouseCapabilityFlags(7), 0x181u);
}

TEST(MouseFolding, MotionTimesFiveEightButtonsHatsCentredRestUntouched) {
    DeviceState row{};
    row.axes[3] = 77;
    row.buttons[8] = 0x80;
    MouseState mouse{};
    mouse.x = 3;
    mouse.y = -4;
    mouse.z = 120;  // one wheel notch
    for (int i = 0; i < kMouseButtons; ++i) mouse.buttons[i] = (i % 2 == 0) ? 0x80 : 0;
    foldMouseState(mouse, row);
    EXPECT_EQ(row.axes[0], 15);
    EXPECT_EQ(row.axes[1], -20);
    EXPECT_EQ(row.axes[2], 600);
    EXPECT_EQ(row.axes[3], 77);
    for (int i = 0; i < kMouseButtons; ++i) EXPECT_EQ(row.buttons[i], mouse.buttons[i]) << i;
    EXPECT_EQ(row.buttons[8], 0x80);
    for (uint32_t pov : row.pov) EXPECT_EQ(pov, kPovCentred);
}

TEST(MouseFolding, HugeMotionSaturatesInsteadOfOverflowing) {
    DeviceState row{};
    MouseState mouse{};
    mouse.x = INT32_MAX;
    mouse.y = INT32_MIN;
    mouse.z = INT32_MAX / 5;
    foldMouseState(mouse, row);
    EXPECT_EQ(row.axes[0], INT32_MAX);
    EXPECT_EQ(row.axes[1], INT32_MIN);
    EXPECT_EQ(row.axes[2], INT32_MAX / 5 * 5);
}

// Acquire answers in order, then the last answer for ever.
struct ScriptedAcquire {
    std::vector<int32_t> answers;
    int calls = 0;
    int32_t operator()() {
        const size_t i = static_cast<size_t>(calls++);
        return i < answers.size() ? answers[i] : answers.back();
    }
};

constexpr int32_t kOtherFailure = static_cast<int32_t>(0x80070005u);

TEST(AcquireRetry, PersistentLostInputStopsAtTheLimits) {
    ScriptedAcquire joystick{{kInputLost}};
    EXPECT_EQ(acquireRetrying(joystick, kJoystickAcquireRetries), kInputLost);
    EXPECT_EQ(joystick.calls, 21);
    ScriptedAcquire mouse{{kInputLost}};
    EXPECT_EQ(acquireRetrying(mouse, kMouseAcquireRetries), kInputLost);
    EXPECT_EQ(mouse.calls, 11);
}

TEST(AcquireRetry, StopsAtTheFirstAnswerThatIsNotLostInput) {
    ScriptedAcquire recovers{{kInputLost, kInputLost, 0}};
    EXPECT_EQ(acquireRetrying(recovers, kJoystickAcquireRetries), 0);
    EXPECT_EQ(recovers.calls, 3);
    // Only lost input is worth asking again; other failures end at once.
    ScriptedAcquire refused{{kOtherFailure}};
    EXPECT_EQ(acquireRetrying(refused, kJoystickAcquireRetries), kOtherFailure);
    EXPECT_EQ(refused.calls, 1);
    ScriptedAcquire lostThenRefused{{kInputLost, kOtherFailure}};
    EXPECT_EQ(acquireRetrying(lostThenRefused, kMouseAcquireRetries), kOtherFailure);
    EXPECT_EQ(lostThenRefused.calls, 2);
    // Success on the very last allowed call still counts.
    std::vector<int32_t> lastChance(11, kInputLost);
    lastChance[10] = 1;
    ScriptedAcquire late{lastChance};
    EXPECT_EQ(acquireRetrying(late, kMouseAcquireRetries), 1);
    EXPECT_EQ(late.calls, 11);
}

TEST(EnumerationLimit, SixJoysticksLeaveTheMouseASlot) {
    DeviceTable table{};
    table.deviceCount = kMaxJoysticks;
    EXPECT_LT(table.mouseSlot(), kDeviceSlots);
    table.deviceCount = kMaxJoysticks + 1;
    EXPECT_GE(table.mouseSlot(), kDeviceSlots);
}

}  // namespace
}  // namespace tarvik
