// The three templates as the dialog manager builds them: the live windows'
// caption, font, frame, controls and positions, and how the radio groups and
// the name field behave when used.

#include "DialogTemplateReader.h"
#include "ExpectedDialogs.h"
#include "ui/config/DialogIds.h"

#include <gtest/gtest.h>

#include <strings.h>

namespace tarvik::test {
namespace {

// The dialog procedures are not under test here: the dialog manager alone
// must make sense of the templates.
INT_PTR CALLBACK passiveProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

class OpenDialog {
  public:
    explicit OpenDialog(const char* name)
        : hwnd_(CreateDialogParamA(GetModuleHandleA(nullptr), name, nullptr, passiveProc, 0)) {
        if (hwnd_) ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
    }
    ~OpenDialog() {
        if (hwnd_) DestroyWindow(hwnd_);
    }
    OpenDialog(const OpenDialog&) = delete;
    OpenDialog& operator=(const OpenDialog&) = delete;

    HWND hwnd() const { return hwnd_; }
    HWND item(int id) const { return GetDlgItem(hwnd_, id); }
    void click(int id) const { SendMessageA(item(id), BM_CLICK, 0, 0); }
    bool checked(int id) const { return SendMessageA(item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

  private:
    HWND hwnd_;
};

std::string windowText(HWND hwnd) {
    char buffer[256] = {};
    GetWindowTextA(hwnd, buffer, sizeof buffer);
    return buffer;
}

std::string className(HWND hwnd) {
    char buffer[64] = {};
    GetClassNameA(hwnd, buffer, sizeof buffer);
    return buffer;
}

void expectLiveDialog(const char* name, const TemplateDialog& want) {
    OpenDialog dialog(name);
    ASSERT_NE(dialog.hwnd(), nullptr) << name;
    HWND hwnd = dialog.hwnd();
    EXPECT_EQ(windowText(hwnd), want.caption) << name;

    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION) << name;
    EXPECT_EQ((style & WS_SYSMENU) != 0, (want.style & WS_SYSMENU) != 0) << name;
    const LONG exStyle = GetWindowLongA(hwnd, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_DLGMODALFRAME) << name;
    // The context-help button may show in either style word, as the system chooses.
    const bool contextHelp = (style & DS_CONTEXTHELP) || (exStyle & WS_EX_CONTEXTHELP);
    EXPECT_EQ(contextHelp, (want.style & DS_CONTEXTHELP) != 0) << name;

    LOGFONTA font{};
    auto hfont = reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0));
    ASSERT_NE(hfont, nullptr) << name;
    ASSERT_NE(GetObjectA(hfont, sizeof font, &font), 0);
    EXPECT_STREQ(font.lfFaceName, "MS Sans Serif") << name;
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(font.lfHeight, -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72)) << name;
    ReleaseDC(nullptr, screen);

    // Children come in template order, which is also the tab order.
    size_t index = 0;
    for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        ASSERT_LT(index, want.controls.size()) << name;
        const TemplateControl& w = want.controls[index++];
        SCOPED_TRACE(std::string(name) + " \"" + w.text + "\"");
        EXPECT_EQ(static_cast<short>(GetDlgCtrlID(child)), w.id);
        EXPECT_EQ(strcasecmp(className(child).c_str(), w.className.c_str()), 0);
        EXPECT_EQ(windowText(child), w.text);
        const DWORD childStyle = static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE));
        DWORD wantStyle = w.style;
        if (w.style & WS_BORDER) {
            // An edit turns its plain border into a sunken client edge.
            const LONG childEx = GetWindowLongA(child, GWL_EXSTYLE);
            EXPECT_TRUE((childStyle & WS_BORDER) || (childEx & WS_EX_CLIENTEDGE));
            wantStyle &= ~static_cast<DWORD>(WS_BORDER);
        }
        EXPECT_EQ(childStyle & wantStyle, wantStyle) << std::hex << childStyle;
        EXPECT_FALSE(childStyle & ES_AUTOHSCROLL && w.className == "Edit");
        EXPECT_EQ((childStyle & WS_GROUP) != 0, (w.style & WS_GROUP) != 0);
        RECT expected{w.x, w.y, w.x + w.width, w.y + w.height};
        MapDialogRect(hwnd, &expected);
        RECT actual{};
        GetWindowRect(child, &actual);
        MapWindowPoints(HWND_DESKTOP, hwnd, reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.top, expected.top);
        EXPECT_EQ(actual.right, expected.right);
        EXPECT_EQ(actual.bottom, expected.bottom);
    }
    EXPECT_EQ(index, want.controls.size()) << name;
}

TEST(DialogWindow, NameOpensWithEveryControlInPlace) {
    expectLiveDialog(DIALOG_NAME, expectedName());
}
TEST(DialogWindow, ShiftOpensWithEveryControlInPlace) {
    expectLiveDialog(DIALOG_SHIFT, expectedShift());
}
TEST(DialogWindow, CopyOpensWithEveryControlInPlace) {
    expectLiveDialog(DIALOG_COPY, expectedCopy());
}

TEST(DialogWindow, ShiftKeepsDeviceAndButtonChoicesApart) {
    OpenDialog dialog(DIALOG_SHIFT);
    ASSERT_NE(dialog.hwnd(), nullptr);
    dialog.click(ID_SHIFT_DEVICE_FIRST + 1);
    dialog.click(ID_SHIFT_BUTTON_FIRST + 31);
    EXPECT_TRUE(dialog.checked(ID_SHIFT_DEVICE_FIRST + 1));
    EXPECT_TRUE(dialog.checked(ID_SHIFT_BUTTON_FIRST + 31));
    // Within a group the last click wins, across all four rows of buttons.
    dialog.click(ID_SHIFT_BUTTON_FIRST);
    EXPECT_FALSE(dialog.checked(ID_SHIFT_BUTTON_FIRST + 31));
    EXPECT_TRUE(dialog.checked(ID_SHIFT_BUTTON_FIRST));
    dialog.click(ID_SHIFT_DEVICE_FIRST + 3);
    EXPECT_FALSE(dialog.checked(ID_SHIFT_DEVICE_FIRST + 1));
    EXPECT_TRUE(dialog.checked(ID_SHIFT_BUTTON_FIRST));
}

// "S3" closes the first group and "3" opens the second, so a radio of each
// row-half can be checked at once.
TEST(DialogWindow, CopyRadiosFormTwoGroups) {
    OpenDialog dialog(DIALOG_COPY);
    ASSERT_NE(dialog.hwnd(), nullptr);
    dialog.click(200);
    dialog.click(204);
    EXPECT_TRUE(dialog.checked(200));
    EXPECT_TRUE(dialog.checked(204));
    dialog.click(205);  // "S3" shares the group of "1"
    EXPECT_FALSE(dialog.checked(200));
    EXPECT_TRUE(dialog.checked(205));
    EXPECT_TRUE(dialog.checked(204));
    dialog.click(207);
    EXPECT_FALSE(dialog.checked(204));
    EXPECT_TRUE(dialog.checked(205));
}

// Without automatic scrolling the field refuses what does not fit its width.
TEST(DialogWindow, NameFieldTakesOnlyWhatFits) {
    OpenDialog dialog(DIALOG_NAME);
    ASSERT_NE(dialog.hwnd(), nullptr);
    HWND edit = dialog.item(ID_NAME_EDIT);
    ASSERT_NE(edit, nullptr);
    for (int i = 0; i < 80; ++i) SendMessageA(edit, WM_CHAR, 'W', 0);
    const int length = GetWindowTextLengthA(edit);
    EXPECT_GT(length, 5);
    EXPECT_LT(length, 80);
}

}  // namespace
}  // namespace tarvik::test
