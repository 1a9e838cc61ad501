#include "config/ResponseCurve.h"
#include "ui/config/win32/ConfigWindow.h"

#include <algorithm>
#include <cstring>

#include "config/KeyAndActionLists.h"
#include "platform/win32/WindowClass.h"
#include "ui/config/SelectionCommands.h"
#include "ui/config/win32/ConfigWindowHandlers.h"
#include "ui/config/win32/DeviceDescription.h"

namespace tarvik {

namespace {

constexpr int kWindowWidth = 800;
constexpr int kWindowHeight = 480;
constexpr char kNoMoranda[] = " no moranda";

void store(ConfigWindowChildren& c, ControlGroup group, int position, HWND handle) {
    auto put = [&](HWND* handles, int capacity, int& count) {
        if (position < 0 || position >= capacity) return;
        handles[position] = handle;
        count = std::max(count, position + 1);
    };
    switch (group) {
        case ControlGroup::kFrameControls:
            put(c.frameControls, kFrameControlCount, c.frameControlCount);
            break;
        case ControlGroup::kDeviceRadios:
            put(c.deviceRadios, kMaxDeviceRadios, c.deviceRadioCount);
            break;
        case ControlGroup::kDevicePageFrame:
            put(c.devicePageFrame, kDevicePageFrameCount, c.devicePageFrameCount);
            break;
        case ControlGroup::kControlSelectors:
            put(c.controlSelectors, kControlSelectorSlots, c.controlSelectorCount);
            break;
        case ControlGroup::kEntryOptions:
            put(c.entryOptions, kEntryOptionCount, c.entryOptionCount);
            if (position == 18) c.entryCountAfterFirstUpDown = c.entryOptionCount;
            if (position == 19) c.entryCountAfterSecondUpDown = c.entryOptionCount;
            if (position == 20) c.entryCountAfterThirdUpDown = c.entryOptionCount;
            break;
        case ControlGroup::kBlockOptions:
            put(c.blockOptions, kBlockOptionCount, c.blockOptionCount);
            if (position == 4) c.blockCountAfterFirstUpDown = c.blockOptionCount;
            if (position == 6) c.blockCountAfterThirdUpDown = c.blockOptionCount;
            break;
        case ControlGroup::kCommonPage:
            put(c.commonPage, kCommonPageCount, c.commonPageCount);
            break;
    }
}

// The mouse-action list, each item with its action code and the current
// entry's action selected, then the key list with each key's code.
void fillLists(ConfigWindowContext& context, HWND window) {
    const std::optional<int> selected =
        initialMouseActionItem(context.state.config, context.state.selection);
    HWND actions = GetDlgItem(window, ControlId::kMouseActionList);
    for (int i = 0; i < kMouseActionItemCount; ++i) {
        const LRESULT item = SendMessageA(actions, CB_ADDSTRING, 0,
                                          reinterpret_cast<LPARAM>(mouseActionListItems[i].text));
        SendMessageA(actions, CB_SETITEMDATA, static_cast<WPARAM>(item),
                     mouseActionListItems[i].code);
        if (selected == i) SendMessageA(actions, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
    }
    HWND curves = GetDlgItem(window, ControlId::kResponseCurveList);
    for (const char* name : kResponseCurveNames) {
        SendMessageA(curves, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }
    HWND keys = GetDlgItem(window, ControlId::kKeyList);
    for (const ListItem& key : keyListItems) {
        const LRESULT item =
            SendMessageA(keys, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(key.text));
        SendMessageA(keys, CB_SETITEMDATA, static_cast<WPARAM>(item), key.code);
    }
}

// One radio per joystick's two blocks and the mouse's, for the devices as
// they are now.
void createDeviceRow(ConfigWindowContext& context, HWND window, int width, int height) {
    const int deviceCount = context.state.devices.deviceCount;
    for (int p = 0; p < deviceRadioCount(deviceCount); ++p) {
        const ChildControl radio = deviceRadio(deviceCount, p);
        store(context.children, ControlGroup::kDeviceRadios, p,
              createChildControl(window, context.instance, radio, width, height));
    }
}

void createChildren(ConfigWindowContext& context, HWND window, int width, int height) {
    ConfigWindowChildren& children = context.children;
    const SelectionState& selection = context.state.selection;
    for (const CreationItem& item : creationSequence) {
        switch (item.step) {
            case CreationStep::kControls:
                for (int p = item.firstPosition; p <= item.lastPosition; ++p) {
                    const ChildControl* row = findChildControl({item.group, p});
                    if (row == nullptr) continue;
                    store(children, item.group, p,
                          createChildControl(window, context.instance, *row, width, height));
                }
                break;
            case CreationStep::kDeviceRow:
                createDeviceRow(context, window, width, height);
                break;
            case CreationStep::kCheckLevelRadio:
                CheckDlgButton(window, ControlId::kFirstLevelRadio + selection.currentLevel,
                               BST_CHECKED);
                break;
            case CreationStep::kCheckPovRadio:
                CheckDlgButton(window, ControlId::kFirstPovRadio + selection.currentPov,
                               BST_CHECKED);
                break;
            case CreationStep::kFillLists:
                fillLists(context, window);
                break;
        }
    }
}

void appendNoMoranda(HWND window) {
    char caption[256 + sizeof(kNoMoranda)] = {};
    const int length = GetWindowTextA(window, caption, 256);
    std::memcpy(caption + std::max(length, 0), kNoMoranda, sizeof(kNoMoranda));
    SetWindowTextA(window, caption);
}

void createWindow(ConfigWindowContext& context, HWND window) {
    SharedState& state = context.state;
    state.configWindow = reinterpret_cast<WindowHandle>(window);
    describeDevices(context.directInput, state.devices, context.devices);
    context.children = ConfigWindowChildren{};

    if (state.engine.noKeySentYet == 0) appendNoMoranda(window);

    RECT desktop{};
    GetClientRect(GetDesktopWindow(), &desktop);
    MoveWindow(window, (desktop.right - kWindowWidth) / 2, (desktop.bottom - kWindowHeight) / 2,
               kWindowWidth, kWindowHeight, TRUE);
    ShowWindow(window, SW_SHOW);

    RECT client{};
    GetClientRect(window, &client);
    createChildren(context, window, client.right, client.bottom);

    CheckDlgButton(window, ControlId::kFirstDeviceRadio + state.selection.currentBlock,
                   BST_CHECKED);
    CheckDlgButton(window, ControlId::kFirstControlRadio + state.selection.currentControl,
                   BST_CHECKED);
    pageDisplay(context);
    pagePaint(context, nullptr);
    SetForegroundWindow(window);
}

// The window may go by a route other than "close" or "quit"; the handle
// must not outlive it.
void forgetWindow(ConfigWindowContext& context, HWND window) {
    WindowHandle expected = reinterpret_cast<WindowHandle>(window);
    context.state.configWindow.compare_exchange_strong(expected, kNoWindow);
    context.children = ConfigWindowChildren{};
}

}  // namespace

HWND openConfigWindowHandle(const ConfigWindowContext& context) {
    return reinterpret_cast<HWND>(context.state.configWindow.load());
}

void applyFollowUp(ConfigWindowContext& context, const FollowUp& followUp) {
    HWND window = openConfigWindowHandle(context);
    if (window == nullptr) return;
    for (int i = 0; i < followUp.checkCount; ++i) {
        CheckDlgButton(window, followUp.checks[i].id,
                       followUp.checks[i].checked ? BST_CHECKED : BST_UNCHECKED);
    }
    if (followUp.pageDisplay) pageDisplay(context);
    if (followUp.pagePaint) pagePaint(context, nullptr);
}

LRESULT CALLBACK configWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ConfigWindowContext* context = windowStateOf<ConfigWindowContext>(window, message, lParam);
    if (context == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    LRESULT result = 0;
    switch (message) {
        case WM_CREATE:
            createWindow(*context, window);
            break;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            pagePaint(*context, dc);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_NOTIFY:
            handleNotify(*context, lParam);
            break;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            if (handleKeyRelease(*context, message, wParam, lParam, result)) return result;
            break;
        case WM_CHAR:
            handleCharacter(*context, wParam);
            break;
        case WM_COMMAND:
            if (handleCommand(*context, window, wParam, lParam, result)) return result;
            break;
        case WM_DESTROY:
            forgetWindow(*context, window);
            break;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool registerConfigWindowClass(HINSTANCE instance, HBRUSH background) {
    return registerWindowClass(instance, kConfigWindowClass, configWindowProc, background,
                               CS_BYTEALIGNCLIENT | CS_CLASSDC);
}

void openConfigWindow(ConfigWindowContext& context) {
    if (HWND open = openConfigWindowHandle(context)) {
        SetForegroundWindow(open);
        return;
    }
    CreateWindowExA(0, kConfigWindowClass, context.title, WS_CAPTION | WS_THICKFRAME, 0, 0, 640,
                    480, nullptr, nullptr, context.instance, &context);
}

void showDevicesAgain(ConfigWindowContext& context, int previousMouseSlot) {
    HWND window = openConfigWindowHandle(context);
    if (window == nullptr) return;
    SharedState& state = context.state;
    describeDevices(context.directInput, state.devices, context.devices);

    ConfigWindowChildren& children = context.children;
    for (int p = 0; p < children.deviceRadioCount; ++p) {
        if (children.deviceRadios[p] != nullptr) DestroyWindow(children.deviceRadios[p]);
        children.deviceRadios[p] = nullptr;
    }
    children.deviceRadioCount = 0;
    RECT client{};
    GetClientRect(window, &client);
    createDeviceRow(context, window, client.right, client.bottom);

    // The mouse's page stays the mouse's, in the block it has now; the
    // block is chosen as a click on its radio would choose it.
    int block = state.selection.currentBlock;
    if (block == previousMouseSlot) block = state.devices.mouseSlot();
    applyFollowUp(context, selectBlock(state.config.header, state.selection,
                                       ControlId::kFirstDeviceRadio + block, context.devices));
    InvalidateRect(window, nullptr, TRUE);
}

namespace {

void setRadio(ConfigWindowContext& context, int id, bool checked) {
    if (HWND window = openConfigWindowHandle(context)) {
        CheckDlgButton(window, id, checked ? BST_CHECKED : BST_UNCHECKED);
    }
}

}  // namespace

void ConfigWindowLearningView::setControlCheck(int control, bool checked) {
    setRadio(context_, ControlId::controlRadio(control), checked);
}

void ConfigWindowLearningView::setHatCheck(int hat, bool checked) {
    setRadio(context_, ControlId::povRadio(hat), checked);
}

void ConfigWindowLearningView::redisplayPage() {
    pageDisplay(context_);
    pagePaint(context_, nullptr);
}

}  // namespace tarvik
