// The window as it stands after creation: its own frame and caption, every
// child against the tables, the lists and the first check marks.

#include <map>

#include "config/KeyAndActionLists.h"
#include "shell/VersionString.h"
#include "wine/config_window/ConfigWindowFixture.h"

namespace tarvik {
namespace {

using testing::ConfigWindowTest;

std::string classOf(HWND control) {
    char name[64] = {};
    GetClassNameA(control, name, sizeof(name));
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

RECT placeInParent(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// What each child was created with, seen by a creation hook: the system's
// controls may adjust themselves afterwards (Wine narrows a lone up-down
// and measures a drop-down list from below its edit).
struct Creation {
    DWORD style;
    int x, y, w, h;
};
std::map<HWND, Creation> creations;

LRESULT CALLBACK recordCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const auto* create = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
        const CREATESTRUCTA& c = *create->lpcs;
        creations[reinterpret_cast<HWND>(wParam)] = {static_cast<DWORD>(c.style), c.x, c.y, c.cx,
                                                     c.cy};
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class CreationHook {
  public:
    CreationHook()
        : hook_(SetWindowsHookExA(WH_CBT, recordCreation, nullptr, GetCurrentThreadId())) {
        creations.clear();
    }
    ~CreationHook() { UnhookWindowsHookEx(hook_); }

  private:
    HHOOK hook_;
};

// The exact style a child of `kind` is created with.
DWORD expectedStyle(ControlKind kind) {
    const DWORD child = WS_CHILD | WS_VISIBLE;
    switch (kind) {
        case ControlKind::kSeparator:
            return child | SS_ETCHEDFRAME;
        case ControlKind::kStaticText:
            return child | SS_LEFT;
        case ControlKind::kGroupBox:
            return child | BS_GROUPBOX;
        case ControlKind::kPushButton:
            return child | BS_PUSHBUTTON;
        case ControlKind::kPushButtonLeft:
            return child | BS_PUSHBUTTON | BS_LEFT;
        case ControlKind::kPushButtonRight:
            return child | BS_PUSHBUTTON | BS_RIGHT | WS_BORDER;
        case ControlKind::kRadio:
            return child | BS_RADIOBUTTON;
        case ControlKind::kCheckBox:
            return child | BS_CHECKBOX;
        case ControlKind::kUpDown:
            return child;
        case ControlKind::kDropDownList:
            return child | CBS_DROPDOWNLIST | CBS_HASSTRINGS | WS_VSCROLL;
        case ControlKind::kEdit:
            return child | WS_BORDER;
        case ControlKind::kEditMultiLine:
            return child | WS_BORDER | ES_MULTILINE;
    }
    return 0;
}

void expectChild(HWND control, const ChildControl& row, int width, int height) {
    const std::string where = std::string("id ") + std::to_string(row.id) + " \"" + row.caption +
                              "\" position " + std::to_string(row.position);
    ASSERT_NE(control, nullptr) << where;
    EXPECT_EQ(classOf(control), controlClassName(row.kind)) << where;
    EXPECT_EQ(GetDlgCtrlID(control), row.id) << where;
    // On the common page only the edits get texts from the record.
    if (row.kind != ControlKind::kEdit && row.kind != ControlKind::kEditMultiLine) {
        char caption[64] = {};
        GetWindowTextA(control, caption, sizeof(caption));
        EXPECT_STREQ(caption, row.caption) << where;
    }
    const ControlPlace want = placeOf(row, width, height);
    const Creation& made = creations[control];
    EXPECT_EQ(made.style, expectedStyle(row.kind)) << where;
    EXPECT_EQ(made.x, want.x) << where;
    EXPECT_EQ(made.y, want.y) << where;
    EXPECT_EQ(made.w, want.w) << where;
    EXPECT_EQ(made.h, want.h) << where;
    const RECT got = placeInParent(control);
    EXPECT_EQ(got.left, want.x) << where;
    EXPECT_EQ(got.top, want.y) << where;
    if (row.kind != ControlKind::kUpDown) {
        EXPECT_EQ(got.right - got.left, want.w) << where;
    }
    if (row.kind != ControlKind::kDropDownList) {
        EXPECT_EQ(got.bottom - got.top, want.h) << where;
    }
}

TEST_F(ConfigWindowTest, FrameIsCentredAtItsFinalSizeWithTheVersionAsCaption) {
    HWND w = nullptr;
    {
        CreationHook hook;
        w = open();
    }
    ASSERT_NE(w, nullptr);
    const Creation& made = creations[w];
    EXPECT_EQ(made.style, DWORD{WS_CAPTION | WS_THICKFRAME});
    EXPECT_EQ(made.x, 0);
    EXPECT_EQ(made.y, 0);
    EXPECT_EQ(made.w, 640);
    EXPECT_EQ(made.h, 480);
    char name[32] = {};
    GetClassNameA(w, name, sizeof(name));
    EXPECT_STREQ(name, "JoyConfig");
    char caption[300] = {};
    GetWindowTextA(w, caption, sizeof(caption));
    EXPECT_STREQ(caption, VersionString);  // no key sent yet

    const DWORD style = static_cast<DWORD>(GetWindowLongA(w, GWL_STYLE));
    EXPECT_EQ(style & WS_CAPTION, DWORD{WS_CAPTION});
    EXPECT_TRUE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_VISIBLE);

    RECT desktop{}, frame{};
    GetClientRect(GetDesktopWindow(), &desktop);
    GetWindowRect(w, &frame);
    EXPECT_EQ(frame.right - frame.left, 800);
    EXPECT_EQ(frame.bottom - frame.top, 480);
    EXPECT_EQ(frame.left, (desktop.right - 800) / 2);
    EXPECT_EQ(frame.top, (desktop.bottom - 480) / 2);

    // Opening again only brings the same window forward.
    openConfigWindow(context);
    EXPECT_EQ(window(), w);
}

TEST_F(ConfigWindowTest, CaptionTellsWhenASyntheticKeyWasSentBeforeOpening) {
    state->engine.noKeySentYet = 0;
    HWND w = open();
    char caption[300] = {};
    GetWindowTextA(w, caption, sizeof(caption));
    EXPECT_EQ(std::string(caption), std::string(VersionString) + " no moranda");
}

TEST_F(ConfigWindowTest, EveryChildMatchesItsTableRow) {
    HWND w = nullptr;
    {
        CreationHook hook;
        w = open();
    }
    RECT client{};
    GetClientRect(w, &client);
    const int W = client.right, H = client.bottom;
    const ConfigWindowChildren& c = context.children;

    for (const ChildControl& row : frameControls)
        expectChild(c.frameControls[row.position], row, W, H);
    for (const ChildControl& row : devicePageFrame)
        expectChild(c.devicePageFrame[row.position], row, W, H);
    for (const ChildControl& row : controlSelectors)
        expectChild(c.controlSelectors[row.position], row, W, H);
    for (const ChildControl& row : entryOptions)
        expectChild(c.entryOptions[row.position], row, W, H);
    for (const ChildControl& row : blockOptions)
        expectChild(c.blockOptions[row.position], row, W, H);
    for (const ChildControl& row : commonPage) expectChild(c.commonPage[row.position], row, W, H);

    // Holes in the selector group stay empty; the counts are the tables'.
    EXPECT_EQ(c.controlSelectors[26], nullptr);
    EXPECT_EQ(c.controlSelectors[60], nullptr);
    EXPECT_EQ(c.controlSelectorCount, 69);
    EXPECT_EQ(c.frameControlCount, 10);
    EXPECT_EQ(c.entryOptionCount, 25);
    EXPECT_EQ(c.blockOptionCount, 10);
    EXPECT_EQ(c.commonPageCount, 7);
    EXPECT_EQ(c.entryCountAfterFirstUpDown, 19);
    EXPECT_EQ(c.entryCountAfterSecondUpDown, 20);
    EXPECT_EQ(c.entryCountAfterThirdUpDown, 21);
    EXPECT_EQ(c.blockCountAfterFirstUpDown, 5);
    EXPECT_EQ(c.blockCountAfterThirdUpDown, 7);

    // Spot checks against the numbers themselves, not the tables.
    RECT help = placeInParent(item(ControlId::kHelp));
    EXPECT_EQ(help.left, W - 195);
    EXPECT_EQ(help.top, H - 40);
    RECT separator = placeInParent(c.frameControls[0]);
    EXPECT_EQ(separator.right - separator.left, W);
    RECT copy = placeInParent(item(ControlId::kCopy));
    EXPECT_EQ(copy.left, 420);
    EXPECT_EQ(copy.top, 60);
    RECT fr = placeInParent(item(1132));
    EXPECT_EQ(fr.left, 600);
    EXPECT_EQ(fr.top, 330);
    EXPECT_EQ(text(item(1132)), "fr");
    EXPECT_EQ(text(item(1131)), "f ");

    // "I" and "S" share id 1102; the id finds "I".
    EXPECT_EQ(GetDlgCtrlID(c.controlSelectors[55]), 1102);
    EXPECT_EQ(GetDlgCtrlID(c.controlSelectors[56]), 1102);
    EXPECT_EQ(text(c.controlSelectors[56]), "S");
    EXPECT_EQ(item(1102), c.controlSelectors[55]);
    EXPECT_EQ(item(1103), nullptr);
}

TEST_F(ConfigWindowTest, DeviceRowHoldsTwoRadiosPerJoystickThenTheMouse) {
    CreationHook hook;
    HWND w = open();
    const ConfigWindowChildren& c = context.children;
    ASSERT_EQ(c.deviceRadioCount, 5);
    const char* captions[] = {"1", "S1", "2", "S2", "Mouse"};
    const int xs[] = {200, 240, 290, 330, 400};
    const int widths[] = {40, 50, 40, 50, 100};
    for (int p = 0; p < 5; ++p) {
        expectChild(c.deviceRadios[p], deviceRadio(2, p), 0, 0);
        EXPECT_EQ(text(c.deviceRadios[p]), captions[p]);
        const RECT r = placeInParent(c.deviceRadios[p]);
        EXPECT_EQ(r.left, xs[p]);
        EXPECT_EQ(r.top, 5);
        EXPECT_EQ(r.right - r.left, widths[p]);
        EXPECT_EQ(GetDlgCtrlID(c.deviceRadios[p]), 1000 + p);
    }
    EXPECT_EQ(GetParent(c.deviceRadios[0]), w);
}

// Waiting for a first controller, the mouse maps from block 2: its page is
// that block, in the first place of the row.
TEST_F(ConfigWindowTest, WithoutJoysticksTheMousePageIsBlockTwo) {
    state->devices.deviceCount = 0;
    open();
    const ConfigWindowChildren& c = context.children;
    ASSERT_EQ(c.deviceRadioCount, 1);
    EXPECT_EQ(text(c.deviceRadios[0]), "Mouse");
    EXPECT_EQ(GetDlgCtrlID(c.deviceRadios[0]), 1002);
    const RECT r = placeInParent(c.deviceRadios[0]);
    EXPECT_EQ(r.left, 200);
    EXPECT_EQ(r.right - r.left, 100);
}

TEST_F(ConfigWindowTest, ListsHoldTheirItemsWithTheirCodes) {
    open();
    HWND actions = item(ControlId::kMouseActionList);
    HWND keys = item(ControlId::kKeyList);
    ASSERT_EQ(SendMessageA(actions, CB_GETCOUNT, 0, 0), kMouseActionItemCount);
    ASSERT_EQ(SendMessageA(keys, CB_GETCOUNT, 0, 0), kKeyItemCount);
    char buffer[64];
    for (int i = 0; i < kMouseActionItemCount; ++i) {
        SendMessageA(actions, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buffer));
        EXPECT_STREQ(buffer, mouseActionListItems[i].text);
        EXPECT_EQ(SendMessageA(actions, CB_GETITEMDATA, i, 0), mouseActionListItems[i].code);
    }
    for (int i = 0; i < kKeyItemCount; ++i) {
        SendMessageA(keys, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buffer));
        EXPECT_STREQ(buffer, keyListItems[i].text);
        EXPECT_EQ(SendMessageA(keys, CB_GETITEMDATA, i, 0), keyListItems[i].code);
    }
    // Opened on the common page: no action is preselected.
    EXPECT_EQ(SendMessageA(actions, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(SendMessageA(keys, CB_GETCURSEL, 0, 0), CB_ERR);
}

TEST_F(ConfigWindowTest, OpensOnTheSelectionWithItsChecksAndAction) {
    state->selection = {2, 90, 82, 1, 1};  // "fr" of hat 1 on joystick 2
    entry(2, 90).mouseActionCode = 9;      // "left double click", item 11
    entry(2, 90).withCtrl = 1;
    open();
    EXPECT_TRUE(checked(1002));
    EXPECT_TRUE(checked(1132));
    EXPECT_TRUE(checked(1101));
    EXPECT_TRUE(checked(1151));
    EXPECT_FALSE(checked(1014));
    EXPECT_FALSE(checked(1050));
    EXPECT_EQ(SendMessageA(item(ControlId::kMouseActionList), CB_GETCURSEL, 0, 0), 11);
    EXPECT_TRUE(checked(ControlId::kCtrl));
    EXPECT_EQ(GetFocus(), window());
}

}  // namespace
}  // namespace tarvik
