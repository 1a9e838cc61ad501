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

    // Two pads of one product: DirectInput numbers them among those
    // attached, so only their paths tell them apart.
    void identicalPads() {
        vc::resetBlock(block());
        for (int i = 0; i < 2; ++i) {
            vc::addController(block(), "Identical pad", vc::Axis::kX | vc::Axis::kY, 0, 12, 1);
        }
    }

    // Block 0 button 1 types A, block 2 B and the mouse's block with two pads M.
    void writePlacesConfig() {
        auto config = demo::newConfiguration();
        holdIn(*config, 0, 0, 'A');
        holdIn(*config, 2, 0, 'B');
        holdIn(*config, 4, 0, 'M');
        writeConfig("tarvik7.cfg", *config);
    }

    bool waitForLook(uint32_t before) {
        return pumpUntil([&] { return block().directInput.enumDevices > before; });
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
    // The listing itself saw it go: a gone pad is no longer read.
    const uint32_t polls = block().controllers[1].calls.poll;
    pumpFor(200);
    EXPECT_EQ(block().controllers[1].calls.poll, polls);
    // The pad that stayed maps on in its own block, the pulled one back in its own.
    click(0, 0);
    setButton(1, 0, false);
    ASSERT_TRUE(change(1, true));
    click(1, 0);
    ASSERT_TRUE(probe.waitForKeys(6));
    pumpFor(100);
    EXPECT_EQ(probe.keys(), (Keys{"+U", "-U", "+A", "-A", "+U", "-U"}));
    expectNoMessageBox(tarvik);
    exitThroughTray(tarvik, window);
}

TEST_F(ProgramDeviceChange, IdenticalPadsKeepTheirOwnPlacesWhenOneIsPulledAndBack) {
    identicalPads();
    writePlacesConfig();
    TarvikProcess tarvik;
    HWND window = startMapping(tarvik);
    ASSERT_NE(window, nullptr);

    // The second pad now carries the instance GUID the first had.
    ASSERT_TRUE(change(0, false));
    click(1, 0);
    ASSERT_TRUE(probe.waitForKeys(2));
    ASSERT_TRUE(change(0, true));
    click(0, 0);
    click(1, 0);
    clickMouse(0);
    ASSERT_TRUE(probe.waitForKeys(8));
    pumpFor(100);
    EXPECT_EQ(probe.keys(), (Keys{"+B", "-B", "+A", "-A", "+B", "-B", "+M", "-M"}));
    exitThroughTray(tarvik, window);
}

TEST_F(ProgramDeviceChange, ARestartKeepsTheRememberedOrderOfIdenticalPads) {
    identicalPads();
    block().controllers[0].setup.port = 10;
    block().controllers[1].setup.port = 11;
    writePlacesConfig();
    {
        TarvikProcess tarvik;
        HWND window = startMapping(tarvik);
        ASSERT_NE(window, nullptr);
        exitThroughTray(tarvik, window);
    }
    // The system lists them the other way round this time.
    std::swap(block().controllers[0], block().controllers[1]);
    TarvikProcess tarvik;
    HWND window = startMapping(tarvik);
    ASSERT_NE(window, nullptr);
    click(1, 0);  // port 10, the first pad at the last run
    click(0, 0);
    ASSERT_TRUE(probe.waitForKeys(4));
    pumpFor(100);
    EXPECT_EQ(probe.keys(), (Keys{"+A", "-A", "+B", "-B"}));
    exitThroughTray(tarvik, window);
}

TEST_F(ProgramDeviceChange, AChangeThatConcernsNoPadKeepsAHeldKeyDown) {
    writeHoldingConfig("tarvik7.cfg", 'H');
    TarvikProcess tarvik;
    HWND window = startHolding(tarvik);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(probe.waitForKeys(1));

    // A USB stick: nothing about the pads changed.
    const uint32_t before = block().directInput.enumDevices;
    vc::VirtualControllerClient::announceDeviceChange();
    ASSERT_TRUE(waitForLook(before));
    pumpFor(200);
    EXPECT_EQ(probe.keys(), (Keys{"+H"})) << "the look stopped the mapping";
    setButton(0, 0, false);
    ASSERT_TRUE(probe.waitForKeys(2));
    pumpFor(200);
    EXPECT_EQ(probe.keys(), (Keys{"+H", "-H"}));
    exitThroughTray(tarvik, window);
}

TEST_F(ProgramDeviceChange, APadThatAppearsAfterTheFirstLookIsTakenAtTheSecond) {
    writePlacesConfig();
    TarvikProcess tarvik;
    HWND window = startMapping(tarvik);
    ASSERT_NE(window, nullptr);

    const uint32_t before = block().directInput.enumDevices;
    vc::VirtualControllerClient::announceDeviceChange();
    ASSERT_TRUE(waitForLook(before));
    pumpFor(1000);
    // Seated a second after the burst, with no word of its own.
    ASSERT_TRUE(virtualController().plug(1, "Late pad"));
    ASSERT_TRUE(waitForLook(before + 1));
    pumpFor(100);
    click(1, 0);
    ASSERT_TRUE(probe.waitForKeys(2));
    pumpFor(100);
    EXPECT_EQ(probe.keys(), (Keys{"+B", "-B"}));
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
    // Back through a fresh interface, set up as at start (every look opens
    // the listed controllers to read their paths; only a taken one is set up).
    EXPECT_EQ(block().controllers[0].calls.setDataFormat, 2u);
    EXPECT_EQ(block().controllers[0].calls.dataFormat, vc::kJoystick2);
    // Its reports wake the passes again: the old interface let go of the
    // event, the fresh one took it.
    EXPECT_EQ(block().reports[0].setEventNotification, 3u);
    EXPECT_EQ(block().reports[0].eventAttached, 1u);
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

TEST_F(ProgramDeviceChange, WaitWithoutAPadMapsTheMouseFromBlockTwo) {
    vc::resetBlock(block());
    auto config = demo::newConfiguration();
    holdIn(*config, 0, 0, 'Z');  // the first pad's block
    holdIn(*config, 2, 0, 'M');
    writeConfig("tarvik7.cfg", *config);
    TarvikProcess tarvik;
    HWND window = startMapping(tarvik, "WAIT");
    ASSERT_NE(window, nullptr);
    clickMouse(0);
    ASSERT_TRUE(probe.waitForKeys(2));
    pumpFor(100);
    EXPECT_EQ(probe.keys(), (Keys{"+M", "-M"}));
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
