// The injected events as a real window receives them: a probe window that
// has the focus records its key and mouse messages while the engine's
// synthetic input goes through the Win32 platform.

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "config/FunctionKeyTable.h"
#include "engine/ActionExecution.h"
#include "engine/SyntheticInput.h"
#include "engine/win32/Win32EngineWindows.h"
#include "fakes/RecordingEngineWindows.h"
#include "wine/MessagePump.h"
#include "wine/ProbeWindow.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/WindowClass.h"

namespace tarvik {
namespace {

constexpr char kProbeClass[] = "TarvikSyntheticInputProbe";
constexpr DWORD kPatienceMs = 3000;

struct Received {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;

    unsigned scan() const { return (static_cast<unsigned>(lParam) >> 16) & 0xFF; }
    bool extended() const { return ((static_cast<unsigned>(lParam) >> 24) & 1) != 0; }
    int x() const { return static_cast<short>(LOWORD(lParam)); }
    int y() const { return static_cast<short>(HIWORD(lParam)); }
    int wheel() const { return GET_WHEEL_DELTA_WPARAM(wParam); }
};

std::vector<Received> received;

bool isRecorded(UINT message) {
    switch (message) {
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
        case WM_CHAR:
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MOUSEWHEEL:
            return true;
        default:
            return false;
    }
}

LRESULT CALLBACK probeProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (isRecorded(message)) {
        received.push_back({message, wParam, lParam});
        // Alt and F10 would otherwise start the menu loop.
        if (message == WM_SYSKEYDOWN || message == WM_SYSKEYUP) return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// Dispatches messages until `done` holds or the patience runs out; never
// waits longer than that.
bool pumpUntil(const std::function<bool()>& done, DWORD patienceMs = kPatienceMs) {
    return testing::pumpMessagesUntil(done, patienceMs);
}

void pumpFor(DWORD ms) {
    pumpUntil([] { return false; }, ms);
}

const Received* find(UINT message, std::size_t from = 0) {
    for (std::size_t i = from; i < received.size(); ++i) {
        if (received[i].message == message) return &received[i];
    }
    return nullptr;
}

bool arrived(UINT message) {
    return find(message) != nullptr;
}

std::size_t count(UINT message) {
    std::size_t n = 0;
    for (const Received& r : received) n += r.message == message ? 1 : 0;
    return n;
}

class InjectedInput : public ::testing::Test {
  protected:
    Win32Platform platform;
    EngineState state;
    std::unique_ptr<DeviceTable> devices = std::make_unique<DeviceTable>();
    SyntheticInput input{platform, state, *devices};
    HWND probe = nullptr;
    POINT centre{};

    static void TearDownTestSuite() { UnregisterClassA(kProbeClass, GetModuleHandleA(nullptr)); }

    void SetUp() override {
        probe =
            testing::openProbeWindow(kProbeClass, "probe", probeProcedure, {100, 100, 500, 400});
        ASSERT_NE(probe, nullptr);
        ASSERT_TRUE(testing::focusProbeWindow(probe, kPatienceMs))
            << "the probe window never got the focus";
        RECT client{};
        GetClientRect(probe, &client);
        centre = {client.right / 2, client.bottom / 2};
        POINT screen = centre;
        ClientToScreen(probe, &screen);
        SetCursorPos(screen.x, screen.y);
        pumpFor(100);
        received.clear();
    }
    void TearDown() override {
        if (probe != nullptr) DestroyWindow(probe);
        pumpFor(20);
        received.clear();
    }
};

TEST_F(InjectedInput, KeyDownAndUpCarryTheVirtualKeyAndScanCode) {
    // Bits 9-15 of the scan word must not reach the event.
    input.sendKeyEvent(0, 0x41, 0xFE1E, 0);
    input.sendKeyEvent(0, 0x41, 0xFE1E, 2);
    ASSERT_TRUE(pumpUntil([] { return arrived(WM_KEYUP); }));
    const Received* down = find(WM_KEYDOWN);
    const Received* up = find(WM_KEYUP);
    ASSERT_NE(down, nullptr);
    EXPECT_EQ(down->wParam, WPARAM{0x41});
    EXPECT_EQ(down->scan(), 0x1Eu);
    EXPECT_FALSE(down->extended());
    EXPECT_EQ(up->wParam, WPARAM{0x41});
    EXPECT_EQ(up->scan(), 0x1Eu);
    const Received* typed = find(WM_CHAR);
    ASSERT_NE(typed, nullptr);
    EXPECT_EQ(typed->wParam, WPARAM{'a'});
    EXPECT_EQ(state.noKeySentYet.load(), 0);
}

TEST_F(InjectedInput, ScanWordBitEightMakesAnExtendedKey) {
    input.sendKeyEvent(0, 0x27, 0x14D, 0);  // right arrow
    input.sendKeyEvent(0, 0x27, 0x14D, 2);
    input.sendKeyEvent(0, 0x827, 0x4D, 0);  // the key word's extended bit does not count
    input.sendKeyEvent(0, 0x827, 0x4D, 2);
    ASSERT_TRUE(pumpUntil([] { return received.size() >= 4; }));
    ASSERT_EQ(received.size(), 4u);
    for (const Received& r : received) EXPECT_EQ(r.wParam, WPARAM{0x27});
    EXPECT_EQ(received[0].message, UINT{WM_KEYDOWN});
    EXPECT_TRUE(received[0].extended());
    EXPECT_EQ(received[1].message, UINT{WM_KEYUP});
    EXPECT_TRUE(received[1].extended());
    EXPECT_FALSE(received[2].extended());
    EXPECT_FALSE(received[3].extended());
}

TEST_F(InjectedInput, ExecutedKeyWithShiftTypesTheCapital) {
    FunctionKeyTable functionKeys{};
    testing::RecordingEngineWindows windows;  // opens nothing
    ActionExecution executor{{input, state, functionKeys, *devices, platform, windows}};
    auto entry = std::make_unique<ControlEntry>();
    entry->sendKeys = 1;
    entry->keyCodes[0] = 0x141;
    entry->scanCodes[0] = 0x1E;
    entry->keyText[0] = 'A';
    executor.executeAction(0, *entry, ActionMode::kPress);
    executor.executeAction(0, *entry, ActionMode::kRelease);
    ASSERT_TRUE(pumpUntil([] { return count(WM_KEYUP) >= 2; }));
    ASSERT_GE(received.size(), 4u);
    EXPECT_EQ(received[0].message, UINT{WM_KEYDOWN});
    EXPECT_EQ(received[0].wParam, WPARAM{VK_SHIFT});
    EXPECT_EQ(received[0].scan(), 0x2Au);
    EXPECT_EQ(received[1].wParam, WPARAM{0x41});
    const Received* typed = find(WM_CHAR);
    ASSERT_NE(typed, nullptr);
    EXPECT_EQ(typed->wParam, WPARAM{'A'});
}

TEST_F(InjectedInput, RelativeMovesGoTheirDirection) {
    POINT before{};
    GetCursorPos(&before);
    input.sendMouseEvent(0, MouseFlags::kMove, 12, 7, 0);
    // Moves are accelerated: only the direction is certain.
    ASSERT_TRUE(pumpUntil([&] {
        const Received* move = find(WM_MOUSEMOVE);
        return move != nullptr && move->x() > centre.x;
    }));
    POINT after{};
    GetCursorPos(&after);
    EXPECT_GT(after.x, before.x);
    EXPECT_GT(after.y, before.y);

    received.clear();
    state.currentXStep = 10;
    state.currentYStep = 10;
    ControlEntry entry{};
    entry.mouseActionCode = kMoveLeftUp;
    input.performMouseAction(0, entry, ActionMode::kPress, 0);
    ASSERT_TRUE(pumpUntil([&] { return arrived(WM_MOUSEMOVE); }));
    POINT last{};
    GetCursorPos(&last);
    EXPECT_LT(last.x, after.x);
    EXPECT_LT(last.y, after.y);
}

TEST_F(InjectedInput, WheelStepsCarryTheirAmountAndSign) {
    ControlEntry entry{};
    entry.yStep = 40;
    entry.mouseActionCode = kWheelClick;
    input.performMouseAction(0, entry, ActionMode::kPress, 0);
    entry.mouseActionCode = kWheelScrollYStep;
    input.performMouseAction(0, entry, ActionMode::kPress, 0);
    ASSERT_TRUE(pumpUntil([] { return count(WM_MOUSEWHEEL) >= 2; }));
    const Received* first = find(WM_MOUSEWHEEL);
    const Received* second =
        find(WM_MOUSEWHEEL, static_cast<std::size_t>(first - received.data()) + 1);
    EXPECT_EQ(first->wheel(), 120);
    EXPECT_EQ(second->wheel(), -40);
}

TEST_F(InjectedInput, ClicksReachTheWindowUnderTheCursor) {
    ControlEntry entry{};
    entry.mouseActionCode = kLeftClick;
    input.performMouseAction(0, entry, ActionMode::kPress, 0);
    ASSERT_TRUE(pumpUntil([] { return arrived(WM_LBUTTONUP); }));
    const Received* down = find(WM_LBUTTONDOWN);
    ASSERT_NE(down, nullptr);
    EXPECT_EQ(down->x(), centre.x);
    EXPECT_EQ(down->y(), centre.y);
    EXPECT_LT(down, find(WM_LBUTTONUP));

    received.clear();
    entry.mouseActionCode = kRightButtonDown;
    input.performMouseAction(0, entry, ActionMode::kPress, 0);
    ASSERT_TRUE(pumpUntil([] { return arrived(WM_RBUTTONDOWN); }));
    EXPECT_FALSE(arrived(WM_RBUTTONUP));
    input.performMouseAction(0, entry, ActionMode::kRelease, 0);
    ASSERT_TRUE(pumpUntil([] { return arrived(WM_RBUTTONUP); }));
}

TEST_F(InjectedInput, AbsolutePositionSetsTheCursorAcrossTheDesktop) {
    RECT desktop{};
    GetClientRect(GetDesktopWindow(), &desktop);
    SetCursorPos(10, 20);
    devices->states[2].axes[0] = 0;
    ControlEntry entry{};
    entry.mouseActionCode = kXAbsolute;
    input.performMouseAction(2, entry, ActionMode::kPress, 0);
    POINT cursor{};
    GetCursorPos(&cursor);
    EXPECT_EQ(cursor.x, desktop.right / 2);
    EXPECT_EQ(cursor.y, 20);
}

// The engine's own windows, from stand-in classes of the same names.
class EngineWindowCreation : public InjectedInput {
  protected:
    bool registered = false;

    void SetUp() override {
        InjectedInput::SetUp();
        HINSTANCE instance = GetModuleHandleA(nullptr);
        const bool stringClass =
            registerWindowClass(instance, kTextInputWindowClass, DefWindowProcA, nullptr);
        const bool fClass =
            registerWindowClass(instance, kSelectorWindowClass, DefWindowProcA, nullptr);
        registered = stringClass && fClass;
    }
    void TearDown() override {
        UnregisterClassA(kTextInputWindowClass, GetModuleHandleA(nullptr));
        UnregisterClassA(kSelectorWindowClass, GetModuleHandleA(nullptr));
        InjectedInput::TearDown();
    }

    static std::string title(HWND window) {
        char text[128] = {};
        GetWindowTextA(window, text, sizeof(text));
        return text;
    }
};

TEST_F(EngineWindowCreation, WindowsAreTopmostVisibleAndLeaveTheFocusAlone) {
    if (!registered) GTEST_SKIP() << "the classes are registered elsewhere in this process";
    auto shared = std::make_unique<SharedState>();
    Win32EngineWindows windows(*shared, nullptr);

    HWND text = reinterpret_cast<HWND>(windows.openTextInputWindow());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(title(text), "text input with gaming device");
    const LONG style = GetWindowLongA(text, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_VISIBLE),
              WS_CAPTION | WS_THICKFRAME | WS_VISIBLE);
    EXPECT_NE(GetWindowLongA(text, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    RECT rect{};
    GetWindowRect(text, &rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right - rect.left, 640);
    EXPECT_EQ(rect.bottom - rect.top, 480);

    HWND selector = reinterpret_cast<HWND>(windows.openSelectorWindow());
    ASSERT_NE(selector, nullptr);
    EXPECT_EQ(title(selector), "F1");
    EXPECT_EQ(GetWindowLongA(selector, GWL_STYLE) &
                  (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_VISIBLE),
              WS_CAPTION | WS_VISIBLE);
    EXPECT_NE(GetWindowLongA(selector, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);

    pumpFor(100);
    EXPECT_EQ(GetForegroundWindow(), probe);
    // Typed keys still reach the application that had the focus.
    input.sendKeyEvent(0, 0x42, 0x30, 0);
    input.sendKeyEvent(0, 0x42, 0x30, 2);
    ASSERT_TRUE(pumpUntil([] { return arrived(WM_KEYUP); }));
    DestroyWindow(text);
    DestroyWindow(selector);
}

}  // namespace
}  // namespace tarvik
