// The text-input window from its real class: layout, painting, the drawing
// the polling thread does between paints, and typing with it into the
// focused application through the real synthetic input.

#include <cstring>

#include "EngineWindowRig.h"
#include "engine/ControlLearning.h"
#include "engine/SyntheticInput.h"
#include "config/ShiftButton.h"
#include "fakes/RecordingDeviceSource.h"
#include "fakes/RecordingExecutor.h"
#include "ui/text_input/TextInputLayout.h"

namespace tarvik {
namespace {

using testing::clickAt;
using testing::EngineWindowRig;
using testing::hwndOf;
using testing::inverted;
using testing::PixelImage;
using testing::pumpFor;
using testing::pumpUntil;
using testing::windowTitle;

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

class TextInputWindow : public EngineWindowRig {
  protected:
    Win32TextInputView view{*app};
    HWND window = nullptr;
    RECT client{};
    COLORREF face = 0;

    void open() {
        app->engine.stringWindow = kNoWindow;
        app->engine.textInput.cursorColumn = 5;  // left over from an earlier opening
        app->engine.textInput.cursorRow = 3;
        const WindowHandle returned = windows.openTextInputWindow();
        window = hwndOf(returned);
        ASSERT_NE(window, nullptr);
        // Set by the creation handler, before the opening returned.
        ASSERT_EQ(app->engine.stringWindow, returned);
        pumpFor(100);  // the button paints when the messages are dispatched
        GetClientRect(window, &client);
        face = GetSysColor(COLOR_BTNFACE);
    }

    // True when every pixel of `r` in `after` is the inverse of `before`.
    static bool invertedIn(const PixelImage& before, const PixelImage& after, PixelRect r) {
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) {
                if (after.at(x, y) != inverted(before.at(x, y))) return false;
            }
        }
        return true;
    }
    // True when `before` and `after` agree everywhere outside `r`.
    static bool sameOutside(const PixelImage& before, const PixelImage& after, PixelRect r) {
        for (int y = 0; y < before.height(); ++y) {
            for (int x = 0; x < before.width(); ++x) {
                const bool inside = x >= r.left && x < r.right && y >= r.top && y < r.bottom;
                if (!inside && after.at(x, y) != before.at(x, y)) return false;
            }
        }
        return true;
    }
    static int countColour(const PixelImage& image, PixelRect r, COLORREF colour) {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) n += image.at(x, y) == colour ? 1 : 0;
        }
        return n;
    }
    static PixelRect cellRect(int column, int row) { return highlightRect(column, row, 0); }
};

TEST_F(TextInputWindow, OpensCentredAboveTheMiddleWithTheExitButtonAndLeavesTheFocus) {
    open();
    EXPECT_EQ(windowTitle(window), "text input with gaming device");
    EXPECT_NE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    const RECT desktop = desktopArea();
    const PixelRect expected = textInputPlacement(desktop.right, desktop.bottom);
    const RECT placed = screenRectOf(window);
    EXPECT_EQ(placed.left, expected.left);
    EXPECT_EQ(placed.top, expected.top);
    EXPECT_EQ(placed.right - placed.left, 340);
    EXPECT_EQ(placed.bottom - placed.top, 280);
    EXPECT_EQ((placed.top + placed.bottom) / 2, desktop.bottom / 2 - 80);

    HWND button = GetDlgItem(window, 1234);
    ASSERT_NE(button, nullptr);
    char className[32] = {};
    GetClassNameA(button, className, sizeof(className));
    EXPECT_STREQ(className, "Button");
    EXPECT_EQ(windowTitle(button), "exit");
    EXPECT_NE(GetWindowLongA(button, GWL_STYLE) & BS_CENTER, 0);
    RECT buttonRect{};
    GetWindowRect(button, &buttonRect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&buttonRect), 2);
    const PixelRect exit = exitButtonRect(client.bottom);
    EXPECT_EQ(buttonRect.left, exit.left);
    EXPECT_EQ(buttonRect.top, exit.top);
    EXPECT_EQ(buttonRect.right, exit.right);
    EXPECT_EQ(buttonRect.bottom, exit.bottom);

    EXPECT_EQ(app->engine.textInput.cursorColumn, 0);
    EXPECT_EQ(app->engine.textInput.cursorRow, 0);
    EXPECT_TRUE(probeKeepsTheFocus());
}

TEST_F(TextInputWindow, ClicksOnTheGridTheExitButtonAndTheCaptionLeaveTheFocus) {
    open();
    auto onScreen = [&](PixelRect r) {
        POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ClientToScreen(window, &centre);
        return centre;
    };
    const RECT frame = screenRectOf(window);
    POINT caption{(frame.left + frame.right) / 2,
                  frame.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
    ASSERT_EQ(SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(caption.x, caption.y)), HTCAPTION);
    for (POINT at : {onScreen(cellRect(4, 2)), onScreen(exitButtonRect(client.bottom)), caption}) {
        clickAt(at);
        pumpFor(100);
        EXPECT_TRUE(probeKeepsTheFocus()) << "click at " << at.x << ", " << at.y;
    }
    EXPECT_EQ(app->engine.stringWindow, reinterpret_cast<WindowHandle>(window))
        << "a click on \"exit\" closes nothing";
}

TEST_F(TextInputWindow, PaintShowsTheGridTheHighlightAndAnEmptyEchoBox) {
    open();
    const PixelImage image(window);
    // Code 0 draws nothing: its highlighted cell is all inverted face.
    const PixelRect home = cellRect(0, 0);
    EXPECT_EQ(countColour(image, home, inverted(face)), 20 * 20);
    // The space is a cell of plain face, 'A' (row 4, column 1) has ink.
    EXPECT_EQ(countColour(image, cellRect(0, 2), face), 20 * 20);
    EXPECT_GT(countColour(image, cellRect(1, 4), kBlack), 10);
    EXPECT_EQ(countColour(image, cellRect(1, 4), inverted(face)), 0);
    EXPECT_GT(countColour(image, cellRect(15, 6), kBlack), 0) << "'o' is drawn";

    const PixelRect box = echoBoxRect(client.right, client.bottom);
    EXPECT_EQ(countColour(image, {box.left, box.top, box.right, box.top + 1}, kBlack),
              box.right - box.left);
    EXPECT_EQ(countColour(image, {box.left, box.bottom - 1, box.right, box.bottom}, kBlack),
              box.right - box.left);
    const PixelRect inside{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1};
    EXPECT_EQ(countColour(image, inside, kWhite),
              (inside.right - inside.left) * (inside.bottom - inside.top));
}

TEST_F(TextInputWindow, HighlightInvertsItsRectangleAndASecondInversionRestoresIt) {
    open();
    const PixelImage before(window);
    view.invertHighlight(3, 2);
    const PixelImage once(window);
    EXPECT_TRUE(invertedIn(before, once, cellRect(3, 2)));
    EXPECT_TRUE(sameOutside(before, once, cellRect(3, 2)));
    view.invertHighlight(3, 2);
    EXPECT_TRUE(PixelImage(window) == before);

    // On the exit row the whole button is the highlight, whatever column.
    const PixelRect exit = exitButtonRect(client.bottom);
    view.invertHighlight(11, 8);
    const PixelImage onExit(window);
    EXPECT_TRUE(invertedIn(before, onExit, exit));
    EXPECT_TRUE(sameOutside(before, onExit, exit));
    view.invertHighlight(0, 8);
    EXPECT_TRUE(PixelImage(window) == before);
}

TEST_F(TextInputWindow, EchoBoxShowsTheCodesInAWhiteBoxWithABlackFrame) {
    open();
    uint8_t line[kEchoLength] = {};
    line[18] = 'W';
    line[19] = 'M';
    view.drawEchoBox(line);
    const PixelImage image(window);
    const PixelRect box = echoBoxRect(client.right, client.bottom);
    EXPECT_EQ(image.at(box.left, box.top), kBlack);
    EXPECT_EQ(image.at(box.right - 1, box.bottom - 1), kBlack);
    auto slot = [&](int i) {
        const PixelPoint origin = echoCharOrigin(i, client.bottom);
        return PixelRect{origin.x + 1, box.top + 1, origin.x + 15, box.bottom - 1};
    };
    EXPECT_GT(countColour(image, slot(18), kBlack), 10);
    EXPECT_GT(countColour(image, slot(19), kBlack), 10);
    EXPECT_EQ(countColour(image, slot(0), kWhite), 14 * 18) << "an empty slot stays white";
    const PixelRect beyond{slot(19).right + 1, box.top + 1, box.right - 1, box.bottom - 1};
    EXPECT_EQ(countColour(image, beyond, kWhite),
              (beyond.right - beyond.left) * (beyond.bottom - beyond.top));
}

// The polling thread dispatches the window's messages, so an uncovered
// window repaints: the repaint must show what the step drew.
TEST_F(TextInputWindow, RepaintRestoresTheHighlightAndTheEchoLine) {
    open();
    TextInputState& textInput = app->engine.textInput;
    const char text[] = "repaint";
    std::memcpy(textInput.echoLine + kEchoLength - 7, text, 7);
    view.drawEchoBox(textInput.echoLine);
    for (auto [column, row] : {std::pair{7, 5}, std::pair{7, 8}}) {
        view.invertHighlight(textInput.cursorColumn, textInput.cursorRow);
        textInput.cursorColumn = column;
        textInput.cursorRow = row;
        view.invertHighlight(column, row);
        const PixelImage drawn(window);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        pumpFor(100);
        EXPECT_TRUE(PixelImage(window) == drawn) << "cursor row " << row;
    }
}

TEST_F(TextInputWindow, ViewsDoNothingWhileTheWindowIsClosed) {
    app->engine.stringWindow = kNoWindow;
    const PixelImage screen(nullptr);
    uint8_t line[kEchoLength] = {'x'};
    view.invertHighlight(0, 0);
    view.drawEchoBox(line);
    view.destroyWindow();
    EXPECT_TRUE(PixelImage(nullptr) == screen) << "drew on the screen";
    EXPECT_TRUE(IsWindow(probe));
}

// A stick and a button of one game device, set directly in the device
// table between the polling thread's passes.
class TypingWithTheDevice : public TextInputWindow {
  protected:
    testing::RecordingDeviceSource source;
    NullLearningView learningView;
    LearningContext learning{app->config, app->devices, source, app->selection, learningView};
    SyntheticInput keys{platform, app->engine, app->devices};
    TextInputContext context{app->engine.textInput, view, keys, platform};
    static constexpr int kButton = 2;  // the third button; which one does not matter

    void SetUp() override {
        TextInputWindow::SetUp();
        app->config.header.shiftButton = kShiftButtonOff;
        app->config.blocks[0].learnMask = LearnMask::kButtons | LearnMask::kAxes;
        app->devices.deviceCount = 1;
        app->devices.capabilityFlags[0] = CapabilityFlags::kX | CapabilityFlags::kY;
        app->engine.stringBlock = 0;
    }

    // One pass of the polling thread with the window open.
    TextInputOutcome pass() {
        const TextInputOutcome outcome = serveTextInput(learning, context, app->engine.stringBlock);
        pumpFor(10);
        return outcome;
    }
    void hold(int x, int y, bool button) {
        DeviceState& state = app->devices.states[0];
        state.axes[0] = x;
        state.axes[1] = y;
        state.buttons[kButton] = button ? kButtonPressed : 0;
    }
    // Holds the stick for `passes` passes, then lets it go.
    void steer(int x, int y, int passes) {
        hold(x, y, false);
        for (int i = 0; i < passes; ++i) ASSERT_EQ(pass(), TextInputOutcome::kOpen);
        hold(0, 0, false);
    }
    // Presses the button for two passes: a held button types once.
    void press() {
        hold(0, 0, true);
        ASSERT_EQ(pass(), TextInputOutcome::kOpen);
        ASSERT_EQ(pass(), TextInputOutcome::kOpen);
    }
};

TEST_F(TypingWithTheDevice, StickAndButtonTypeIntoTheFocusedWindowAndTheExitRowCloses) {
    open();
    steer(1000, 0, 8);  // 'H' is row 4, column 8
    steer(0, 1000, 4);
    EXPECT_EQ(app->engine.textInput.cursorColumn, 8);
    EXPECT_EQ(app->engine.textInput.cursorRow, 4);
    press();
    steer(1000, 0, 1);  // 'i' is row 6, column 9
    steer(0, 1000, 2);
    press();
    ASSERT_TRUE(pumpUntil([] { return testing::probeTyped.size() >= 2; }));
    EXPECT_EQ(testing::probeTyped, "Hi");
    EXPECT_EQ(app->engine.textInput.echoLine[18], 'H');
    EXPECT_EQ(app->engine.textInput.echoLine[19], 'i');
    // The highlight sits on 'i' only.
    const PixelImage image(window);
    EXPECT_EQ(countColour(image, cellRect(0, 0), inverted(face)), 0);
    EXPECT_GT(countColour(image, cellRect(9, 6), inverted(face)), 300);
    testing::saveScreenshotIfAsked();

    steer(0, 1000, 5);  // one past the exit row: stays there
    EXPECT_EQ(app->engine.textInput.cursorRow, 8);
    EXPECT_EQ(app->engine.textInput.cursorColumn, 9);
    hold(0, 0, true);
    ASSERT_EQ(pass(), TextInputOutcome::kClosed);
    app->engine.stringWindow = kNoWindow;  // the polling thread's part
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(testing::probeTyped, "Hi") << "the exit types nothing";
    EXPECT_EQ(GetForegroundWindow(), probe);
}

}  // namespace
}  // namespace tarvik
