// Opens the configuration window with two described joysticks on one page
// and keeps it up for a while, for screenshots of the layout.
// Usage: config_window_demo.exe [seconds] [entry|block|common]

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "config/Defaults.h"
#include "config/Thresholds.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Platform.h"
#include "shell/AppState.h"
#include "shell/VersionString.h"
#include "ui/config/win32/ConfigWindow.h"
#include "DeviceDescription.h"

using namespace tarvik;

namespace {

struct NoDialogs final : ConfigDialogRunner {
    bool runName(HWND, DialogState&) override { return false; }
    bool runShift(HWND, ConfigHeader&, DialogState&) override { return false; }
    bool runCopy(HWND, int, int, DialogState&) override { return false; }
};

}  // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 30;
    const char* page = argc > 2 ? argv[2] : "entry";
    auto state = std::make_unique<AppState>();
    auto tables = std::make_unique<DirectInputTables>();
    writeRecordDefaults(state->config);
    recomputeThresholds(state->config);
    state->devices.deviceCount = 2;
    state->devices.lastDeviceIndex = 1;
    const uint32_t pad = CapabilityFlags::kX | CapabilityFlags::kY | CapabilityFlags::kZ |
                         CapabilityFlags::kRz | CapabilityFlags::kSlider0 | CapabilityFlags::kPov;
    for (int slot : {0, 1})
        testing::describeSlot(*tables, state->devices, slot, "Tarvik game pad", 12, 5, 1, pad);
    for (int slot : {2, 3}) {
        testing::describeSlot(*tables, state->devices, slot, "Tarvik wheel", 8, 2, 0,
                              CapabilityFlags::kX | CapabilityFlags::kY);
    }
    testing::describeSlot(*tables, state->devices, 4, "Mouse", 3, 3, 0,
                          CapabilityFlags::kX | CapabilityFlags::kY | CapabilityFlags::kZ);

    ControlEntry& e = state->config.blocks[0].entries[33];
    std::strcpy(e.label, "steer right");
    std::strcpy(e.keyText, "ok");
    e.keyCount = 2;
    e.sendKeys = 1;
    e.withCtrl = 1;
    e.mouseAction = 1;
    e.mouseActionCode = 2;  // "move right"
    e.dynamicStep = 1;
    e.responseCurve = 2;  // "curve 2"
    state->config.blocks[0].blockDelayMs = 5;
    state->config.blocks[0].learnMask = 3;
    if (std::strcmp(page, "common") == 0) {
        state->selection = {14, 0, 0, 0, 0};
    } else if (std::strcmp(page, "block") == 0) {
        state->selection = {0, 0, 0, 0, 0};
    } else {
        state->selection = {0, 33, 33, 0, 0};
    }

    HINSTANCE instance = GetModuleHandleA(nullptr);
    HBRUSH brush = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNFACE));
    registerConfigWindowClass(instance, brush);
    Win32Platform platform;
    Win32FileSystem files;
    NoDialogs dialogs;
    ConfigWindowContext context{*state, *state,   VersionString, instance, pen,
                                brush,  platform, files,         *tables,  dialogs};
    openConfigWindow(context);

    SetTimer(nullptr, 0, static_cast<UINT>(seconds) * 1000, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.hwnd == nullptr) break;
        TranslateMessage(&message);
        DispatchMessageA(&message);
        if (state->configWindow == kNoWindow) break;
    }
    return 0;
}
