#include "VirtualDeviceFixture.h"

namespace tarvik {
namespace {

using Enumeration = testing::VirtualDevices;

constexpr const char* kMouseName = "Virtual system mouse";

// Waiting for a first controller, the mouse sits where one controller
// would leave it, so the first pad's block is never the mouse's.
TEST_F(Enumeration, NoControllerPutsTheMouseInSlotTwo) {
    EXPECT_EQ(init(), DI_OK);
    // What answered is the virtual DirectInput, asked as specified.
    EXPECT_EQ(block().directInput.create, 1u);
    EXPECT_EQ(block().directInput.version, 0x0800u);
    EXPECT_EQ(block().directInput.enumDeviceClass, static_cast<uint32_t>(DI8DEVCLASS_GAMECTRL));
    EXPECT_EQ(block().directInput.enumFlags, static_cast<uint32_t>(DIEDFL_ATTACHEDONLY));

    EXPECT_EQ(table->deviceCount, 0);
    EXPECT_EQ(table->lastDeviceIndex, 0);
    EXPECT_EQ(currentBlock, 8);  // no joystick: the working slot was never used
    for (IDirectInputDevice8A* row : directInput->devices) EXPECT_EQ(row, nullptr);
    ASSERT_NE(directInput->mouse, nullptr);
    EXPECT_EQ(table->mouseSlot(), 2);
    EXPECT_EQ(productName(2), kMouseName);
    EXPECT_EQ(table->capabilityFlags[2], 0x181u);
    EXPECT_EQ(table->capabilityFlags[0], 0u);
    EXPECT_EQ(mouse().calls.acquire, 1u);
}

TEST_F(Enumeration, OneControllerTakesSlotsZeroAndOneAndTheMouseSlotTwo) {
    addPad("Only pad");
    EXPECT_EQ(init(), DI_OK);
    EXPECT_EQ(table->deviceCount, 1);
    EXPECT_EQ(table->lastDeviceIndex, 0);
    EXPECT_EQ(currentBlock, 0);
    ASSERT_NE(directInput->devices[0], nullptr);
    EXPECT_EQ(directInput->devices[1], directInput->devices[0]);
    EXPECT_EQ(directInput->devices[2], nullptr);
    EXPECT_EQ(productName(0), "Only pad");
    EXPECT_EQ(productName(1), "Only pad");
    EXPECT_EQ(productName(2), kMouseName);
    EXPECT_EQ(table->mouseSlot(), 2);

    mouse().input.mouseMotion[0] = 7;
    EXPECT_EQ(pollMouse(*table, *directInput), 0);
    EXPECT_EQ(table->states[2].axes[0], 35);
    EXPECT_EQ(table->states[3].axes[0], 0);  // the mouse has no shifted slot
}

TEST_F(Enumeration, ThreeControllersInEnumerationOrder) {
    addPad("First", vc::Axis::kX, 0, 4);
    addPad("Second", vc::Axis::kX, 0, 5);
    addPad("Third", vc::Axis::kX, 0, 6);
    EXPECT_EQ(init(), DI_OK);
    EXPECT_EQ(table->deviceCount, 3);
    EXPECT_EQ(table->lastDeviceIndex, 2);
    EXPECT_EQ(currentBlock, 4);
    const char* names[] = {"First", "Second", "Third"};
    for (int d = 0; d < 3; ++d) {
        SCOPED_TRACE(d);
        ASSERT_NE(directInput->devices[2 * d], nullptr);
        EXPECT_EQ(directInput->devices[2 * d + 1], directInput->devices[2 * d]);
        EXPECT_EQ(productName(2 * d), names[d]);
        EXPECT_EQ(productName(2 * d + 1), names[d]);
        EXPECT_EQ(directInput->capabilities[2 * d].dwButtons, 4u + d);
        EXPECT_EQ(directInput->capabilities[2 * d + 1].dwButtons, 4u + d);
    }
    EXPECT_EQ(directInput->devices[6], nullptr);
    EXPECT_EQ(productName(6), kMouseName);
    EXPECT_EQ(table->mouseSlot(), 6);
}

TEST_F(Enumeration, EightControllersAreCutToSixSoTheMouseKeepsItsSlot) {
    addPads(8);
    EXPECT_EQ(init(), DI_OK);
    EXPECT_EQ(table->deviceCount, 6);
    EXPECT_EQ(table->lastDeviceIndex, 5);
    EXPECT_EQ(currentBlock, 10);
    EXPECT_EQ(productName(10), "Pad 5");
    EXPECT_EQ(productName(11), "Pad 5");
    // The seventh and eighth are opened for their paths only, and let go.
    for (int i : {6, 7}) {
        EXPECT_EQ(controller(i).calls.setDataFormat, 0u) << i;
        EXPECT_EQ(controller(i).calls.released, 1u) << i;
    }
    EXPECT_EQ(directInput->devices[12], nullptr);
    EXPECT_EQ(productName(12), kMouseName);
    EXPECT_EQ(table->capabilityFlags[12], 0x181u);
    EXPECT_EQ(directInput->devices[13], nullptr);
}

TEST_F(Enumeration, ControllerThatCannotBeOpenedIsSkippedAndTakesNoPlace) {
    addPads(8);
    controller(1).setup.createDeviceResult = DIERR_DEVICENOTREG;
    EXPECT_EQ(init(), DI_OK);
    EXPECT_EQ(controller(1).calls.createDevice, 1u);
    EXPECT_EQ(table->deviceCount, 6);
    EXPECT_EQ(table->lastDeviceIndex, 5);
    const char* expected[] = {"Pad 0", "Pad 2", "Pad 3", "Pad 4", "Pad 5", "Pad 6"};
    for (int d = 0; d < 6; ++d) EXPECT_EQ(productName(2 * d), expected[d]) << d;
    EXPECT_EQ(controller(7).calls.setDataFormat, 0u);
    EXPECT_EQ(productName(12), kMouseName);
}

// After a device change: a failed listing changes nothing, a new
// controller whose set-up fails is let go and leaves the mouse in its slot,
// and a controller gone keeps its slot; nothing working is touched.
TEST_F(Enumeration, RefreshThatFailsKeepsTheWorkingDevices) {
    addPads(2);
    ASSERT_EQ(init(), DI_OK);
    IDirectInputDevice8A* first = directInput->devices[0];
    controller(1).setup.unplugged = 1;
    addPad("Late pad").setup.setDataFormatResult = DIERR_INVALIDPARAM;

    block().enumDevicesResult = DIERR_GENERIC;
    DeviceRefresh outcome = refreshDevices(*table, *directInput, window);
    EXPECT_FALSE(outcome.enumerated);
    EXPECT_EQ(controller(2).calls.createDevice, 0u);

    block().enumDevicesResult = 0;
    outcome = refreshDevices(*table, *directInput, window);
    EXPECT_TRUE(outcome.enumerated);
    EXPECT_EQ(outcome.added, 0);
    EXPECT_EQ(outcome.gone, 1);
    EXPECT_EQ(controller(2).calls.released, 1u);
    EXPECT_EQ(table->deviceCount, 2);
    EXPECT_EQ(directInput->devices[0], first);
    EXPECT_EQ(controller(0).calls.setDataFormat, 1u);
    EXPECT_EQ(productName(2), "Pad 1");
    EXPECT_EQ(directInput->devices[4], nullptr);
    EXPECT_EQ(productName(4), kMouseName);
    EXPECT_EQ(table->capabilityFlags[4], 0x181u);
}

TEST_F(Enumeration, RefreshTakesNewControllersUpToSixAndMovesTheMouseBehind) {
    addPads(5);
    ASSERT_EQ(init(), DI_OK);
    addPad("Late 1", vc::Axis::kX | vc::Axis::kY | vc::Axis::kZ, 1);
    addPad("Late 2");
    const DeviceRefresh outcome = refreshDevices(*table, *directInput, window);
    EXPECT_EQ(outcome.added, 1);
    EXPECT_EQ(table->deviceCount, 6);
    EXPECT_EQ(table->lastDeviceIndex, 5);
    EXPECT_EQ(productName(10), "Late 1");
    EXPECT_EQ(productName(11), "Late 1");
    EXPECT_EQ(table->capabilityFlags[10], 0x391u);  // X Y Z, a slider, a hat
    EXPECT_EQ(controller(5).calls.dataFormat, vc::kJoystick2);
    EXPECT_EQ(controller(6).calls.setDataFormat, 0u);
    EXPECT_EQ(productName(12), kMouseName);
    EXPECT_EQ(table->capabilityFlags[12], 0x181u);
}

}  // namespace
}  // namespace tarvik
