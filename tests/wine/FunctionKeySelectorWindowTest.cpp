// The function-key selector from its real class: where it stands, what its
// caption shows, and the countdown typing the chosen key into the focused
// application through the real synthetic input.

#include "EngineWindowRig.h"
#include "engine/SyntheticInput.h"
#include "engine/text_input/FunctionKeySelector.h"
#include "ui/text_input/TextInputLayout.h"

namespace tarvik {
namespace {

using testing::clickAt;
using testing::EngineWindowRig;
using testing::hwndOf;
using testing::probeKeys;
using testing::pumpFor;
using testing::pumpUntil;
using testing::windowTitle;

class SelectorWindow : public EngineWindowRig {
  protected:
    Win32FunctionKeySelectorView view{*app};
    HWND window = nullptr;

    // The action executor's first press: row and countdown first, then the
    // window, whose creation reads the row.
    void open(int32_t row) {
        app->functionKeys.fSelectIndex = row;
        app->functionKeys.fSelectCountdown = kSelectorCountdown;
        app->engine.fSelectWindow = kNoWindow;
        const WindowHandle returned = windows.openSelectorWindow();
        window = hwndOf(returned);
        ASSERT_NE(window, nullptr);
        ASSERT_EQ(app->engine.fSelectWindow, returned) << "set by the creation handler";
    }
    // The caption after the window was uncovered and repainted.
    std::string captionAfterPaint(int32_t row) {
        app->functionKeys.fSelectIndex = row;
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
        pumpFor(30);
        return windowTitle(window);
    }
};

TEST_F(SelectorWindow, StandsJustAboveAndLeftOfTheCentreWithOnlyItsCaption) {
    open(1);
    EXPECT_EQ(windowTitle(window), "F1");
    const RECT desktop = desktopArea();
    const PixelPoint origin = selectorPlacement(desktop.right, desktop.bottom);
    const RECT placed = screenRectOf(window);
    EXPECT_EQ(placed.left, origin.x);
    EXPECT_EQ(placed.top, origin.y);
    // Sized 0 x 0, it keeps the smallest size the system gives a window.
    EXPECT_EQ(placed.right - placed.left, GetSystemMetrics(SM_CXMIN));
    EXPECT_EQ(placed.bottom - placed.top, GetSystemMetrics(SM_CYMIN));
    EXPECT_NE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    pumpFor(100);
    EXPECT_TRUE(probeKeepsTheFocus());
}

TEST_F(SelectorWindow, ClickOnTheCaptionLeavesTheFocus) {
    open(1);
    pumpFor(50);
    const RECT frame = screenRectOf(window);
    const POINT centre{(frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2};
    ASSERT_EQ(SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(centre.x, centre.y)), HTCAPTION);
    clickAt(centre);
    pumpFor(100);
    EXPECT_TRUE(probeKeepsTheFocus());
}

TEST_F(SelectorWindow, PaintShowsTheRowOnOfferAndNoneForARowOutsideTheTable) {
    open(1);
    EXPECT_EQ(captionAfterPaint(3), "F3");
    EXPECT_EQ(captionAfterPaint(12), "F12");
    EXPECT_EQ(captionAfterPaint(0), "none");
    EXPECT_EQ(captionAfterPaint(13), "none");
    EXPECT_EQ(captionAfterPaint(-7), "none");
    DestroyWindow(window);
    open(40);
    EXPECT_EQ(windowTitle(window), "none");
}

TEST_F(SelectorWindow, ViewSetsTheCaptionAndClosesTheWindow) {
    open(1);
    view.setCaption("F7");
    EXPECT_EQ(windowTitle(window), "F7");
    view.destroyWindow();
    EXPECT_FALSE(IsWindow(window));

    app->engine.fSelectWindow = kNoWindow;
    view.setCaption("F9");  // nothing to show it in
    view.destroyWindow();
    EXPECT_EQ(windowTitle(probe), kProbeTitle);
}

TEST_F(SelectorWindow, CountdownTypesTheKeyOnOfferIntoTheFocusedWindow) {
    open(1);
    app->functionKeys.fSelectIndex = 3;  // two more presses
    SyntheticInput keys{platform, app->engine, app->devices};
    FunctionKeySelectorContext context{app->functionKeys, view, keys, platform};
    for (int pass = 1; pass < kSelectorCountdown; ++pass) {
        ASSERT_EQ(functionKeyCountdownStep(context), SelectorOutcome::kOpen);
        EXPECT_EQ(windowTitle(window), "F3");
        pumpFor(10);
    }
    EXPECT_TRUE(probeKeys.empty());
    ASSERT_EQ(functionKeyCountdownStep(context), SelectorOutcome::kClosed);
    app->engine.fSelectWindow = kNoWindow;  // the polling thread's part
    EXPECT_FALSE(IsWindow(window));
    ASSERT_TRUE(pumpUntil([] { return probeKeys.size() >= 2; }));
    ASSERT_EQ(probeKeys.size(), 2u);
    EXPECT_EQ(probeKeys[0].message, UINT{WM_KEYDOWN});
    EXPECT_EQ(probeKeys[0].wParam, WPARAM{VK_F3});
    EXPECT_EQ(probeKeys[1].message, UINT{WM_KEYUP});
    EXPECT_EQ(probeKeys[1].wParam, WPARAM{VK_F3});
    EXPECT_EQ(GetForegroundWindow(), probe);
}

}  // namespace
}  // namespace tarvik
