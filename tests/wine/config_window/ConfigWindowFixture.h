#pragma once
// The real configuration window in a test process: a fresh AppState with
// the defaults, two described joysticks and the mouse, the class
// registered here, and scripted answers for the three small dialogs.

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "config/Defaults.h"
#include "config/Thresholds.h"
#include "wine/config_window/DeviceDescription.h"
#include "input/win32/DirectInputTables.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Platform.h"
#include "shell/AppState.h"
#include "shell/VersionString.h"
#include "ui/config/ControlIds.h"
#include "ui/config/win32/ConfigWindow.h"

namespace tarvik::testing {

// Answers the NAME, SHIFT and COPY dialogs without showing them, or hands
// them to `real` when a test sets it.
struct ScriptedDialogs final : ConfigDialogRunner {
    ConfigDialogRunner* real = nullptr;
    bool accept = true;
    std::string name;  // typed into NAME
    uint32_t shiftDevice = 0, shiftButton = 0;
    int copyTarget = 0;
    int nameRuns = 0, shiftRuns = 0, copyRuns = 0;
    int copySeenBlock = -1, copySeenDevices = -1;

    bool runName(HWND owner, DialogState& dialogs) override {
        ++nameRuns;
        if (real) return real->runName(owner, dialogs);
        if (accept) {
            std::snprintf(dialogs.nameBuffer.text, sizeof(dialogs.nameBuffer.text), "%s",
                          name.c_str());
        }
        return accept;
    }
    bool runShift(HWND owner, ConfigHeader& header, DialogState& dialogs) override {
        ++shiftRuns;
        if (real) return real->runShift(owner, header, dialogs);
        if (accept) {
            header.shiftDevice = shiftDevice;
            header.shiftButton = shiftButton;
        }
        return accept;
    }
    bool runCopy(HWND owner, int currentBlock, int deviceCount, DialogState& dialogs) override {
        ++copyRuns;
        if (real) return real->runCopy(owner, currentBlock, deviceCount, dialogs);
        copySeenBlock = currentBlock;
        copySeenDevices = deviceCount;
        if (accept) dialogs.copyTargetBlock = copyTarget;
        return accept;
    }
};

constexpr uint32_t kPadFlags = CapabilityFlags::kX | CapabilityFlags::kY | CapabilityFlags::kZ |
                               CapabilityFlags::kSlider0 | CapabilityFlags::kPov;

// Both slots of joystick `device`, as the device layer fills them.
inline void describeJoystick(DirectInputTables& tables, DeviceTable& devices, int device,
                             const char* name, DWORD buttons, DWORD axes, DWORD povs,
                             uint32_t flags) {
    for (int slot = 2 * device; slot <= 2 * device + 1; ++slot) {
        describeSlot(tables, devices, slot, name, buttons, axes, povs, flags);
    }
}

inline HBRUSH faceBrush() {
    static HBRUSH brush = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    return brush;
}

inline HPEN facePen() {
    static HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNFACE));
    return pen;
}

// Lets the window handle what is queued (paints, shows).
inline void pumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

class ConfigWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        static const ATOM registered =
            registerConfigWindowClass(GetModuleHandleA(nullptr), faceBrush());
        ASSERT_NE(registered, 0);
    }

    ConfigWindowTest() {
        writeRecordDefaults(state->config);
        recomputeThresholds(state->config);
        state->devices.deviceCount = 2;
        state->devices.lastDeviceIndex = 1;
        describeJoystick(*tables, state->devices, 0, "Test Pad", 10, 4, 1, kPadFlags);
        // Flags for two axes but no axis counted: no axis radio may show.
        describeJoystick(*tables, state->devices, 1, "Big Pad", 30, 0, 0,
                         CapabilityFlags::kX | CapabilityFlags::kY);
        std::snprintf(tables->descriptions[4].tszProductName,
                      sizeof(tables->descriptions[4].tszProductName), "Mouse");
        tables->capabilities[4].dwButtons = 3;
        tables->capabilities[4].dwAxes = 3;
        state->devices.capabilityFlags[4] =
            CapabilityFlags::kX | CapabilityFlags::kY | CapabilityFlags::kZ;
        state->selection.currentBlock = 14;
    }

    ~ConfigWindowTest() override {
        if (HWND open = window()) DestroyWindow(open);
        if (created && IsWindow(created)) DestroyWindow(created);
        pumpMessages();
    }

    // Opens the window for the selection set so far.
    HWND open() {
        openConfigWindow(context);
        created = window();
        pumpMessages();
        return created;
    }

    HWND window() const { return reinterpret_cast<HWND>(state->configWindow.load()); }
    HWND item(int id) const { return GetDlgItem(created, id); }
    ControlEntry& entry(int block, int index) { return state->config.blocks[block].entries[index]; }

    LRESULT command(int id, int code = BN_CLICKED) {
        return SendMessageA(created, WM_COMMAND, MAKEWPARAM(id, code),
                            reinterpret_cast<LPARAM>(item(id)));
    }
    // The user picks item `index` of a drop-down list.
    void pick(int listId, int index) {
        SendMessageA(item(listId), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        command(listId, CBN_SELCHANGE);
    }
    void step(int upDownId, int delta) {
        NMUPDOWN change{};
        change.hdr.hwndFrom = item(upDownId);
        change.hdr.idFrom = static_cast<UINT_PTR>(upDownId);
        change.hdr.code = UDN_DELTAPOS;
        change.iDelta = delta;
        SendMessageA(created, WM_NOTIFY, static_cast<WPARAM>(upDownId),
                     reinterpret_cast<LPARAM>(&change));
    }
    bool checked(int id) const { return IsDlgButtonChecked(created, id) == BST_CHECKED; }
    std::string text(HWND control) const {
        char buffer[1024] = {};
        GetWindowTextA(control, buffer, sizeof(buffer));
        return buffer;
    }
    HWND member(ControlGroup group, int position) const {
        return context.children.at({group, position});
    }
    bool shown(ControlGroup group, int position) const {
        HWND control = member(group, position);
        return control && (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0;
    }

    std::unique_ptr<AppState> state = std::make_unique<AppState>();
    std::unique_ptr<DirectInputTables> tables = std::make_unique<DirectInputTables>();
    Win32Platform platform;
    Win32FileSystem fileSystem;
    ScriptedDialogs dialogs;
    ConfigWindowContext context{*state,    *state,      VersionString, GetModuleHandleA(nullptr),
                                facePen(), faceBrush(), platform,      fileSystem,
                                *tables,   dialogs};
    HWND created = nullptr;
};

}  // namespace tarvik::testing
