#include <functional>

#include "VirtualDeviceFixture.h"

namespace tarvik {
namespace {

using Preparation = testing::VirtualDevices;

constexpr uint32_t kAllAxes =
    vc::Axis::kX | vc::Axis::kY | vc::Axis::kZ | vc::Axis::kRx | vc::Axis::kRy | vc::Axis::kRz;

TEST_F(Preparation, FormatsCooperativeLevelsAndWindow) {
    addPads(2);
    ASSERT_EQ(init(), DI_OK);
    const uint64_t expectedWindow = reinterpret_cast<uintptr_t>(window);
    for (int d = 0; d < 2; ++d) {
        SCOPED_TRACE(d);
        const vc::DeviceCalls& calls = controller(d).calls;
        EXPECT_EQ(calls.setDataFormat, 1u);
        EXPECT_EQ(calls.dataFormat, vc::kJoystick2);
        EXPECT_EQ(calls.setCooperativeLevel, 1u);
        EXPECT_EQ(calls.cooperativeFlags,
                  static_cast<uint32_t>(DISCL_EXCLUSIVE | DISCL_BACKGROUND));
        EXPECT_EQ(calls.cooperativeFlags, 9u);
        EXPECT_EQ(calls.cooperativeWindow, expectedWindow);
        EXPECT_EQ(calls.enumObjects, 1u);
        EXPECT_EQ(calls.enumObjectsFlags, static_cast<uint32_t>(DIDFT_ALL));
        EXPECT_EQ(calls.getDeviceInfo, 1u);
        EXPECT_EQ(calls.getCapabilities, 1u);
        EXPECT_EQ(calls.acquire, 0u);  // joysticks are acquired by their first poll
    }
    const vc::DeviceCalls& m = mouse().calls;
    EXPECT_EQ(m.createDevice, 1u);
    EXPECT_EQ(m.dataFormat, vc::kMouse2);
    EXPECT_EQ(m.cooperativeFlags, 10u);
    EXPECT_EQ(m.cooperativeWindow, expectedWindow);
    EXPECT_EQ(m.enumObjects, 0u);
    EXPECT_EQ(m.acquire, 1u);
    EXPECT_EQ(directInput->descriptions[0].dwSize, 580u);
    EXPECT_EQ(directInput->capabilities[1].dwSize, 44u);
}

TEST_F(Preparation, EveryAxisObjectGetsTheRangeOfPlusMinusThousand) {
    addPad("Full", kAllAxes, 2, 20, 4);
    addPad("Small", vc::Axis::kY | vc::Axis::kRz, 1, 3, 0);
    ASSERT_EQ(init(), DI_OK);
    const vc::DeviceCalls& full = controller(0).calls;
    EXPECT_EQ(full.objectsEnumerated, 8u + 4u + 20u);
    EXPECT_EQ(full.setRange, 8u);  // hats and buttons get none
    EXPECT_EQ(full.rangeSetAxes, 0xFFu);
    for (int axis = 0; axis < vc::kAxes; ++axis) {
        EXPECT_EQ(full.rangeMin[axis], -1000) << axis;
        EXPECT_EQ(full.rangeMax[axis], 1000) << axis;
    }
    EXPECT_EQ(controller(1).calls.rangeSetAxes, (1u << 1) | (1u << 5) | (1u << 6));
    EXPECT_EQ(mouse().calls.setRange, 0u);
}

TEST_F(Preparation, CapabilityFlagsFromTheObjects) {
    addPad("One slider", vc::Axis::kX | vc::Axis::kY, 1, 8, 0);
    addPad("Two sliders and a hat", vc::Axis::kX | vc::Axis::kY | vc::Axis::kZ | vc::Axis::kRz, 2,
           8, 1);
    addPad("Rotations and four hats", vc::Axis::kRx | vc::Axis::kRy, 0, 8, 4);
    mouse().setup.axes = 2;
    ASSERT_EQ(init(), DI_OK);
    const uint32_t expected[] = {0x80 | 0x100 | 0x200,
                                 0x80 | 0x100 | 0x1 | 0x8 | 0x200 | 0x400 | 0x10, 0x2 | 0x4 | 0x10};
    for (int d = 0; d < 3; ++d) {
        EXPECT_EQ(table->capabilityFlags[2 * d], expected[d]) << d;
        EXPECT_EQ(table->capabilityFlags[2 * d + 1], expected[d]) << d;
    }
    EXPECT_EQ(table->capabilityFlags[6], 0x180u);  // a mouse without a wheel
    EXPECT_EQ(directInput->capabilities[2].dwAxes, 6u);
    EXPECT_EQ(directInput->capabilities[4].dwPOVs, 4u);
}

TEST_F(Preparation, RefusedRangeStopsThatDevicesObjectsOnly) {
    vc::Device& refusing = addPad("Refuses Y", vc::Axis::kX | vc::Axis::kY | vc::Axis::kZ, 0, 4, 1);
    refusing.setup.refuseRangeAxis = 1;
    addPad("Next", vc::Axis::kX | vc::Axis::kY, 0, 4, 1);
    EXPECT_EQ(init(), DI_OK);
    // X counted, Y refused, Z, the hat and the buttons never seen.
    EXPECT_EQ(controller(0).calls.objectsEnumerated, 2u);
    EXPECT_EQ(controller(0).calls.rangeSetAxes, 1u);
    EXPECT_EQ(table->capabilityFlags[0], 0x80u);
    EXPECT_EQ(table->capabilityFlags[1], 0x80u);
    // Set-up goes on with the same device and the next one.
    EXPECT_EQ(controller(0).calls.setCooperativeLevel, 1u);
    EXPECT_EQ(table->capabilityFlags[2], 0x80u | 0x100u | 0x10u);
    EXPECT_NE(directInput->mouse, nullptr);
}

// A failure of any of these steps ends initDevices with exactly its result.
struct FailureCase {
    const char* step;
    std::function<void(vc::Block&)> script;
    bool joystickPrepared;  // the first joystick was set up before the failure
    bool mouseCreated;
};

TEST_F(Preparation, EveryFailingStepReturnsItsResult) {
    const FailureCase cases[] = {
        {"DirectInput8Create", [](vc::Block& b) { b.createResult = 0x88780001; }, false, false},
        {"EnumDevices", [](vc::Block& b) { b.enumDevicesResult = 0x88780002; }, false, false},
        {"joystick SetDataFormat",
         [](vc::Block& b) { b.controllers[1].setup.setDataFormatResult = 0x88780003; }, true,
         false},
        {"joystick SetCooperativeLevel",
         [](vc::Block& b) { b.controllers[1].setup.setCooperativeLevelResult = 0x88780004; }, true,
         false},
        {"joystick EnumObjects",
         [](vc::Block& b) { b.controllers[1].setup.enumObjectsResult = 0x88780005; }, true, false},
        {"mouse CreateDevice", [](vc::Block& b) { b.mouse.setup.createDeviceResult = 0x88780006; },
         true, false},
        {"mouse SetDataFormat",
         [](vc::Block& b) { b.mouse.setup.setDataFormatResult = 0x88780007; }, true, true},
        {"mouse SetCooperativeLevel",
         [](vc::Block& b) { b.mouse.setup.setCooperativeLevelResult = 0x88780008; }, true, true},
    };
    HRESULT expected = static_cast<HRESULT>(0x88780001);
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.step);
        vc::resetBlock(block());
        addPads(2);
        c.script(block());
        *table = DeviceTable{};
        *directInput = DirectInputTables{};
        currentBlock = 8;

        EXPECT_EQ(init(), expected);
        expected = static_cast<HRESULT>(static_cast<uint32_t>(expected) + 1);
        EXPECT_EQ(table->capabilityFlags[0] != 0, c.joystickPrepared);
        EXPECT_EQ(directInput->mouse != nullptr, c.mouseCreated);
        EXPECT_EQ(mouse().calls.acquire, 0u);  // set-up ended before the mouse was taken
        TearDown();
        *directInput = DirectInputTables{};
    }
}

}  // namespace
}  // namespace tarvik
