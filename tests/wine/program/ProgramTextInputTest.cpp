// Learning a moved stick in the configuration window, and the two windows
// the running program opens itself: the text-input grid and the
// function-key selector. Both must leave the focus where it is, so what
// they type reaches the focused probe window.

#include "ProgramRig.h"

namespace tarvik::testing {
namespace {

using Keys = std::vector<std::string>;

constexpr int kAxisX = 0;
constexpr int kAxisY = 1;

bool probeHasTheFocus() {
    char name[64] = {};
    GetClassNameA(GetForegroundWindow(), name, sizeof name);
    return lstrcmpA(name, "TarvikProgramKeyProbe") == 0;
}

class ProgramTextInput : public RunningProgram {
  protected:
    uint32_t reads() { return block().controllers[0].calls.getDeviceState; }

    // Waits until the program has read the pad once more, and a little
    // longer, so that read has taken its copy of the input.
    bool nextRead() {
        const uint32_t before = reads();
        const bool read = pumpUntil([&] { return reads() != before; }, 3000);
        pumpFor(40);
        return read;
    }

    // Deflects the stick for exactly one read of the pad. While the window
    // is open every read is followed by a pause of at least 200 ms, so the
    // stick is moved and centred in the quiet after a read.
    ::testing::AssertionResult nudge(int axis, int32_t position) {
        if (!nextRead()) return ::testing::AssertionFailure() << "the pad is not read";
        virtualController().setAxis(0, axis, position);
        const bool read = nextRead();
        virtualController().setAxis(0, axis, 0);
        if (!read) return ::testing::AssertionFailure() << "the moved pad is not read";
        return ::testing::AssertionSuccess();
    }

    // Presses a button until the pad has been read with it held, then lets
    // go of it.
    void pressForOneRead(int button) {
        nextRead();
        setButton(0, button, true);
        nextRead();
        setButton(0, button, false);
        nextRead();
    }

    // A record whose button 1 opens the grid and whose button 3 types "m".
    static std::unique_ptr<Configuration> gridRecord() {
        auto config = demo::newConfiguration();
        LayerBlock& pad = config->blocks[0];
        pad.entries[EntryIndex::button(0)].openStringInput = 1;
        demo::typeText(pad.entries[EntryIndex::button(2)], "m");
        return config;
    }

    // Holds button 0, which opens the grid, until the grid shows.
    HWND openGridWithButton0(const TarvikProcess& tarvik) {
        setButton(0, 0, true);
        HWND grid = waitForGrid(tarvik);
        setButton(0, 0, false);
        return grid;
    }

    // Once text input has ended the mapping is back: button 2 types "m".
    void expectButton2TypesM() {
        ASSERT_TRUE(probe.focus()) << describeForeground();
        click(0, 2);
        ASSERT_TRUE(probe.waitForKeys(2));
        EXPECT_EQ(probe.keys(), (Keys{"+M", "-M"}));
    }
};

TEST_F(ProgramTextInput, ConfigurationWindowSelectsAMovedAxis) {
    auto config = demo::newConfiguration();
    config->blocks[0].learnMask = LearnMask::kButtons | LearnMask::kAxes;
    TarvikProcess tarvik;
    HWND window = startOn(tarvik, *config);
    ASSERT_NE(window, nullptr);

    HWND configWindow = openConfigWindow(tarvik, window, 1050 + 33);
    ASSERT_NE(configWindow, nullptr);
    HWND radio = GetDlgItem(configWindow, 1050 + 33);
    // The entry page's "name" button shows only with an entry selected.
    auto nameButtonShows = [&] {
        HWND nameButton = GetDlgItem(configWindow, 1205);
        return nameButton != nullptr && IsWindowVisible(nameButton) != FALSE;
    };
    EXPECT_NE(SendMessageA(radio, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_FALSE(nameButtonShows());

    // X+ is control 33.
    virtualController().setAxis(0, kAxisX, 600);
    EXPECT_TRUE(
        pumpUntil([&] { return SendMessageA(radio, BM_GETCHECK, 0, 0) == BST_CHECKED; }, 3000));
    EXPECT_TRUE(pumpUntil(nameButtonShows, 3000));
    virtualController().setAxis(0, kAxisX, 0);

    PostMessageA(configWindow, WM_CLOSE, 0, 0);
    ASSERT_TRUE(pumpUntil([&] { return !IsWindow(configWindow); }));
    exitThroughTray(tarvik, window);
}

TEST_F(ProgramTextInput, StickAndButtonsTypeFromTheGridUntilTheExitRow) {
    auto config = gridRecord();
    LayerBlock& pad = config->blocks[0];
    pad.learnMask = LearnMask::kButtons | LearnMask::kAxes;
    demo::typeText(pad.entries[EntryIndex::button(1)], "x");  // also the exit button
    TarvikProcess tarvik;
    HWND window = startOn(tarvik, *config);
    ASSERT_NE(window, nullptr);

    HWND grid = openGridWithButton0(tarvik);
    ASSERT_NE(grid, nullptr);
    char caption[64] = {};
    GetWindowTextA(grid, caption, sizeof caption);
    EXPECT_STREQ(caption, "text input with gaming device");
    EXPECT_TRUE(probeHasTheFocus()) << describeForeground();
    nextRead();
    // The held opening button was learned while the highlight stood on
    // code 0, which has no key.
    EXPECT_EQ(probe.keys(), Keys{});

    // From code 0 four rows down and one column right: 'A' (65), typed
    // with SHIFT.
    for (int step = 0; step < 4; ++step) ASSERT_TRUE(nudge(kAxisY, 600));
    ASSERT_TRUE(nudge(kAxisX, 600));
    pressForOneRead(1);
    ASSERT_TRUE(probe.waitForKeys(4, 3000));
    EXPECT_EQ(probe.keys(), (Keys{"+10", "+A", "-A", "-10"}));
    EXPECT_TRUE(probeHasTheFocus()) << describeForeground();

    // Held down, the stick stops at the exit row; a button there closes.
    virtualController().setAxis(0, kAxisY, 600);
    for (int pass = 0; pass < 6; ++pass) nextRead();
    virtualController().setAxis(0, kAxisY, 0);
    nextRead();
    EXPECT_TRUE(IsWindow(grid));
    setButton(0, 1, true);
    EXPECT_TRUE(pumpUntil([&] { return !IsWindow(grid); }, 3000));
    // Held past the pause after closing, into the mapping: the close is all
    // the press does.
    pumpFor(800);
    setButton(0, 1, false);
    pumpFor(100);
    EXPECT_EQ(probe.count(), 4u);

    probe.clear();
    ASSERT_NO_FATAL_FAILURE(expectButton2TypesM());
    exitThroughTray(tarvik, window);
}

TEST_F(ProgramTextInput, AGridClosedByAnotherProgramEndsTextInput) {
    auto config = gridRecord();
    TarvikProcess tarvik;
    HWND window = startOn(tarvik, *config);
    ASSERT_NE(window, nullptr);

    HWND grid = openGridWithButton0(tarvik);
    ASSERT_NE(grid, nullptr);
    PostMessageA(grid, WM_CLOSE, 0, 0);  // as the taskbar does
    ASSERT_TRUE(pumpUntil([&] { return !IsWindow(grid); }, 3000));

    ASSERT_NO_FATAL_FAILURE(expectButton2TypesM());
    exitThroughTray(tarvik, window);
}

TEST_F(ProgramTextInput, ThreePressesOfTheSelectorTypeF3) {
    auto config = demo::newConfiguration();
    config->blocks[0].entries[EntryIndex::button(3)].fSelect = 1;
    TarvikProcess tarvik;
    HWND window = startOn(tarvik, *config);
    ASSERT_NE(window, nullptr);

    bool focusKept = true;
    bool selectorSeen = false;
    auto watch = [&] {
        if (windowOfProcess(tarvik.id(), "JoyF") != nullptr) selectorSeen = true;
        if (!probeHasTheFocus()) focusKept = false;
    };
    // While the selector is open a pass takes over 100 ms; each press and
    // each release is held until the pad has been read.
    auto holdForOneRead = [&](bool down) {
        setButton(0, 3, down);
        const uint32_t before = reads();
        pumpUntil([&] { return watch(), reads() != before; }, 3000);
        pumpUntil([&] { return watch(), false; }, 40);
    };
    for (int press = 0; press < 3; ++press) {
        holdForOneRead(true);
        holdForOneRead(false);
    }
    EXPECT_TRUE(pumpUntil([&] { return watch(), probe.count() >= 2; }, 3000))
        << probe.count() << " keys; " << describeForeground();
    pumpUntil([&] { return watch(), false; }, 200);
    EXPECT_EQ(probe.keys(), (Keys{"+72", "-72"}));
    EXPECT_TRUE(selectorSeen);
    EXPECT_TRUE(pumpUntil([&] { return windowOfProcess(tarvik.id(), "JoyF") == nullptr; }, 3000));
    EXPECT_TRUE(focusKept) << describeForeground();
    exitThroughTray(tarvik, window);
}

}  // namespace
}  // namespace tarvik::testing
