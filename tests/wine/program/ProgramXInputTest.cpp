// XInput pads through the virtual xinput1_4.dll beside tarvik.exe: the two
// triggers apart, a pad that both DLLs show listed once, and NOXINPUT.

#include "ProgramRig.h"

namespace tarvik::testing {
namespace {

using Keys = std::vector<std::string>;

constexpr uint16_t kA = 0x1000;

class ProgramXInput : public RunningProgram {
  protected:
    vc::XPad& xpad(int user) { return block().xpads[user]; }
    void clickXPad(int user, uint16_t button) {
        xpad(user).buttons = button;
        pumpFor(60);
        xpad(user).buttons = 0;
        pumpFor(60);
    }
    // The demo pad is also XInput pad 1; button 1 types "a", button 2 "b".
    void twinWithTypingConfig(bool bluetooth = false) {
        vc::connectXPad(block(), 0, 1).bluetooth = bluetooth ? 1 : 0;
        auto config = typing("a");
        demo::typeText(config->blocks[0].entries[EntryIndex::button(1)], "b");
        writeConfig("tarvik7.cfg", *config);
    }
};

TEST_F(ProgramXInput, TriggersFireS1AndS2ApartWhileBothAreHeld) {
    block().controllerCount = 0;
    vc::connectXPad(block(), 0);
    auto config = demo::newConfiguration();
    demo::holdKeys(config->blocks[0].entries[EntryIndex::axis(2, 12)], {'L'});  // S1+ at "I"
    demo::holdKeys(config->blocks[0].entries[EntryIndex::axis(2, 14)], {'R'});  // S2+ at "I"
    writeConfig("tarvik7.cfg", *config);
    TarvikProcess tarvik;
    HWND window = startMapping(tarvik);
    ASSERT_NE(window, nullptr);

    xpad(0).leftTrigger = 255;
    ASSERT_TRUE(probe.waitForKeys(1));
    xpad(0).rightTrigger = 255;
    ASSERT_TRUE(probe.waitForKeys(2));
    pumpFor(60);
    xpad(0).leftTrigger = 0;
    ASSERT_TRUE(probe.waitForKeys(3));
    xpad(0).rightTrigger = 0;
    ASSERT_TRUE(probe.waitForKeys(4));
    pumpFor(100);
    EXPECT_EQ(probe.keys(), (Keys{"+L", "+R", "-L", "-R"}));
    exitThroughTray(tarvik, window);
}

TEST_F(ProgramXInput, PadConnectedAfterStartIsTakenOnADeviceChangeAndRestsWhenGone) {
    auto config = demo::newConfiguration();
    demo::holdKeys(config->blocks[2].entries[EntryIndex::button(0)], {'X'});
    writeConfig("tarvik7.cfg", *config);
    TarvikProcess tarvik;
    HWND window = startMapping(tarvik);  // the DirectInput demo pad alone
    ASSERT_NE(window, nullptr);

    vc::connectXPad(block(), 0);
    xpad(0).buttons = kA;
    vc::VirtualControllerClient::announceDeviceChange();
    ASSERT_TRUE(probe.waitForKeys(1));
    EXPECT_EQ(probe.keys(), (Keys{"+X"}));
    // Pulled out with A held: the pad reads at rest and the key comes up.
    xpad(0).connected = 0;
    ASSERT_TRUE(probe.waitForKeys(2));
    EXPECT_EQ(probe.keys(), (Keys{"+X", "-X"}));
    exitThroughTray(tarvik, window);
}

TEST_F(ProgramXInput, PadThatBothShowIsListedOnceThroughXInput) {
    // A USB path names the ids "VID_045E&PID_02E0", a classic-Bluetooth one
    // "VID&0002045e_PID&02e0".
    for (const bool bluetooth : {false, true}) {
        SCOPED_TRACE(bluetooth ? "Bluetooth" : "USB");
        probe.clear();
        twinWithTypingConfig(bluetooth);
        TarvikProcess tarvik;
        // Listed twice, ONEONLY would warn and end.
        HWND window = startMapping(tarvik, "ONEONLY");
        ASSERT_NE(window, nullptr);

        clickXPad(0, kA);
        ASSERT_TRUE(probe.waitForKeys(2));
        click(0, 1);  // the DirectInput twin is not read
        pumpFor(100);
        EXPECT_EQ(probe.keys(), (Keys{"+A", "-A"}));
        exitThroughTray(tarvik, window);
    }
}

TEST_F(ProgramXInput, TwinsDoNotKeepANewControllerOut) {
    // Four DirectInput pads and XInput's pad take five places; XInput's
    // twin is listed before the controller plugged in later.
    vc::resetBlock(block());
    for (int i = 0; i < 5; ++i) virtualController().plug(i);
    vc::connectXPad(block(), 0, 5);
    writeConfig("tarvik7.cfg", *demo::newConfiguration());
    TarvikProcess tarvik;
    HWND window = startMapping(tarvik);
    ASSERT_NE(window, nullptr);

    const uint32_t before = block().directInput.enumDevices;
    ASSERT_TRUE(virtualController().plug(5));
    vc::VirtualControllerClient::announceDeviceChange();
    ASSERT_TRUE(pumpUntil([&] { return block().directInput.enumDevices > before; }));
    pumpFor(100);
    EXPECT_EQ(block().controllers[5].calls.dataFormat, vc::kJoystick2) << "the new one was set up";
    EXPECT_EQ(block().controllers[4].calls.setDataFormat, 0u) << "the twin was not";
    exitThroughTray(tarvik, window);
}

TEST_F(ProgramXInput, NoXInputListsThePadThroughDirectInputOnly) {
    twinWithTypingConfig();
    TarvikProcess tarvik;
    HWND window = startMapping(tarvik, "NOXINPUT ONEONLY");
    ASSERT_NE(window, nullptr);

    clickXPad(0, kA);
    click(0, 1);
    ASSERT_TRUE(probe.waitForKeys(2));
    pumpFor(100);
    EXPECT_EQ(probe.keys(), (Keys{"+B", "-B"}));
    EXPECT_EQ(xpad(0).getState, 0u);  // XInput was never asked
    exitThroughTray(tarvik, window);
}

}  // namespace
}  // namespace tarvik::testing
