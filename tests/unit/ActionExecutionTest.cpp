#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "config/Defaults.h"
#include "engine/ActionExecution.h"
#include "fakes/ConfigFixtures.h"
#include "fakes/RecordingEngineWindows.h"
#include "fakes/RecordingPlatform.h"

namespace tarvik {
namespace {

using Log = std::vector<std::string>;

std::string key(unsigned vk, unsigned scan, unsigned flags) {
    char line[64];
    std::snprintf(line, sizeof(line), "key vk=%02X scan=%02X flags=%u", vk, scan, flags);
    return line;
}
// Keys as the recording platform maps them.
const std::string kShiftDown = key(0x10, 0x2A, 0), kShiftUp = key(0x10, 0x2A, 2);
const std::string kCtrlDown = key(0x11, 0x1D, 0), kCtrlUp = key(0x11, 0x1D, 2);
const std::string kAltDown = key(0x12, 0x38, 0), kAltUp = key(0x12, 0x38, 2);
const std::string kTabDown = key(0x09, 0x0F, 0), kTabUp = key(0x09, 0x0F, 2);
const std::string kADown = key(0x41, 0x1E, 0), kAUp = key(0x41, 0x1E, 2);
const std::string kBDown = key(0x42, 0x30, 0), kBUp = key(0x42, 0x30, 2);

std::string mouse(unsigned flags, int dx = 0, int dy = 0) {
    char line[80];
    std::snprintf(line, sizeof(line), "mouse flags=%X dx=%d dy=%d data=0", flags, dx, dy);
    return line;
}

class Actions : public ::testing::Test {
  protected:
    testing::RecordingPlatform platform;
    EngineState state;
    FunctionKeyTable functionKeys{};
    std::unique_ptr<DeviceTable> devices = testing::makeDeviceTable(2);
    std::unique_ptr<Configuration> config = testing::makeDefaultConfiguration();
    SyntheticInput input{platform, state, *devices};
    testing::RecordingEngineWindows windows{platform.log, functionKeys};
    ActionExecution executor{{input, state, functionKeys, *devices, platform, windows}};

    void SetUp() override {
        platform.recordSleeps = false;
        fillFunctionKeyTable(functionKeys, platform);
    }
    ControlEntry& entry(int index, int block = 0) { return config->blocks[block].entries[index]; }

    Log run(ControlEntry& e, ActionMode mode, int block = 0) {
        platform.clear();
        executor.executeAction(block, e, mode);
        return platform.log;
    }
    Log press(ControlEntry& e, int block = 0) { return run(e, ActionMode::kPress, block); }
    // What a mapping pass at `nowMs` repeats.
    Log repeatAt(uint32_t nowMs) {
        platform.clear();
        platform.nowMs = nowMs;
        executor.repeatHeldKey();
        return platform.log;
    }
    // What the passes at the given moments repeat, one after the other.
    void expectRepeats(std::initializer_list<std::pair<uint32_t, Log>> passes) {
        for (const auto& [nowMs, repeated] : passes) EXPECT_EQ(repeatAt(nowMs), repeated) << nowMs;
    }
    Log release(ControlEntry& e, int block = 0) { return run(e, ActionMode::kRelease, block); }

    static void recordKey(ControlEntry& e, uint16_t keyWord, uint16_t scanWord, char typed) {
        const int i = e.keyCount++;
        e.keyCodes[i] = keyWord;
        e.scanCodes[i] = scanWord;
        e.keyText[i] = typed;
    }
    ControlEntry& keysAB(int index = 1) {
        ControlEntry& e = entry(index);
        e.sendKeys = 1;
        recordKey(e, 0x41, 0x1E, 'a');
        recordKey(e, 0x42, 0x30, 'b');
        return e;
    }
    // The keys A and B with the entry's SHIFT, ALT and CTRL flags as given.
    void expectModifiersAroundAB(uint8_t shift, uint8_t alt, uint8_t ctrl, const Log& pressed,
                                 const Log& released) {
        ControlEntry& e = keysAB();
        e.withShift = shift;
        e.withAlt = alt;
        e.withCtrl = ctrl;
        EXPECT_EQ(press(e), pressed);
        EXPECT_EQ(release(e), released);
    }
    ControlEntry& mouseEntry(MouseActionCode code, int index = 4, int block = 0) {
        ControlEntry& e = entry(index, block);
        e.mouseAction = 1;
        e.mouseActionCode = code;
        return e;
    }
};

TEST_F(Actions, KeySequenceIsHeldFromPressToReleaseAndLetGoInOrder) {
    ControlEntry& e = keysAB();
    EXPECT_EQ(press(e), (Log{kADown, kBDown}));
    EXPECT_EQ(release(e), (Log{kAUp, kBUp}));
}

TEST_F(Actions, HeldSequenceRepeatsItsLastKeyAfterTheDelayAtTheRateUntilReleased) {
    ControlEntry& e = keysAB();
    platform.nowMs = 1000;
    press(e);
    expectRepeats({{1499, {}}, {1500, {kBDown}}, {1532, {}}, {1533, {kBDown}}, {1566, {kBDown}}});
    EXPECT_EQ(release(e), (Log{kAUp, kBUp}));
    EXPECT_EQ(repeatAt(3000), Log{});

    // The system's settings instead of the defaults.
    state.keyRepeatTiming = keyRepeatTiming(3, 0);
    platform.nowMs = 0;
    press(e);
    expectRepeats({{999, {}}, {1000, {kBDown}}, {1399, {}}, {1400, {kBDown}}});
}

TEST_F(Actions, RepeatGoesOutAsTheKeyWentDownAndEndsWithTheNextSequence) {
    ControlEntry& e = entry(1);
    e.sendKeys = 1;
    recordKey(e, 0x42, 0x30, 'b');
    recordKey(e, 0x141, 0x1E, 'A');
    e.withCtrl = 1;  // held from press to release, not repeated
    press(e);
    EXPECT_EQ(repeatAt(500), (Log{kShiftDown, kADown, kShiftUp}));

    // As on a keyboard, a newer key takes over, and the older key does not
    // resume once the newer one is let go.
    ControlEntry& other = keysAB(2);
    platform.nowMs = 600;
    press(other);
    EXPECT_EQ(repeatAt(1100), Log{kBDown});
    release(other);
    EXPECT_EQ(repeatAt(2000), Log{});
    // Letting go of a control whose key no longer repeats ends nothing else.
    platform.nowMs = 3000;
    press(other);
    release(e);
    EXPECT_EQ(repeatAt(3500), Log{kBDown});
}

TEST_F(Actions, AutoRepeatAutoReleaseAndNoRepeatEntriesNeverRepeat) {
    ControlEntry& released = keysAB(1);
    released.autoRelease = 1;
    ControlEntry& repeating = keysAB(2);
    repeating.autoRepeat = 1;
    for (ControlEntry* e : {&released, &repeating}) {
        platform.nowMs = 0;
        press(*e);
        EXPECT_EQ(repeatAt(5000), Log{});
    }
    ControlEntry& held = keysAB(3);
    state.keyRepeatTiming = kNoKeyRepeat;
    platform.nowMs = 0;
    press(held);
    EXPECT_EQ(repeatAt(5000), Log{});
}

TEST_F(Actions, AutoReleaseTypesEachKeyAtOnceAndReleaseSendsNothing) {
    ControlEntry& e = keysAB();
    e.autoRelease = 1;
    EXPECT_EQ(press(e), (Log{kADown, kAUp, kBDown, kBUp}));
    EXPECT_EQ(release(e), Log{});
}

TEST_F(Actions, OnlySendKeysOfOneSendsTheKeyUpsOnRelease) {
    ControlEntry& e = keysAB();
    e.sendKeys = 2;
    EXPECT_EQ(press(e), (Log{kADown, kBDown}));
    EXPECT_EQ(release(e), Log{});
}

TEST_F(Actions, KeyTextDecidesHowManyKeysAreSent) {
    ControlEntry& e = keysAB();
    e.keyText[0] = '\0';
    EXPECT_EQ(press(e), Log{});  // keyCodes hold words, but there is no text

    ControlEntry& three = entry(2);
    three.sendKeys = 1;
    recordKey(three, 0x41, 0x1E, 'a');
    recordKey(three, 0x42, 0x30, kNoCharacterPlaceholder);
    recordKey(three, 0x41, 0x1E, 'a');
    recordKey(three, 0x42, 0x30, '\0');
    three.keyCount = 40;  // the engine does not go by the count
    EXPECT_EQ(press(three), (Log{kADown, kBDown, kADown}));
}

TEST_F(Actions, KeyTextWithoutTerminatorSendsAtMostFiftyKeys) {
    ControlEntry& e = entry(3);
    e.sendKeys = 1;
    for (int i = 0; i < kKeyArrayLength; ++i) recordKey(e, 0x41, 0x1E, 'a');
    std::memset(e.label, 'x', sizeof(e.label));  // no NUL right after the text either
    EXPECT_EQ(press(e), Log(kKeyArrayLength, kADown));
    EXPECT_EQ(release(e), Log(kKeyArrayLength, kAUp));
}

TEST_F(Actions, PerKeyModifiersWrapOnlyTheirKeyDown) {
    ControlEntry& e = entry(1);
    e.sendKeys = 1;
    recordKey(e, 0x141, 0x1E, 'A');
    recordKey(e, 0x742, 0x30, 'B');
    EXPECT_EQ(press(e), (Log{kShiftDown, kADown, kShiftUp, kShiftDown, kAltDown, kCtrlDown, kBDown,
                             kShiftUp, kAltUp, kCtrlUp}));
    EXPECT_EQ(release(e), (Log{kAUp, kBUp}));  // no modifier on the way up

    e.autoRelease = 1;
    e.keyText[1] = '\0';
    EXPECT_EQ(press(e), (Log{kShiftDown, kADown, kAUp, kShiftUp}));
}

TEST_F(Actions, EntryModifiersAreHeldFromPressToRelease) {
    expectModifiersAroundAB(1, 1, 1, {kShiftDown, kAltDown, kCtrlDown, kADown, kBDown},
                            {kAUp, kBUp, kShiftUp, kAltUp, kCtrlUp});
}

TEST_F(Actions, EntryModifiersCountOnlyWhenOne) {
    expectModifiersAroundAB(2, 0xFF, 1, {kCtrlDown, kADown, kBDown}, {kAUp, kBUp, kCtrlUp});
}

TEST_F(Actions, EntryModifiersStayDownWithAutoReleaseAndRepeatWithAutoRepeat) {
    ControlEntry& e = keysAB();
    e.withShift = 1;
    e.autoRelease = 1;
    e.autoRepeat = 1;
    // The evaluation presses an auto-repeat entry on every pass.
    EXPECT_EQ(press(e), (Log{kShiftDown, kADown, kAUp, kBDown, kBUp}));
    EXPECT_EQ(press(e), (Log{kShiftDown, kADown, kAUp, kBDown, kBUp}));
    EXPECT_EQ(release(e), Log{kShiftUp});
}

TEST_F(Actions, EntryModifiersAroundAMouseClickWithAutoRelease) {
    ControlEntry& e = mouseEntry(kLeftClick);
    e.withShift = 1;
    e.autoRelease = 1;
    EXPECT_EQ(press(e), (Log{kShiftDown, mouse(0x2), mouse(0x4)}));
    EXPECT_EQ(release(e), Log{kShiftUp});
}

TEST_F(Actions, AutoReleaseOfAButtonDownActionReleasesWithinThePress) {
    ControlEntry& e = mouseEntry(kRightButtonDown);
    e.autoRelease = 1;
    e.delayMs = 3;
    platform.recordSleeps = true;
    EXPECT_EQ(press(e), (Log{mouse(0x8), "sleep 3", "sleep 3", mouse(0x10), "sleep 3", "sleep 3"}));
    EXPECT_EQ(release(e), (Log{mouse(0x10), "sleep 3", "sleep 3"}));
}

TEST_F(Actions, MouseActionNeedsExactlyOneButModifiersAnyNonZero) {
    ControlEntry& e = entry(4);
    e.mouseAction = 2;
    e.mouseActionCode = kLeftClick;
    e.withAlt = 1;
    EXPECT_EQ(press(e), Log{kAltDown});
    EXPECT_EQ(release(e), Log{kAltUp});
}

TEST_F(Actions, ConfigurationStepsAreAskedForOnPressAndSendNoMouseInput) {
    ControlEntry& e = entry(1);
    e.mouseAction = 1;
    e.autoRelease = 1;
    e.mouseActionCode = kNextConfiguration;
    EXPECT_EQ(press(e), Log{"configuration step 1"});
    EXPECT_EQ(release(e), Log{});
    e.mouseActionCode = kPreviousConfiguration;
    EXPECT_EQ(press(e), Log{"configuration step -1"});
}

TEST_F(Actions, SwitchProgramTypesAltTabInFourEvents) {
    ControlEntry& e = entry(5);
    e.switchProgram = 1;
    e.withShift = 1;  // not a key or mouse entry: no held modifier
    EXPECT_EQ(press(e), (Log{kAltDown, kTabDown, kAltUp, kTabUp}));
    EXPECT_EQ(release(e), Log{});
}

TEST_F(Actions, ProgramStartOpensThePathOnPressAndPauses) {
    ControlEntry& e = entry(6);
    e.startProgram = 1;
    std::strcpy(e.programPath, "C:\\games\\notes.txt");
    platform.recordSleeps = true;
    EXPECT_EQ(press(e), (Log{"shellOpen \"C:\\games\\notes.txt\"", "sleep 10"}));
    EXPECT_EQ(release(e), Log{});

    e.programPath[0] = '\0';  // still handed to the shell
    EXPECT_EQ(press(e), (Log{"shellOpen \"\"", "sleep 10"}));
}

TEST_F(Actions, ProgramPathWithoutTerminatorIsCutAtTheArraysEnd) {
    ControlEntry& e = entry(6);
    e.startProgram = 1;
    std::memset(e.programPath, 'p', sizeof(e.programPath));
    std::memset(&entry(7), 'q', sizeof(ControlEntry));  // what lies after it
    const Log log = press(e);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0], "shellOpen \"" + std::string(kProgramPathLength, 'p') + "\"");
}

TEST_F(Actions, StringInputOpensOnceAndRemembersItsBlock) {
    ControlEntry& e = entry(8, 3);
    e.openStringInput = 1;
    std::memset(state.textInput.echoLine, 'z', sizeof(state.textInput.echoLine));
    EXPECT_EQ(release(e, 3), Log{});
    EXPECT_EQ(press(e, 3), Log{"open JoyString"});
    EXPECT_EQ(state.stringWindow, windows.textInputHandle);
    EXPECT_EQ(state.stringBlock, 3);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(state.textInput.echoLine), kEchoLength),
              std::string(20, '\0'));

    // While it is open, another press opens nothing and changes nothing.
    state.textInput.echoLine[19] = 'k';
    EXPECT_EQ(press(entry(8, 4), 4), Log{});
    ControlEntry& other = entry(8, 4);
    other.openStringInput = 1;
    EXPECT_EQ(press(other, 4), Log{});
    EXPECT_EQ(state.stringBlock, 3);
    EXPECT_EQ(state.textInput.echoLine[19], 'k');
}

TEST_F(Actions, StringInputThatCouldNotBeCreatedIsTriedAgain) {
    ControlEntry& e = entry(8, 2);
    e.openStringInput = 1;
    windows.textInputHandle = kNoWindow;
    EXPECT_EQ(press(e, 2), Log{"open JoyString"});
    EXPECT_EQ(state.stringWindow, kNoWindow);
    EXPECT_EQ(state.stringBlock, 2);
    windows.textInputHandle = 0x77;
    EXPECT_EQ(press(e, 2), Log{"open JoyString"});
    EXPECT_EQ(state.stringWindow, WindowHandle{0x77});
}

TEST_F(Actions, FunctionKeySelectorOpensOnRowOneAndStepsThroughAllRows) {
    ControlEntry& e = entry(9);
    e.fSelect = 1;
    EXPECT_EQ(release(e), Log{});
    EXPECT_EQ(press(e), Log{"open JoyF row=1"});
    EXPECT_EQ(state.fSelectWindow, windows.selectorHandle);
    EXPECT_EQ(functionKeys.fSelectCountdown, 5);
    for (int step = 2; step <= 13; ++step) {
        functionKeys.fSelectCountdown = 2;  // the polling thread counted down meanwhile
        EXPECT_EQ(press(e), Log{});
        EXPECT_EQ(functionKeys.fSelectIndex, step % 13);
        EXPECT_EQ(functionKeys.fSelectCountdown, 5);
    }
    EXPECT_EQ(press(e), Log{});  // from "none" on to F1 again
    EXPECT_EQ(functionKeys.fSelectIndex, 1);
    EXPECT_EQ(release(e), Log{});
    EXPECT_EQ(functionKeys.fSelectIndex, 1);
}

TEST_F(Actions, FunctionKeySelectorThatCouldNotBeCreatedStartsOverFromRowOne) {
    ControlEntry& e = entry(9);
    e.fSelect = 1;
    windows.selectorHandle = kNoWindow;
    functionKeys.fSelectIndex = 7;
    EXPECT_EQ(press(e), Log{"open JoyF row=1"});
    EXPECT_EQ(press(e), Log{"open JoyF row=1"});
    EXPECT_EQ(state.fSelectWindow, kNoWindow);
    EXPECT_EQ(functionKeys.fSelectCountdown, 5);
}

TEST_F(Actions, AllKindsRunInTheirFixedOrder) {
    ControlEntry& e = entry(10);
    e.sendKeys = 1;
    recordKey(e, 0x41, 0x1E, 'a');
    e.withCtrl = 1;
    e.startProgram = 1;
    std::strcpy(e.programPath, "x");
    e.openStringInput = 1;
    e.fSelect = 1;
    e.switchProgram = 1;
    e.mouseAction = 1;
    e.mouseActionCode = kMoveDown;
    EXPECT_EQ(press(e), (Log{kCtrlDown, "shellOpen \"x\"", "open JoyString", "open JoyF row=1",
                             kAltDown, kTabDown, kAltUp, kTabUp, kADown, mouse(0x1, 0, 8)}));
    EXPECT_EQ(release(e), (Log{kAUp, kCtrlUp}));
}

TEST_F(Actions, DynamicStepScalesMovesByTheEntrysAxisInTheBlocksRow) {
    DeviceState& row = devices->states[3];
    struct Case {
        int index;
        int axis;
        int32_t value;
        int expectedX;  // with xStep 8
        int expectedY;  // with yStep 4
    };
    const Case cases[] = {
        {EntryIndex::axis(0, 0), 0, 500, 20, 10},    // X positive, half way
        {EntryIndex::axis(0, 0), 0, 1000, 40, 20},   // full deflection: five times
        {EntryIndex::axis(0, 1), 0, -1000, 40, 20},  // X negative: magnitude
        {EntryIndex::axis(1, 3), 1, -200, 8, 4},     // Y at level 1: plain step at 200
        {EntryIndex::axis(2, 15), 7, 750, 30, 15},   // slider 1 at level 2
        {EntryIndex::axis(0, 10), 5, 20, 0, 0},      // below 200 / step: nothing
    };
    for (const Case& c : cases) {
        ControlEntry& e = mouseEntry(kMoveRightDown, c.index, 3);
        e.dynamicStep = 1;
        e.xStep = 8;
        e.yStep = 4;
        row = DeviceState{};
        row.axes[c.axis] = c.value;
        stopDynamicMoves(state.dynamicMoves);  // each case a new hold
        EXPECT_EQ(press(e, 3), Log{mouse(0x1, c.expectedX, c.expectedY)}) << c.index;
        EXPECT_EQ(state.currentXStep, c.expectedX);
    }
}

TEST_F(Actions, DynamicStepOnOtherEntriesKeepsThePlainSteps) {
    devices->states[0].axes[0] = 1000;
    for (int index : {EntryIndex::button(4), EntryIndex::pov(0, 2), 0, 150}) {
        ControlEntry& e = mouseEntry(kMoveLeftUp, index);
        e.dynamicStep = 1;
        EXPECT_EQ(press(e), Log{mouse(0x1, -8, -8)}) << index;
    }
    // Without the flag an axis entry moves by plain steps too.
    EXPECT_EQ(press(mouseEntry(kMoveRight, EntryIndex::axis(0, 0))), Log{mouse(0x1, 8, 0)});
}

}  // namespace
}  // namespace tarvik
