// The window's commands end to end: messages as the controls and the
// keyboard send them, and the record and the window afterwards.

#include <cstring>

#include "config/KeyAndActionLists.h"
#include "wine/MessageBoxAnswerer.h"
#include "wine/config_window/ConfigWindowFixture.h"

namespace tarvik {
namespace {

using G = ControlGroup;
using testing::ConfigWindowTest;
using testing::MessageBoxAnswerer;

constexpr LPARAM keyUpParam(unsigned scan, bool extended = false) {
    return static_cast<LPARAM>(0xC0000001u | (scan << 16) | (extended ? 1u << 24 : 0u));
}

// Holds keys down in this thread's keyboard state while it lives.
class HeldKeys {
  public:
    explicit HeldKeys(std::initializer_list<int> keys) {
        GetKeyboardState(saved_);
        BYTE state[256];
        std::memcpy(state, saved_, sizeof(state));
        for (int key : keys) state[key] = 0x80;
        SetKeyboardState(state);
    }
    ~HeldKeys() { SetKeyboardState(saved_); }

  private:
    BYTE saved_[256];
};

class ConfigCommandsTest : public ConfigWindowTest {
  protected:
    LRESULT keyUp(int virtualKey, LPARAM param, UINT message = WM_KEYUP) {
        return SendMessageA(created, message, static_cast<WPARAM>(virtualKey), param);
    }
    void typed(char character) {
        SendMessageA(created, WM_CHAR, static_cast<WPARAM>(character), 0);
    }
    // The user replaces the text of an edit by typing, which marks it changed.
    static void typeInto(HWND edit, const char* text) {
        SendMessageA(edit, EM_SETSEL, 0, -1);
        for (const char* c = text; *c != '\0'; ++c) {
            SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(*c)), 0);
        }
    }
    // An entry view of joystick 1's button 3.
    void openOnButton3() {
        state->selection = {0, 3, 3, 0, 0};
        open();
    }
};

TEST_F(ConfigCommandsTest, SelectionFollowsTheRadiosAndFallsBackToCommon) {
    state->selection.currentBlock = 2;  // 30 buttons
    open();
    command(1070);  // button 20
    EXPECT_EQ(state->selection.currentControl, 20);
    EXPECT_EQ(state->selection.currentEntry, 20);
    EXPECT_TRUE(checked(1070));
    EXPECT_FALSE(checked(1050));

    command(1000);  // 10 buttons: button 20 has no radio there
    EXPECT_EQ(state->selection.currentBlock, 0);
    EXPECT_EQ(state->selection.currentControl, 0);
    EXPECT_EQ(state->selection.currentEntry, 0);
    EXPECT_TRUE(checked(1000));
    EXPECT_FALSE(checked(1002));
    EXPECT_TRUE(checked(1050));
    EXPECT_FALSE(checked(1070));
    EXPECT_TRUE(shown(G::kBlockOptions, 0));

    command(1101);  // AXIS "X": level 1
    command(1083);  // "X+"
    EXPECT_EQ(state->selection.currentEntry, 49);
    // The "S" radio carries 1102 like "I": level 2.
    SendMessageA(created, WM_COMMAND, MAKEWPARAM(1102, BN_CLICKED),
                 reinterpret_cast<LPARAM>(member(G::kControlSelectors, 56)));
    EXPECT_EQ(state->selection.currentLevel, 2);
    EXPECT_EQ(state->selection.currentEntry, 65);
    EXPECT_TRUE(checked(1102));
    EXPECT_FALSE(checked(1101));

    command(1151);  // POV "O"
    command(1132);  // "fr"
    EXPECT_EQ(state->selection.currentEntry, 90);
    EXPECT_EQ(GetFocus(), created);
}

TEST_F(ConfigCommandsTest, CheckBoxesToggleTheEntryAndTheBlock) {
    openOnButton3();
    command(ControlId::kShift);
    EXPECT_EQ(entry(0, 3).withShift, 1);
    EXPECT_TRUE(checked(ControlId::kShift));
    command(ControlId::kShift);
    EXPECT_EQ(entry(0, 3).withShift, 0);
    EXPECT_FALSE(checked(ControlId::kShift));

    entry(0, 7).toggleLock = 1;
    command(1050);  // the block view
    command(ControlId::kBlockAutoRepeat);
    EXPECT_TRUE(checked(ControlId::kBlockAutoRepeat));
    for (int i = 0; i < kEntriesPerBlock; ++i) ASSERT_EQ(entry(0, i).autoRepeat, 1) << i;
    command(ControlId::kBlockToggleLock);
    command(ControlId::kBlockToggleLock);
    EXPECT_EQ(entry(0, 7).toggleLock, 0);  // the block value overwrote it

    command(ControlId::kLearnMask);
    EXPECT_EQ(state->config.blocks[0].learnMask, 1u);
    EXPECT_EQ(text(member(G::kControlSelectors, SelectorPosition::kAuto)), "auto B");
    EXPECT_TRUE(checked(ControlId::kLearnMask));
}

TEST_F(ConfigCommandsTest, UpDownsStepBoundAndHandOn) {
    openOnButton3();
    const int x = entry(0, 3).xStep;
    step(ControlId::kXStepUpDown, -1);  // the upper arrow
    EXPECT_EQ(entry(0, 3).xStep, x + 1);
    step(ControlId::kXStepUpDown, 1);
    step(ControlId::kXStepUpDown, 1);
    EXPECT_EQ(entry(0, 3).xStep, x - 1);

    command(1083);  // "X+", an axis direction
    entry(0, 33).sensitivity = 0;
    step(ControlId::kSensitivityUpDown, 1);
    EXPECT_EQ(entry(0, 33).sensitivity, 99);
    EXPECT_EQ(state->config.blocks[0].axisThresholds[0][0], 990);

    command(1050);
    state->config.blocks[0].blockDelayMs = 0;
    step(ControlId::kBlockDelayUpDown, 1);
    EXPECT_EQ(state->config.blocks[0].blockDelayMs, 0);
    step(ControlId::kBlockDelayUpDown, -1);
    for (int i = 0; i < kEntriesPerBlock; ++i) ASSERT_EQ(entry(0, i).delayMs, 1) << i;
}

TEST_F(ConfigCommandsTest, KeyStrokesAreRecordedIntoTheEntry) {
    openOnButton3();
    {
        HeldKeys shift({VK_SHIFT});
        typed('A');
        EXPECT_EQ(keyUp('A', keyUpParam(0x1E)), 0);
        EXPECT_EQ(keyUp(VK_SHIFT, keyUpParam(0x2A)), 0);  // releasing SHIFT is no key
    }
    ControlEntry& e = entry(0, 3);
    ASSERT_EQ(e.keyCount, 1);
    EXPECT_EQ(e.keyCodes[0], 0x141);
    EXPECT_EQ(e.scanCodes[0], 0xC01E);
    EXPECT_EQ(e.keyText[0], 'A');
    EXPECT_EQ(e.sendKeys, 1);
    EXPECT_TRUE(checked(ControlId::kSendKeys));

    keyUp(VK_F1, keyUpParam(0x3B));  // types no character
    {
        HeldKeys tab({VK_TAB});  // TAB stands for ALT
        keyUp(VK_RIGHT, keyUpParam(0x4D, true));
    }
    keyUp(VK_F10, keyUpParam(0x44), WM_SYSKEYUP);  // F10 comes as a system key
    ASSERT_EQ(e.keyCount, 4);
    EXPECT_EQ(e.keyCodes[1], 0x70);
    EXPECT_EQ(static_cast<unsigned char>(e.keyText[1]), 0xBF);
    EXPECT_EQ(e.keyCodes[2], 0x200 | 0x800 | VK_RIGHT);
    EXPECT_EQ(e.keyCodes[3], VK_F10);
    EXPECT_EQ(e.keyCodes[4], 0);
    EXPECT_EQ(text(member(G::kEntryOptions, EntryPosition::kKeyText)),
              std::string("A\xBF\xBF\xBF"));

    command(ControlId::kClear);
    EXPECT_EQ(e.keyCount, 0);
    EXPECT_EQ(e.sendKeys, 0);
    EXPECT_EQ(text(member(G::kEntryOptions, EntryPosition::kKeyText)), "");

    // From the list: F5, with the system's scan code and no character.
    int f5 = 0;
    while (keyListItems[f5].code != VK_F5) ++f5;
    pick(ControlId::kKeyList, f5);
    ASSERT_EQ(e.keyCount, 1);
    EXPECT_EQ(e.keyCodes[0], VK_F5);
    EXPECT_EQ(e.scanCodes[0], MapVirtualKeyA(VK_F5, 0));
    EXPECT_EQ(SendMessageA(item(ControlId::kKeyList), CB_GETCURSEL, 0, 0), f5);
}

TEST_F(ConfigCommandsTest, MouseActionListSetsTheActionAndTheMouseBox) {
    openOnButton3();
    pick(ControlId::kMouseActionList, 11);  // "left double click"
    EXPECT_EQ(entry(0, 3).mouseActionCode, 9);
    EXPECT_EQ(entry(0, 3).mouseAction, 1);
    EXPECT_TRUE(checked(ControlId::kMouse));
    // Another notification of the list changes nothing.
    SendMessageA(item(ControlId::kMouseActionList), CB_SETCURSEL, 0, 0);
    EXPECT_EQ(command(ControlId::kMouseActionList, CBN_DROPDOWN), 0);
    EXPECT_EQ(entry(0, 3).mouseActionCode, 9);
}

TEST_F(ConfigCommandsTest, ResponseCurveListShowsAndSetsTheAxisEntrysCurve) {
    entry(0, 35).responseCurve = 3;
    state->selection = {0, 35, 35, 0, 0};  // "Y+"
    open();
    HWND curves = item(ControlId::kResponseCurveList);
    EXPECT_TRUE(IsWindowVisible(curves));
    EXPECT_EQ(SendMessageA(curves, CB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(SendMessageA(curves, CB_GETCURSEL, 0, 0), 3);
    pick(ControlId::kResponseCurveList, 1);  // "curve 1.5"
    EXPECT_EQ(entry(0, 35).responseCurve, 1);
    command(ControlId::kFirstControlRadio + 3);  // a button has no curve
    EXPECT_FALSE(IsWindowVisible(curves));
}

TEST_F(ConfigCommandsTest, CommonPageEditsAreStoredWhenTheyLoseTheFocus) {
    open();
    HWND number = item(ControlId::kNumberEdit);
    typeInto(number, "1234");
    EXPECT_NE(state->config.header.number, 1234u);
    command(ControlId::kNumberEdit, EN_KILLFOCUS);
    EXPECT_EQ(state->config.header.number, 1234u);
    typeInto(number, "12ab");
    command(ControlId::kNumberEdit, EN_KILLFOCUS);
    EXPECT_EQ(state->config.header.number, 0u);

    // The real focus change: click into the name edit, type, move on.
    HWND name = item(ControlId::kNameEdit);
    SetFocus(name);
    typeInto(name, "flight");
    SetFocus(created);
    EXPECT_STREQ(state->config.header.name, "flight");

    command(ControlId::kAutostart);
    EXPECT_EQ(state->config.header.autostart, 1);
    EXPECT_TRUE(checked(ControlId::kAutostart));
}

TEST_F(ConfigCommandsTest, ProgramEditKeepsTheFullPathThroughAFocusRoundTrip) {
    std::strcpy(state->config.header.autostartPath, "C:\\Games\\race.exe");
    open();
    HWND path = item(ControlId::kAutostartPathEdit);
    EXPECT_EQ(text(path), "race.exe");
    SetFocus(path);
    SetFocus(created);
    EXPECT_STREQ(state->config.header.autostartPath, "C:\\Games\\race.exe");
}

TEST_F(ConfigCommandsTest, RepaintKeepsTextTypedButNotYetStored) {
    open();
    HWND number = item(ControlId::kNumberEdit);
    SetFocus(number);
    typeInto(number, "4321");
    RedrawWindow(created, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    testing::pumpMessages();
    EXPECT_EQ(text(number), "4321");
    SetFocus(created);
    EXPECT_EQ(state->config.header.number, 4321u);
}

TEST_F(ConfigCommandsTest, NoRecordedKeyLeavesANulInsideTheKeyText) {
    openOnButton3();
    typed('\t');
    keyUp(VK_TAB, keyUpParam(0x0F));  // TAB alone leaves its character waiting
    int f5 = 0;
    while (keyListItems[f5].code != VK_F5) ++f5;
    pick(ControlId::kKeyList, f5);
    keyUp(VK_F1, keyUpParam(0x3B));  // types no character
    typed('\0');                     // a character message with code 0
    keyUp('2', keyUpParam(0x03));
    const ControlEntry& e = entry(0, 3);
    ASSERT_EQ(e.keyCount, 3);
    EXPECT_EQ(strnlen(e.keyText, sizeof(e.keyText)), 3u);
}

TEST_F(ConfigCommandsTest, DialogResultsAreAppliedOnOkOnly) {
    openOnButton3();
    dialogs.name = std::string(60, 'n');
    command(ControlId::kName);
    EXPECT_EQ(std::strlen(entry(0, 3).label), 49u);
    EXPECT_EQ(text(item(ControlId::kName)), "name:" + std::string(49, 'n'));

    dialogs.accept = false;
    dialogs.name = "other";
    command(ControlId::kName);
    EXPECT_EQ(std::strlen(entry(0, 3).label), 49u);
    EXPECT_EQ(dialogs.nameRuns, 2);

    dialogs.accept = true;
    dialogs.copyTarget = 3;
    entry(0, 3).xStep = 42;
    state->config.blocks[0].previousButtons[1] = 0x80;
    command(ControlId::kCopy);
    EXPECT_EQ(dialogs.copySeenBlock, 0);
    EXPECT_EQ(dialogs.copySeenDevices, 2);
    EXPECT_EQ(std::memcmp(&state->config.blocks[3], &state->config.blocks[0], sizeof(LayerBlock)),
              0);

    command(ControlId::kCommonPageRadio);
    dialogs.shiftDevice = 1;
    dialogs.shiftButton = 6;
    command(ControlId::kShiftDevice);
    EXPECT_EQ(state->config.header.shiftDevice, 1u);
    EXPECT_EQ(state->config.header.shiftButton, 6u);
    command(ControlId::kCopy);  // nothing on the common page
    EXPECT_EQ(dialogs.copyRuns, 1);
}

TEST_F(ConfigCommandsTest, CentredTogglesBothDirectionsOnAllLevels) {
    state->selection = {0, 36 + 32, 36, 2, 0};  // "Y-" at level 2
    open();
    EXPECT_TRUE(checked(ControlId::kCentred));
    command(ControlId::kCentred);
    for (int e : {35, 36, 51, 52, 67, 68}) EXPECT_EQ(entry(0, e).centred, 1) << e;
    const LayerBlock& block = state->config.blocks[0];
    EXPECT_EQ(block.axisThresholds[2][1], block.directionPercent[2][1] * 20);
    EXPECT_FALSE(checked(ControlId::kCentred));
}

TEST_F(ConfigCommandsTest, QuitAsksAndOnlyYesEndsTheProgram) {
    open();
    MessageBoxAnswerer answerer({IDNO, IDYES});
    command(ControlId::kQuit);
    EXPECT_EQ(window(), created);
    MSG quit;
    EXPECT_FALSE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));

    command(ControlId::kQuit);
    EXPECT_EQ(window(), nullptr);
    EXPECT_TRUE(IsWindow(created));  // not destroyed first
    ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 0u);
    const auto seen = answerer.seen();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], "Quit!|are you shure?");
}

TEST_F(ConfigCommandsTest, ClosingByAnyRouteForgetsTheWindow) {
    open();
    command(ControlId::kClose);
    EXPECT_EQ(window(), nullptr);
    EXPECT_FALSE(IsWindow(created));

    open();
    ASSERT_NE(window(), nullptr);
    DestroyWindow(created);
    EXPECT_EQ(window(), nullptr);

    // Learning shows nothing while the window is closed.
    ConfigWindowLearningView view(context);
    view.setControlCheck(1, true);
    view.redisplayPage();
    EXPECT_EQ(window(), nullptr);
}

TEST_F(ConfigCommandsTest, LearningMovesTheRadiosOfTheOpenWindow) {
    state->selection.currentBlock = 0;
    std::strcpy(entry(0, 4).label, "fire");
    open();
    ConfigWindowLearningView view(context);
    state->selection.currentControl = 4;
    state->selection.currentEntry = 4;
    view.setControlCheck(0, false);
    view.setControlCheck(4, true);
    view.redisplayPage();
    EXPECT_TRUE(checked(1054));
    EXPECT_FALSE(checked(1050));
    EXPECT_TRUE(shown(G::kEntryOptions, 0));
    EXPECT_EQ(text(item(ControlId::kName)), "name:fire");
}

}  // namespace
}  // namespace tarvik
