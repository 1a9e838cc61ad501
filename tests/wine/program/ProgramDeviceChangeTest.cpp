// Controllers that come and go while Tarvik runs: the virtual controller
// plugs and unplugs them and announces the change to every window, as the
// system does.

#include <chrono>
#include <cstdio>

#include "ProgramRig.h"

namespace tarvik::testing {
namespace {

using Keys = std::vector<std::string>;

class ProgramDeviceChange : public RunningProgram {
  protected:
    // Plugs controller `index` (0-based) in, or pulls it out, announces it
    // and waits until Tarvik has enumerated the controllers again.
    ::testing::AssertionResult change(int index, bool plugged) {
        const uint32_t before = block().directInput.enumDevices;
        vc::VirtualControllerClient& controller = virtualController();
        if (!(plugged ? controller.plug(index, "Plugged pad") : controller.unplug(index))) {
            return ::testing::AssertionFailure() << "no controller place " << index;
        }
        vc::VirtualControllerClient::announceDeviceChange();
        if (pumpUntil([&] { return block().directInput.enumDevices > before; })) {
            // The set-up follows the listing; a few passes let it finish.
            pumpFor(100);
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure() << "Tarvik never enumerated the devices again";
    }

    void holdIn(Configuration& config, int block, int button, uint8_t key) {
        demo::holdKeys(config.blocks[block].entries[EntryIndex::button(button)], {key});
    }

    void clickMouse(int button) {
        virtualController().setMouseButton(button, true);
        pumpFor(60);
        virtualController().setMouseButton(button, false);
        pumpFor(60);
    }

    void expectNoMessageBox(const TarvikProcess& tarvik) {
        EXPECT_EQ(messageBoxOf(tarvik.id()), nullptr) << "a message box showed";
    }
};

TEST_F(ProgramDeviceChange, PadPluggedInLaterMapsItsBlockAndTheMouseMovesOn) {
    auto config = demo::newConfiguration();
    holdIn(*config, 2, 0, 'B');  // the mouse's block while one pad is there
    holdIn(*config, 4, 0, 'M');  // the mouse's block with two
    writeConfig("tarvik7.cfg", *config);
    TarvikProcess tarvik;
    HWND window = startMapping(tarvik);
    ASSERT_NE(window, nullptr);

    // Plugged in with its button 1 already down: the time from the
    // announcement to the key is what a user waits.
    ASSERT_TRUE(virtualController().plug(1, "Plugged pad"));
    setButton(1, 0, true);
    const auto announced = std::chrono::steady_clock::now();
    vc::VirtualControllerClient::announceDeviceChange();
    ASSERT_TRUE(probe.waitForKeys(1));
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - announced)
                        .count();
    std::printf("announcement to the new pad's first mapped key: %lld ms\n",
                static_cast<long long>(ms));
    setButton(1, 0, false);
    ASSERT_TRUE(probe.waitForKeys(2));
    clickMouse(0);
    ASSERT_TRUE(probe.waitForKeys(4));
    pumpFor(100);
    EXPECT_EQ(probe.keys(), (Keys{"+B", "-B", "+M", "-M"}));
    expectNoMessageBox(tarvik);
    exitThroughTray(tarvik, window);
}

TEST_F(ProgramDeviceChange, KeyHeldOnAPadThatIsPulledOutComesUp) {
    addPad();
    auto config = demo::newConfiguration();
    holdIn(*config, 0, 0, 'A');
    holdIn(*config, 2, 0, 'U');
    writeConfig("tarvik7.cfg", *config);
    TarvikProcess tarvik;
    HWND window = startMapping(tarvik);
    ASSERT_NE(window, nullptr);

    setButton(1, 0, true);
    ASSERT_TRUE(probe.waitForKeys(1));
    ASSERT_TRUE(change(1, false));
    ASSERT_TRUE(probe.waitForKeys(2));
    // The pad that stayed maps on in its own block.
    click(0, 0);
    ASSERT_TRUE(probe.waitForKeys(4));
    pumpFor(100);
    EXPECT_EQ(probe.keys(), (Keys{"+U", "-U", "+A", "-A"}));
    expectNoMessageBox(tarvik);
    exitThroughTray(tarvik, window);
}

TEST_F(ProgramDeviceChange, PadPluggedBackGoesToItsOwnSlot) {
    addPad();
    auto config = demo::newConfiguration();
    holdIn(*config, 0, 0, 'A');
    holdIn(*config, 2, 0, 'B');
    holdIn(*config, 4, 0, 'M');
    holdIn(*config, 6, 0, 'X');  // a third pad's block: never typed
    writeConfig("tarvik7.cfg", *config);
    TarvikProcess tarvik;
    HWND window = startMapping(tarvik);
    ASSERT_NE(window, nullptr);

    ASSERT_TRUE(change(0, false));
    click(1, 0);  // the second pad keeps block 2 while the first is gone
    ASSERT_TRUE(change(0, true));
    click(0, 0);
    clickMouse(0);
    ASSERT_TRUE(probe.waitForKeys(6));
    pumpFor(100);
    EXPECT_EQ(probe.keys(), (Keys{"+B", "-B", "+A", "-A", "+M", "-M"}));
    // Back through a fresh interface, set up as at start.
    EXPECT_EQ(block().controllers[0].calls.createDevice, 2u);
    EXPECT_EQ(block().controllers[0].calls.dataFormat, vc::kJoystick2);
    exitThroughTray(tarvik, window);
}

TEST_F(ProgramDeviceChange, WaitStartsWithoutAPadAndTakesOneThatArrives) {
    vc::resetBlock(block());
    auto config = demo::newConfiguration();
    holdIn(*config, 0, 0, 'W');
    writeConfig("tarvik7.cfg", *config);
    TarvikProcess tarvik;
    HWND window = startMapping(tarvik, "WAIT");
    ASSERT_NE(window, nullptr);
    expectNoMessageBox(tarvik);

    // The system announces one plug with a burst of messages.
    const uint32_t before = block().directInput.enumDevices;
    ASSERT_TRUE(virtualController().plug(0));
    for (int i = 0; i < 5; ++i) vc::VirtualControllerClient::announceDeviceChange();
    ASSERT_TRUE(pumpUntil([&] { return block().directInput.enumDevices > before; }));
    pumpFor(500);
    EXPECT_EQ(block().directInput.enumDevices, before + 1) << "one enumeration per burst";
    click(0, 0);
    ASSERT_TRUE(probe.waitForKeys(2));
    pumpFor(100);
    EXPECT_EQ(probe.keys(), (Keys{"+W", "-W"}));
    exitThroughTray(tarvik, window);
}

// The window is built anew rather than closed: what the user edits stays
// in front of them, and the mouse's page follows the mouse.
TEST_F(ProgramDeviceChange, OpenConfigurationWindowShowsThePluggedPad) {
    constexpr int kFirstDeviceRadio = 1000;  // block 0; block b is 1000 + b
    writeConfig("tarvik7.cfg", *demo::newConfiguration());
    TarvikProcess tarvik;
    HWND window = startMapping(tarvik);
    ASSERT_NE(window, nullptr);
    HWND config = openConfigWindow(tarvik, window, kFirstDeviceRadio + 2);
    ASSERT_NE(config, nullptr);
    PostMessageA(config, WM_COMMAND, MAKEWPARAM(kFirstDeviceRadio + 2, BN_CLICKED), 0);
    ASSERT_TRUE(pumpUntil([&] { return IsDlgButtonChecked(config, kFirstDeviceRadio + 2); }));

    ASSERT_TRUE(change(1, true));
    const auto caption = [&](int block) {
        char text[32] = {};
        GetDlgItemTextA(config, kFirstDeviceRadio + block, text, sizeof text);
        return std::string(text);
    };
    ASSERT_TRUE(pumpUntil([&] { return caption(4) == "Mouse"; }));
    EXPECT_EQ(caption(2), "2");
    EXPECT_EQ(caption(3), "S2");
    EXPECT_TRUE(IsDlgButtonChecked(config, kFirstDeviceRadio + 4));
    EXPECT_FALSE(IsDlgButtonChecked(config, kFirstDeviceRadio + 2));
    EXPECT_TRUE(IsWindow(config));
    expectNoMessageBox(tarvik);
    exitThroughTray(tarvik, window);
}

}  // namespace
}  // namespace tarvik::testing
