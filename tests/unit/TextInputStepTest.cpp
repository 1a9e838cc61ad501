#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "engine/text_input/TextInputStep.h"
#include "fakes/ConfigFixtures.h"
#include "fakes/RecordingDeviceSource.h"
#include "fakes/RecordingExecutor.h"
#include "fakes/RecordingKeySender.h"
#include "fakes/RecordingPlatform.h"
#include "ui/text_input/TextInputLayout.h"

namespace tarvik {
namespace {

using Log = std::vector<std::string>;

// A keyboard whose OEM mapping the test scripts; unscripted characters have
// no key.
class ScriptedKeyboard : public testing::RecordingPlatform {
  public:
    std::map<uint8_t, uint32_t> oemKeys;
    uint32_t oemKeyScan(uint8_t ch) override {
        const auto it = oemKeys.find(ch);
        return it == oemKeys.end() ? 0xFFFFFFFFu : it->second;
    }
};

// Draws into the platform's log so drawing, keys and pauses form one sequence.
class LoggingTextView : public TextInputView {
  public:
    explicit LoggingTextView(Log& log) : log_(log) {}
    void invertHighlight(int column, int row) override {
        log_.push_back("invert " + std::to_string(column) + "," + std::to_string(row));
    }
    void drawEchoBox(const uint8_t (&line)[kEchoLength]) override {
        std::string text = "echo ";
        for (uint8_t c : line) text += c == 0 ? '.' : static_cast<char>(c);
        log_.push_back(text);
    }
    void destroyWindow() override { log_.push_back("destroy"); }

  private:
    Log& log_;
};

class TextInput : public ::testing::Test {
  protected:
    ScriptedKeyboard platform;
    testing::RecordingKeySender keys{platform.log};
    LoggingTextView view{platform.log};
    TextInputState state;
    SelectionState selection;
    TextInputContext context{state, view, keys, platform};

    void SetUp() override {
        platform.oemKeys['a'] = 0x1E;
        platform.oemKeys['A'] = 0x1001E;  // with SHIFT
        platform.oemKeys['q'] = 0x70010;  // with SHIFT, CTRL and ALT
    }
    Log step(int entry, TextInputOutcome expected = TextInputOutcome::kOpen) {
        selection.currentEntry = entry;
        selection.currentControl = entry;
        EXPECT_EQ(stringInputStep(context, selection), expected);
        Log out;
        out.swap(platform.log);
        return out;
    }
    void placeCursor(uint8_t code) {
        state.cursorColumn = code % 16;
        state.cursorRow = code / 16;
    }
};

TEST_F(TextInput, StickMovesTheHighlightPausesAndForgetsTheControl) {
    EXPECT_EQ(step(33), (Log{"invert 0,0", "invert 1,0", "sleep 100"}));
    EXPECT_EQ(selection.currentEntry, 0);
    EXPECT_EQ(selection.currentControl, 0);
    EXPECT_EQ(step(35), (Log{"invert 1,0", "invert 1,1", "sleep 100"}));
    EXPECT_EQ(step(34), (Log{"invert 1,1", "invert 0,1", "sleep 100"}));
    EXPECT_EQ(step(36), (Log{"invert 0,1", "invert 0,0", "sleep 100"}));
}

TEST_F(TextInput, MovesPastEveryEdgeRedrawInPlace) {
    const Log stayTopLeft{"invert 0,0", "invert 0,0", "sleep 100"};
    EXPECT_EQ(step(34), stayTopLeft);
    EXPECT_EQ(selection.currentControl, 0);
    EXPECT_EQ(step(36), stayTopLeft);

    state.cursorColumn = 15;
    state.cursorRow = kExitRow;
    const Log stayBottomRight{"invert 15,8", "invert 15,8", "sleep 100"};
    EXPECT_EQ(step(33), stayBottomRight);
    EXPECT_EQ(step(35), stayBottomRight);
    EXPECT_EQ(selection.currentEntry, 0);
    EXPECT_EQ(state.cursorColumn, 15);
    EXPECT_EQ(state.cursorRow, kExitRow);
}

TEST_F(TextInput, ExitRowRemembersTheColumn) {
    state.cursorColumn = 5;
    state.cursorRow = 7;
    step(35);
    step(34);
    step(34);
    EXPECT_EQ(state.cursorRow, kExitRow);
    EXPECT_EQ(step(36), (Log{"invert 3,8", "invert 3,7", "sleep 100"}));
}

TEST_F(TextInput, StickSteersWhateverLevelWasLearned) {
    EXPECT_EQ(firstLevelEntry(52), 36);
    step(49);  // X+ at level 1
    step(67);  // Y+ at level 2
    EXPECT_EQ(state.cursorColumn, 1);
    EXPECT_EQ(state.cursorRow, 1);
    // Other axes and hats do nothing and keep the learned control.
    for (int entry : {37, 48, 53, 80, 81, 91, 0}) {
        EXPECT_EQ(step(entry), Log{}) << entry;
        EXPECT_EQ(selection.currentControl, entry);
    }
}

TEST_F(TextInput, ButtonTypesThePlainCharacterAndEchoesIt) {
    placeCursor('a');
    EXPECT_EQ(step(17), (Log{"down vk=41 scan=1E delay=0", "up vk=41 scan=1E delay=0",
                             "echo ...................a"}));
    EXPECT_EQ(selection.currentControl, 17);  // typing keeps the learned button
}

TEST_F(TextInput, ModifiersFromTheOemMappingWrapTheKeyInOrder) {
    placeCursor('A');
    EXPECT_EQ(step(1), (Log{"down vk=10 scan=2A delay=0", "down vk=41 scan=1E delay=0",
                            "up vk=41 scan=1E delay=0", "up vk=10 scan=2A delay=0",
                            "echo ...................A"}));
    placeCursor('q');
    EXPECT_EQ(step(2), (Log{"down vk=10 scan=2A delay=0", "down vk=11 scan=1D delay=0",
                            "down vk=12 scan=38 delay=0", "down vk=51 scan=10 delay=0",
                            "up vk=51 scan=10 delay=0", "up vk=10 scan=2A delay=0",
                            "up vk=11 scan=1D delay=0", "up vk=12 scan=38 delay=0",
                            "echo ..................Aq"}));
}

TEST_F(TextInput, CharacterWithoutAKeyIsEchoedOnly) {
    placeCursor('~');
    EXPECT_EQ(step(32), Log{"echo ...................~"});
}

TEST_F(TextInput, TwentyFirstCharacterPushesOutTheOldest) {
    const std::string typed = "abcdefghijklmnopqrstu";
    for (char c : typed) {
        placeCursor(static_cast<uint8_t>(c));
        step(3);
    }
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(state.echoLine), kEchoLength),
              typed.substr(1));
}

TEST_F(TextInput, ButtonOnTheExitRowClosesWithoutTyping) {
    state.cursorColumn = 1;
    state.cursorRow = kExitRow;
    EXPECT_EQ(step(9, TextInputOutcome::kClosed), (Log{"destroy", "sleep 500"}));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(state.echoLine), kEchoLength),
              std::string(kEchoLength, '\0'));
}

// The polling thread's pass: learning on the window's block drives the step.
class TextInputPass : public TextInput, protected testing::RecordAndOneJoystick {
  protected:
    testing::RecordingDeviceSource source;
    NullLearningView learningView;
    LearningContext learning{*config, *devices, source, selection, learningView};

    void SetUp() override {
        TextInput::SetUp();
        config->header.shiftDevice = 5;
        config->blocks[0].learnMask = LearnMask::kButtons | LearnMask::kAxes;
        devices->capabilityFlags[0] = CapabilityFlags::kX | CapabilityFlags::kY;
        placeCursor('a');
    }
    Log pass() {
        EXPECT_EQ(serveTextInput(learning, context, 0), TextInputOutcome::kOpen);
        Log out;
        out.swap(platform.log);
        return out;
    }
    DeviceState& pad() { return devices->states[0]; }
};

TEST_F(TextInputPass, HeldButtonTypesOnceAnotherButtonTypesAgain) {
    pad().buttons[0] = 0x80;
    EXPECT_EQ(pass().size(), 3u);  // down, up, echo
    EXPECT_EQ(pass(), Log{});
    pad().buttons[0] = 0;
    EXPECT_EQ(pass(), Log{});
    pad().buttons[0] = 0x80;  // the same button again: not a change
    EXPECT_EQ(pass(), Log{});
    pad().buttons[0] = 0;
    pad().buttons[3] = 0x80;
    EXPECT_EQ(pass().size(), 3u);
}

TEST_F(TextInputPass, HeldStickMovesOneCellPerPassAndBeatsAButton) {
    pad().buttons[0] = 0x80;
    pad().axes[0] = 1000;
    selection.currentLevel = 2;
    EXPECT_EQ(pass(), (Log{"invert 1,6", "invert 2,6", "sleep 100"}));
    EXPECT_EQ(pass(), (Log{"invert 2,6", "invert 3,6", "sleep 100"}));
}

TEST_F(TextInputPass, BlockThatLearnsNothingLeavesTheWindowStill) {
    config->blocks[0].learnMask = 0;
    pad().buttons[0] = 0x80;
    pad().axes[1] = -1000;
    EXPECT_EQ(pass(), Log{});
    EXPECT_EQ(pass(), Log{});
}

TEST(TextInputLayout, CellsExitRowEchoBoxAndPlacement) {
    EXPECT_EQ(cellOrigin(15, 7), (PixelPoint{310, 150}));
    EXPECT_EQ(highlightRect(2, 3, 241), (PixelRect{50, 70, 70, 90}));
    // The exit row's highlight is the whole button, wherever the column is.
    EXPECT_EQ(highlightRect(0, kExitRow, 241), (PixelRect{10, 211, 330, 231}));
    EXPECT_EQ(highlightRect(15, kExitRow, 241), exitButtonRect(241));
    EXPECT_EQ(echoBoxRect(332, 241), (PixelRect{10, 181, 330, 201}));
    EXPECT_EQ(echoCharOrigin(19, 241), (PixelPoint{295, 181}));
    EXPECT_EQ(textInputPlacement(1024, 768), (PixelRect{342, 164, 682, 444}));
    // Truncation toward zero on a desktop smaller than the window.
    EXPECT_EQ(textInputPlacement(301, 401), (PixelRect{-19, -19, 321, 261}));
}

}  // namespace
}  // namespace tarvik
