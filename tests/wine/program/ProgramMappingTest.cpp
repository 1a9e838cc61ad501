// What the running program types: a focused window of this test receives the
// keys while the test moves the virtual controller.

#include "ProgramRig.h"

namespace tarvik::testing {
namespace {

using Keys = std::vector<std::string>;

class ProgramMapping : public RunningProgram {};

TEST_F(ProgramMapping, ButtonHoldsItsKeysFromPressToRelease) {
    auto config = demo::newConfiguration();
    demo::holdKeys(config->blocks[0].entries[EntryIndex::button(2)], {'A', 'B'});
    writeConfig("tarvik7.cfg", *config);
    TarvikProcess tarvik;
    HWND window = startMapping(tarvik);
    ASSERT_NE(window, nullptr);

    setButton(0, 2, true);
    ASSERT_TRUE(probe.waitForKeys(2));
    pumpFor(100);
    EXPECT_EQ(probe.keys(), (Keys{"+A", "+B"}));
    setButton(0, 2, false);
    ASSERT_TRUE(probe.waitForKeys(4));
    pumpFor(100);
    EXPECT_EQ(probe.keys(), (Keys{"+A", "+B", "-A", "-B"}));
    exitThroughTray(tarvik, window);
}

TEST_F(ProgramMapping, ShiftButtonSelectsTheShiftedBlock) {
    auto config = demo::newConfiguration();
    config->header.shiftDevice = 0;
    config->header.shiftButton = 11;
    demo::typeText(config->blocks[0].entries[EntryIndex::button(0)], "p");
    demo::typeText(config->blocks[1].entries[EntryIndex::button(0)], "s");
    demo::typeText(config->blocks[0].entries[EntryIndex::button(11)], "x");  // never typed
    writeConfig("tarvik7.cfg", *config);
    TarvikProcess tarvik;
    HWND window = startMapping(tarvik);
    ASSERT_NE(window, nullptr);

    click(0, 0);
    setButton(0, 11, true);
    pumpFor(60);
    click(0, 0);
    setButton(0, 11, false);
    pumpFor(60);
    click(0, 0);
    ASSERT_TRUE(probe.waitForKeys(6));
    pumpFor(100);
    EXPECT_EQ(probe.keys(), (Keys{"+P", "-P", "+S", "-S", "+P", "-P"}));
    exitThroughTray(tarvik, window);
}

TEST_F(ProgramMapping, MouseBlockIsEvaluatedAfterEachDevice) {
    addPad();
    auto config = demo::newConfiguration();
    // Held, each entry types its letter again in every evaluation; the
    // mouse's block is 4 with two pads.
    for (const auto& [block, letter] : {std::pair{0, "a"}, {2, "b"}, {4, "m"}}) {
        ControlEntry& entry = config->blocks[block].entries[EntryIndex::button(2)];
        demo::typeText(entry, letter);
        entry.autoRepeat = 1;
    }
    writeConfig("tarvik7.cfg", *config);
    TarvikProcess tarvik;
    HWND window = startMapping(tarvik);
    ASSERT_NE(window, nullptr);

    virtualController().setMouseButton(2, true);
    setButton(0, 2, true);
    setButton(1, 2, true);
    ASSERT_TRUE(probe.waitForKeys(2 * 40));
    setButton(0, 2, false);
    setButton(1, 2, false);
    virtualController().setMouseButton(2, false);

    // Every pass types A M B M; the first pass may have seen only part of
    // the buttons, so the pattern is checked from the first A after it.
    Keys downs = probe.downs();
    downs.resize(40);
    size_t start = 4;
    while (start < downs.size() && downs[start] != "A") ++start;
    ASSERT_LT(start + 8, downs.size());
    std::string seen;
    for (const std::string& key : downs) seen += key;
    SCOPED_TRACE(seen);
    const char* pattern[] = {"A", "M", "B", "M"};
    for (size_t i = start; i < downs.size(); ++i) {
        EXPECT_EQ(downs[i], pattern[(i - start) % 4]) << "key " << i;
    }
    exitThroughTray(tarvik, window);
}

TEST_F(ProgramMapping, EndingTheProgramLetsGoOfHeldKeys) {
    auto config = demo::newConfiguration();
    demo::holdKeys(config->blocks[0].entries[EntryIndex::button(0)], {'H'});
    writeConfig("tarvik7.cfg", *config);
    TarvikProcess tarvik;
    HWND window = startMapping(tarvik);
    ASSERT_NE(window, nullptr);

    setButton(0, 0, true);
    ASSERT_TRUE(probe.waitForKeys(1));
    EXPECT_EQ(probe.keys(), Keys{"+H"});
    exitThroughTray(tarvik, window);
    setButton(0, 0, false);
    ASSERT_TRUE(probe.waitForKeys(2));
    EXPECT_EQ(probe.keys(), (Keys{"+H", "-H"}));
    EXPECT_EQ(GetAsyncKeyState('H') & 0x8000, 0);
}

TEST_F(ProgramMapping, OpenConfigurationWindowPausesTheMapping) {
    auto config = demo::newConfiguration();
    demo::typeText(config->blocks[0].entries[EntryIndex::button(0)], "c");
    writeConfig("tarvik7.cfg", *config);
    TarvikProcess tarvik;
    HWND window = startMapping(tarvik);
    ASSERT_NE(window, nullptr);

    PostMessageA(window, WM_COMMAND, MAKEWPARAM(102, 0), 0);
    HWND configWindow = nullptr;
    ASSERT_TRUE(pumpUntil(
        [&] { return (configWindow = windowOfProcess(tarvik.id(), "JoyConfig")) != nullptr; }));
    pumpFor(300);  // the polling thread goes idle within a pass
    probe.focus();
    click(0, 0);
    pumpFor(300);
    EXPECT_EQ(probe.count(), 0u);

    PostMessageA(configWindow, WM_CLOSE, 0, 0);
    ASSERT_TRUE(pumpUntil([&] { return !IsWindow(configWindow); }));
    probe.focus();
    pumpFor(300);
    click(0, 0);
    ASSERT_TRUE(probe.waitForKeys(2));
    EXPECT_EQ(probe.keys(), (Keys{"+C", "-C"}));
    exitThroughTray(tarvik, window);
}

TEST_F(ProgramMapping, SignallingTheTriggerEventEndsThePassWaitEarly) {
    writeConfig("tarvik7.cfg", *demo::newConfiguration());
    TarvikProcess tarvik;
    HWND window = startMapping(tarvik);
    ASSERT_NE(window, nullptr);
    HANDLE trigger = OpenEventA(EVENT_MODIFY_STATE, FALSE, "trigger");
    ASSERT_NE(trigger, nullptr);

    // Every pass reads the pad once; count the reads over equal spells.
    const uint32_t& reads = block().controllers[0].calls.getDeviceState;
    auto readsDuring = [&](bool signalling) {
        const uint32_t before = reads;
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < 500) {
            if (signalling) SetEvent(trigger);
            Sleep(signalling ? 0 : 10);
        }
        return reads - before;
    };
    const uint32_t paced = readsDuring(false);
    const uint32_t signalled = readsDuring(true);
    EXPECT_GT(signalled, 2 * paced) << paced << " reads paced, " << signalled << " signalled";
    CloseHandle(trigger);
    exitThroughTray(tarvik, window);
}

}  // namespace
}  // namespace tarvik::testing
