#include "VirtualDeviceFixture.h"
#include "input/win32/XInputLayer.h"

namespace tarvik {
namespace {

using XInputPads = testing::VirtualDevices;

TEST_F(XInputPads, GonePadReadsAtRestIsNotAskedInThePassAndComesBackOnADeviceChange) {
    addPad("DirectInput pad");
    vc::XPad& pad = vc::connectXPad(block(), 2);
    pad.leftTrigger = 255;
    pad.buttons = 0x1000;  // A
    ASSERT_EQ(init(), DI_OK);
    ASSERT_EQ(table->deviceCount, 2);  // DirectInput's first, then the pad
    EXPECT_EQ(productName(2), "XInput pad 3");
    EXPECT_EQ(productName(3), "XInput pad 3");
    EXPECT_EQ(directInput->capabilities[2].dwAxes, 7u);
    EXPECT_EQ(directInput->capabilities[2].dwButtons, 10u);
    EXPECT_EQ(directInput->capabilities[2].dwPOVs, 1u);
    EXPECT_EQ(table->capabilityFlags[3], 0x797u);
    EXPECT_EQ(table->mouseSlot(), 4);
    EXPECT_EQ(block().xpads[0].getState, 1u);  // asked once at start-up, never again

    EXPECT_EQ(pollJoystick(*table, *directInput, 3), 0);
    EXPECT_EQ(table->states[3].axes[6], 1000);
    EXPECT_EQ(table->states[3].buttons[0], 0x80);

    pad.connected = 0;
    EXPECT_NE(pollJoystick(*table, *directInput, 2), 0);
    for (int slot : {2, 3}) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(table->states[slot].axes[6], 0);
        EXPECT_EQ(table->states[slot].buttons[0], 0);
        EXPECT_EQ(table->states[slot].pov[0], kPovCentred);
    }
    const uint32_t asked = pad.getState;
    pad.connected = 1;
    for (int pass = 0; pass < 10; ++pass) {
        EXPECT_EQ(pollJoystick(*table, *directInput, 2), 0);
        EXPECT_EQ(pollJoystick(*table, *directInput, 3), 0);
    }
    EXPECT_EQ(pad.getState, asked);
    EXPECT_EQ(table->states[2].axes[6], 0);

    EXPECT_EQ(takeXInputPads(*table, *directInput), 0);  // back in its own slots
    EXPECT_EQ(table->deviceCount, 2);
    EXPECT_EQ(pollJoystick(*table, *directInput, 2), 0);
    EXPECT_EQ(table->states[2].axes[6], 1000);
}

}  // namespace
}  // namespace tarvik
