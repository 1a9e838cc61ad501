#pragma once
// The hidden TaskBarController window: the tray icon's menu and double
// click, the command a second instance sends to end this one, the command
// line a second start hands over, the configuration steps controls ask
// for, the 50 ms timer that lets the configuration window follow the
// device, and the system's word that devices came or went.

#include <windows.h>

#include <optional>

#include "config/ConfigFiles.h"
#include "engine/ControlLearning.h"
#include "engine/win32/MappingPause.h"
#include "input/win32/DirectInputTables.h"
#include "shell/AppState.h"
#include "shell/ProgramLauncher.h"
#include "shell/win32/ShellHandles.h"
#include "ui/config/win32/ConfigWindow.h"

namespace tarvik {

// The pause of "Pause mapping", held from its check to its uncheck.
struct TrayPause {
    std::optional<MappingPause> pause;
};

// What the window works on: its creation parameter, which outlives it.
struct TrayControllerContext {
    AppState* state;
    ShellHandles* shell;
    ConfigFileContext* files;
    ProgramLauncher* launcher;
    DeviceSource* devices;  // read by the follow step, on this thread
    ConfigWindowContext* configWindow;
    LearningView* learningView;  // the configuration window's radios and page
    TrayPause* pause;
    DirectInputTables* directInput;  // enumerated again after a device change
};

LRESULT CALLBACK trayControllerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace tarvik
