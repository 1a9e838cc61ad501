#include <gtest/gtest.h>

#include "input/XInputConversion.h"
#include "input/XInputDeviceNames.h"
#include "input/XInputSlots.h"

namespace tarvik {
namespace {

XInputGamepad pad(uint16_t buttons = 0) {
    XInputGamepad p{};
    p.buttons = buttons;
    return p;
}

DeviceState rowOf(const XInputGamepad& p) {
    DeviceState row;
    row.velocityAndForce[0] = 77;  // nothing of an old row stays
    fillXInputRow(p, row);
    return row;
}

TEST(XInputConversion, SticksReachExactlyTheEndsAndYGrowsDownwards) {
    EXPECT_EQ(stickAxis(-32768), -1000);
    EXPECT_EQ(stickAxis(32767), 1000);
    EXPECT_EQ(stickAxis(0), 0);
    EXPECT_EQ(stickAxis(-1), 0);
    EXPECT_EQ(stickAxis(16384), 500);

    XInputGamepad p = pad();
    p.thumbLX = -32768;
    p.thumbLY = 32767;  // left stick up
    p.thumbRX = 32767;
    p.thumbRY = -32768;  // right stick down
    const DeviceState row = rowOf(p);
    EXPECT_EQ(row.axes[0], -1000);
    EXPECT_EQ(row.axes[1], -1000);
    EXPECT_EQ(row.axes[3], 1000);
    EXPECT_EQ(row.axes[4], 1000);
    EXPECT_EQ(row.axes[5], 0);  // no Rz
    EXPECT_EQ(row.velocityAndForce[0], 0);
    p.thumbLY = -32768;
    EXPECT_EQ(rowOf(p).axes[1], 1000);
}

TEST(XInputConversion, TriggersAloneOnTheSlidersAndTogetherOnZ) {
    XInputGamepad p = pad();
    p.leftTrigger = 255;
    DeviceState row = rowOf(p);
    EXPECT_EQ(row.axes[6], 1000);
    EXPECT_EQ(row.axes[7], 0);
    EXPECT_EQ(row.axes[2], 1000);  // the left trigger drives Z up

    p.rightTrigger = 255;  // both held: Z centred, each slider still full
    row = rowOf(p);
    EXPECT_EQ(row.axes[6], 1000);
    EXPECT_EQ(row.axes[7], 1000);
    EXPECT_EQ(row.axes[2], 0);

    p.leftTrigger = 0;
    row = rowOf(p);
    EXPECT_EQ(row.axes[2], -1000);
    EXPECT_EQ(row.axes[6], 0);
    EXPECT_EQ(row.axes[7], 1000);

    EXPECT_EQ(triggerAxis(128), 502);
    EXPECT_EQ(combinedTriggerAxis(0, 0), 0);
    EXPECT_EQ(combinedTriggerAxis(51, 0), 200);
}

TEST(XInputConversion, DpadDiagonalsOppositesCancelAndTheOtherHatsAreCentred) {
    using B = uint16_t;
    const B up = XInputButton::kDpadUp;
    const B down = XInputButton::kDpadDown;
    const B left = XInputButton::kDpadLeft;
    const B right = XInputButton::kDpadRight;
    EXPECT_EQ(dpadAngle(0), kPovCentred);
    EXPECT_EQ(dpadAngle(up), 0u);
    EXPECT_EQ(dpadAngle(up | right), 4500u);
    EXPECT_EQ(dpadAngle(right), 9000u);
    EXPECT_EQ(dpadAngle(down | right), 13500u);
    EXPECT_EQ(dpadAngle(down), 18000u);
    EXPECT_EQ(dpadAngle(down | left), 22500u);
    EXPECT_EQ(dpadAngle(left), 27000u);
    EXPECT_EQ(dpadAngle(up | left), 31500u);
    EXPECT_EQ(dpadAngle(up | down), kPovCentred);
    EXPECT_EQ(dpadAngle(up | down | right), 9000u);
    EXPECT_EQ(dpadAngle(up | down | left | right), kPovCentred);

    const DeviceState row = rowOf(pad(static_cast<B>(down | left)));
    EXPECT_EQ(row.pov[0], 22500u);
    for (int hat = 1; hat < kPovCount; ++hat) EXPECT_EQ(row.pov[hat], kPovCentred);
}

TEST(XInputConversion, ButtonsInDirectInputsOrderAndNothingBeyondTen) {
    const uint16_t order[] = {XInputButton::kA,
                              XInputButton::kB,
                              XInputButton::kX,
                              XInputButton::kY,
                              XInputButton::kLeftShoulder,
                              XInputButton::kRightShoulder,
                              XInputButton::kBack,
                              XInputButton::kStart,
                              XInputButton::kLeftThumb,
                              XInputButton::kRightThumb};
    for (int b = 0; b < 10; ++b) {
        SCOPED_TRACE(b);
        const DeviceState row = rowOf(pad(order[b]));
        for (int i = 0; i < kButtonBytes; ++i) {
            EXPECT_EQ(row.buttons[i], i == b ? kButtonPressed : 0) << "byte " << i;
        }
        EXPECT_EQ(row.pov[0], kPovCentred);  // no button is a D-pad direction
    }
    EXPECT_EQ(kXInputCapabilityFlags, 0x797u);
}

TEST(XInputSlots, NewPadsFollowTheTakenJoysticksUpToSixAndGoneOnesKeepTheirPlace) {
    XInputSlots slots{};
    int32_t count = 2;  // two DirectInput controllers came first
    int32_t last = 1;
    EXPECT_EQ(xinputUsersToAsk(slots), 0xFu);
    EXPECT_EQ(placeAnsweringPad(slots, 1, count, last), 2);
    EXPECT_EQ(placeAnsweringPad(slots, 3, count, last), 3);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(last, 3);
    EXPECT_EQ(xinputUserOfSlot(slots, 4), 1);
    EXPECT_EQ(xinputUserOfSlot(slots, 5), 1);
    EXPECT_EQ(xinputUserOfSlot(slots, 7), 3);
    EXPECT_EQ(xinputUserOfSlot(slots, 1), -1);
    EXPECT_EQ(xinputUserOfSlot(slots, 12), -1);
    EXPECT_EQ(xinputUsersToAsk(slots), 0x5u);  // only the silent ones

    // Gone: asked again on a device change, back in its own slots.
    padStoppedAnswering(slots, 1);
    EXPECT_FALSE(padAnswers(slots, 1));
    EXPECT_EQ(xinputUsersToAsk(slots), 0x7u);
    EXPECT_EQ(placeAnsweringPad(slots, 1, count, last), 2);
    EXPECT_EQ(count, 4);
    EXPECT_TRUE(padAnswers(slots, 1));

    // Six joysticks in all: a pad beyond them finds no place and stays silent.
    count = 6;
    EXPECT_EQ(placeAnsweringPad(slots, 0, count, last), -1);
    EXPECT_EQ(count, 6);
    EXPECT_FALSE(padAnswers(slots, 0));
    EXPECT_EQ(xinputJoystickOfUser(slots, 0), -1);
}

TEST(XInputDeviceNames, IgMarksAPathAndRawDevicesAreMatchedByTheirIds) {
    const char* usb = "\\\\?\\HID#VID_045E&PID_028E&IG_00#3&2ed0f1a7&0&0000#{4d1e55b2}";
    const char* bluetooth =
        "\\\\?\\hid#{00001124-0000-1000-8000-00805f9b34fb}_vid&0002045e_pid&02e0&ig_00#8&1";
    EXPECT_TRUE(pathMarksXInputPad(usb));
    EXPECT_TRUE(pathMarksXInputPad(bluetooth));
    EXPECT_FALSE(pathMarksXInputPad("\\\\?\\HID#VID_045E&PID_028E#x"));
    EXPECT_FALSE(pathMarksXInputPad(nullptr));
    EXPECT_TRUE(rawDeviceIsXInputPad(bluetooth, 0x045E, 0x02E0, 0x045E, 0x02E0));
    EXPECT_FALSE(rawDeviceIsXInputPad(bluetooth, 0x045E, 0x02E0, 0x045E, 0x02EA));
    EXPECT_FALSE(
        rawDeviceIsXInputPad("\\\\?\\HID#VID_045E&PID_02E0#x", 0x045E, 0x02E0, 0x045E, 0x02E0));
    EXPECT_EQ(vendorOfProduct(0x028E045Eu), 0x045E);
    EXPECT_EQ(productOfProduct(0x028E045Eu), 0x028E);
}

}  // namespace
}  // namespace tarvik
