// What the window shows on the common page, the block view and the entry
// view, and what it loads into its controls from the record.

#include <cstring>

#include "wine/config_window/ConfigWindowFixture.h"

namespace tarvik {
namespace {

using G = ControlGroup;
using testing::ConfigWindowTest;

class ConfigPageTest : public ConfigWindowTest {
  protected:
    int buttonRadiosShown() const {
        int count = 0;
        for (int p = SelectorPosition::kFirstButton; p <= SelectorPosition::kLastButton; ++p) {
            if (shown(G::kControlSelectors, p)) ++count;
        }
        return count;
    }
    bool anyShown(ControlGroup group, int first, int last) const {
        for (int p = first; p <= last; ++p) {
            if (shown(group, p)) return true;
        }
        return false;
    }
    bool allShown(ControlGroup group, int first, int last) const {
        for (int p = first; p <= last; ++p) {
            if (!shown(group, p)) return false;
        }
        return true;
    }
};

TEST_F(ConfigPageTest, CommonPageShowsOnlyTheHeaderFields) {
    open();
    EXPECT_TRUE(allShown(G::kCommonPage, 0, kCommonPageCount - 1));
    EXPECT_FALSE(anyShown(G::kDevicePageFrame, 0, kDevicePageFrameCount - 1));
    EXPECT_FALSE(anyShown(G::kControlSelectors, 0, 48));
    EXPECT_FALSE(anyShown(G::kControlSelectors, 61, 68));
    EXPECT_FALSE(anyShown(G::kEntryOptions, 0, kEntryOptionCount - 1));
    EXPECT_FALSE(anyShown(G::kBlockOptions, 0, kBlockOptionCount - 1));
    EXPECT_TRUE(allShown(G::kControlSelectors, 53, 56));  // the AXIS column stays
    EXPECT_FALSE(shown(G::kFrameControls, FramePosition::kCopy));
    EXPECT_TRUE(allShown(G::kFrameControls, 0, 7));
}

TEST_F(ConfigPageTest, BlockViewFollowsTheDeviceCapabilities) {
    state->selection.currentBlock = 0;
    open();
    EXPECT_FALSE(anyShown(G::kCommonPage, 0, kCommonPageCount - 1));
    EXPECT_TRUE(allShown(G::kDevicePageFrame, 0, 3));
    EXPECT_TRUE(shown(G::kFrameControls, FramePosition::kCopy));
    EXPECT_EQ(buttonRadiosShown(), 10);
    EXPECT_TRUE(shown(G::kControlSelectors, 11));   // button 10
    EXPECT_FALSE(shown(G::kControlSelectors, 12));  // button 11
    // X, Y, Z and the first slider.
    for (int p : {33, 34, 35, 36, 37, 38, 45, 46}) EXPECT_TRUE(shown(G::kControlSelectors, p)) << p;
    for (int p : {39, 40, 41, 42, 43, 44, 47, 48})
        EXPECT_FALSE(shown(G::kControlSelectors, p)) << p;
    EXPECT_TRUE(allShown(G::kControlSelectors, 57, 59));
    EXPECT_TRUE(allShown(G::kControlSelectors, 61, 68));
    EXPECT_TRUE(allShown(G::kBlockOptions, 0, kBlockOptionCount - 1));
    EXPECT_FALSE(anyShown(G::kEntryOptions, 0, kEntryOptionCount - 1));

    // The second joystick: 30 buttons show all 24 radios; an axis count
    // of 0 shows no axis radio whatever its flags; no hat.
    command(1002);
    EXPECT_EQ(state->selection.currentBlock, 2);
    EXPECT_EQ(buttonRadiosShown(), 24);
    EXPECT_FALSE(anyShown(G::kControlSelectors, 33, 48));
    EXPECT_FALSE(anyShown(G::kControlSelectors, 57, 59));
    EXPECT_FALSE(anyShown(G::kControlSelectors, 61, 68));
    EXPECT_TRUE(allShown(G::kControlSelectors, 53, 56));
}

TEST_F(ConfigPageTest, EntryViewShowsSensitivityOnlyForAxisDirections) {
    state->selection = {0, 3, 3, 0, 0};
    open();
    EXPECT_TRUE(allShown(G::kEntryOptions, 0, 20));
    EXPECT_FALSE(anyShown(G::kEntryOptions, 21, 23));
    EXPECT_FALSE(anyShown(G::kBlockOptions, 0, kBlockOptionCount - 1));
    command(1083);  // "X+"
    EXPECT_EQ(state->selection.currentEntry, 33);
    EXPECT_TRUE(allShown(G::kEntryOptions, 0, 23));
}

TEST_F(ConfigPageTest, ShiftButtonRadioIsDisabledOnBothPagesOfTheShiftDevice) {
    state->config.header.shiftDevice = 0;
    state->config.header.shiftButton = 3;  // button 4
    state->selection.currentBlock = 1;
    open();
    HWND button4 = member(G::kControlSelectors, 5);
    EXPECT_FALSE(IsWindowEnabled(button4));
    EXPECT_TRUE(IsWindowEnabled(member(G::kControlSelectors, 4)));
    command(1000);
    EXPECT_FALSE(IsWindowEnabled(button4));
    command(1002);
    EXPECT_TRUE(IsWindowEnabled(button4));
}

TEST_F(ConfigPageTest, EntryViewLoadsTheEntryIntoItsControls) {
    ControlEntry& e = entry(0, 5);
    e.withShift = 1;
    e.withAlt = 0;
    e.startProgram = 1;
    e.fSelect = 1;
    e.toggleLock = 1;
    e.mouseAction = 1;
    e.mouseActionCode = 32;  // "right button down", item 17
    std::strcpy(e.label, "jump");
    std::strcpy(e.keyText, "abcdefghijklmnopqrstuvwxyz");
    std::strcpy(e.programPath, "C:\\games\\tools\\run.exe");
    state->selection = {0, 5, 5, 0, 0};
    open();
    EXPECT_TRUE(checked(ControlId::kShift));
    EXPECT_FALSE(checked(ControlId::kAlt));
    EXPECT_TRUE(checked(ControlId::kStartProgram));
    EXPECT_TRUE(checked(ControlId::kFSelect));
    EXPECT_TRUE(checked(ControlId::kToggleLock));
    EXPECT_TRUE(checked(ControlId::kMouse));
    EXPECT_FALSE(checked(ControlId::kSendKeys));
    EXPECT_EQ(text(item(ControlId::kName)), "name:jump");
    EXPECT_EQ(text(member(G::kEntryOptions, EntryPosition::kKeyText)), "abcdefghijklmnopqrstuv");
    EXPECT_EQ(text(member(G::kEntryOptions, EntryPosition::kProgramText)), "run.exe");
    EXPECT_EQ(SendMessageA(item(ControlId::kMouseActionList), CB_GETCURSEL, 0, 0), 17);
    EXPECT_EQ(text(member(G::kControlSelectors, SelectorPosition::kAuto)), "auto     ");
    EXPECT_FALSE(checked(ControlId::kLearnMask));
}

TEST_F(ConfigPageTest, BlockViewLoadsTheBlockAndForcesTheThirdLevel) {
    LayerBlock& block = state->config.blocks[0];
    block.blockAutoRepeat = 1;
    block.singleSensitivity = 1;
    block.learnMask = 5;
    state->selection.currentBlock = 0;
    state->selection.currentLevel = 0;
    open();
    EXPECT_TRUE(checked(ControlId::kBlockAutoRepeat));
    EXPECT_FALSE(checked(ControlId::kBlockToggleLock));
    EXPECT_TRUE(checked(ControlId::kSingleSensitivity));
    EXPECT_EQ(state->selection.currentLevel, 2);
    EXPECT_TRUE(checked(1102));
    EXPECT_FALSE(checked(1100));
    EXPECT_FALSE(IsWindowEnabled(item(1100)));
    EXPECT_FALSE(IsWindowEnabled(item(1101)));
    EXPECT_EQ(text(member(G::kControlSelectors, SelectorPosition::kAuto)), "auto BP");
    EXPECT_TRUE(checked(ControlId::kLearnMask));

    command(1002);  // a block without the flag enables them again
    EXPECT_TRUE(IsWindowEnabled(item(1100)));
    EXPECT_FALSE(checked(ControlId::kSingleSensitivity));
}

TEST_F(ConfigPageTest, CommonPageLoadsTheHeader) {
    ConfigHeader& h = state->config.header;
    std::strcpy(h.name, "racing");
    h.number = 4000000000u;
    std::strcpy(h.autostartPath, "D:\\sim\\bin\\race.exe");
    std::strcpy(h.comment, "wheel and pedals");
    h.autostart = 1;
    open();
    EXPECT_EQ(text(item(ControlId::kNameEdit)), "racing");
    EXPECT_EQ(text(item(ControlId::kNumberEdit)), "4000000000");
    EXPECT_EQ(text(item(ControlId::kAutostartPathEdit)), "race.exe");
    EXPECT_EQ(text(item(ControlId::kCommentEdit)), "wheel and pedals");
    EXPECT_TRUE(checked(ControlId::kAutostart));
}

TEST_F(ConfigPageTest, PaintingDrawsTheDeviceLineOntoTheWindow) {
    state->selection.currentBlock = 0;
    HWND w = open();
    UpdateWindow(w);
    // Some dark pixel where "devices:2" and the product name are drawn.
    auto darkIn = [&](int left, int top, int right, int bottom) {
        HDC dc = GetDC(w);
        bool dark = false;
        for (int y = top; y < bottom && !dark; ++y) {
            for (int x = left; x < right && !dark; ++x) {
                const COLORREF c = GetPixel(dc, x, y);
                dark =
                    c != CLR_INVALID && GetRValue(c) < 64 && GetGValue(c) < 64 && GetBValue(c) < 64;
            }
        }
        ReleaseDC(w, dc);
        return dark;
    };
    EXPECT_TRUE(darkIn(5, 5, 95, 25));
    EXPECT_TRUE(darkIn(20, 55, 200, 72));
    // Moving to the common page erases the header lines before drawing
    // the information lines there.
    command(ControlId::kCommonPageRadio);
    EXPECT_EQ(state->paintMemory.lastPaintedBlock, 14);
}

}  // namespace
}  // namespace tarvik
