// Tarvik's entry point: command line, window classes, devices, the start
// configuration, the tray icon and the polling thread, then the message loop
// until the tray's "&Exit"; afterwards everything is taken down in order.

#include <windows.h>
#include <commctrl.h>

#include <new>

#include "config/ConfigFiles.h"
#include "engine/ControlLearning.h"
#include "engine/win32/PollingThread.h"
#include "engine/win32/SystemKeyRepeat.h"
#include "input/win32/DeviceLayer.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/WindowClass.h"
#include "shell/AppState.h"
#include "shell/CommandLine.h"
#include "shell/IconId.h"
#include "shell/StartConfiguration.h"
#include "shell/TrayMenu.h"
#include "shell/VersionString.h"
#include "shell/win32/ElevationWatch.h"
#include "shell/win32/ForegroundHook.h"
#include "shell/win32/ProgramFollower.h"
#include "shell/win32/SecondStart.h"
#include "shell/win32/ShellHandles.h"
#include "shell/win32/TimerResolution.h"
#include "shell/win32/TrayController.h"
#include "shell/win32/TrayIcon.h"
#include "shell/win32/Win32ProgramLauncher.h"
#include "ui/config/win32/ConfigDialogRunner.h"
#include "ui/config/win32/ConfigWindow.h"
#include "ui/text_input/win32/EngineWindowClasses.h"

namespace tarvik {

namespace {

constexpr char kControllerClass[] = "TaskBarController";

constexpr char kOneOnlyWarning[] =
    "more than one device detected\r\n"
    "unplug all devices but the one you want to use\r\n"
    "perhaps only the VRN;-{)}\r\n"
    "and than restart Tarvik";

// Everything lives for the whole process; the record alone is 1.6 MB. An
// object with a few non-zero start values would be stored whole, zeros and
// all, in the program file; zero storage constructed at start-up is not.
alignas(AppState) unsigned char stateStorage[sizeof(AppState)];
AppState& state = *new (stateStorage) AppState;
ShellHandles shell;
DirectInputTables directInput;
Win32Platform platform;
Win32FileSystem fileSystem;
Win32ProgramLauncher launcher;
DirectInputDeviceSource deviceSource(state.devices, directInput);
ConfigFileContext files{state.config,  state.functionKeys, state.cfgFiles, state.headerBuffer,
                        state.devices, platform,           fileSystem};
Win32TextInputView textInputView(state);
Win32FunctionKeySelectorView selectorView(state);
HANDLE pollingThread = nullptr;

void showError(const char* text) {
    platform.messageBox(text, "ERROR!", MessageBoxKind::kOk);
}

// Where a failure joins the shutdown; later steps run too.
enum class ShutdownFrom { kThread = 1, kTrayIcon, kClasses, kPen };

int shutDown(ShutdownFrom from) {
    switch (from) {
        case ShutdownFrom::kThread:
            endForegroundHook();
            endProgramFollowing();
            state.runFlag = 0;
            Sleep(10);
            if (pollingThread != nullptr) {
                // Learning on the polling thread may still be setting a radio
                // of a configuration window left open: its sent messages are
                // answered while waiting, so the two threads never wait for
                // each other.
                while (MsgWaitForMultipleObjects(1, &pollingThread, FALSE, INFINITE,
                                                 QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
                    MSG message;
                    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
                }
                CloseHandle(pollingThread);
                pollingThread = nullptr;
            }
            [[fallthrough]];
        case ShutdownFrom::kTrayIcon:
            deleteTrayIcon(shell.controllerWindow, kTrayIconId);
            [[fallthrough]];
        case ShutdownFrom::kClasses:
            UnregisterClassA(kSelectorWindowClass, shell.instance);
            UnregisterClassA(kTextInputWindowClass, shell.instance);
            UnregisterClassA(kConfigWindowClass, shell.instance);
            UnregisterClassA(kControllerClass, shell.instance);
            [[fallthrough]];
        case ShutdownFrom::kPen:
            DeleteObject(shell.backgroundPen);
            break;
    }
    releaseDevices(state.devices, directInput);
    return 0;
}

bool registerClasses() {
    return registerWindowClass(shell.instance, kControllerClass, trayControllerProc, nullptr) &&
           registerConfigWindowClass(shell.instance, shell.backgroundBrush) &&
           registerEngineWindowClasses(shell.instance, shell.backgroundBrush);
}

void askRunningInstanceToQuit() {
    HWND running = FindWindowA(kControllerClass, nullptr);
    if (running != nullptr) SendMessageA(running, WM_COMMAND, MAKEWPARAM(TrayCommand::kExit, 0), 0);
}

bool installTrayIcon() {
    return addProgramTrayIcon(shell.controllerWindow, shell.instance, VersionString);
}

int run(HINSTANCE instance, const char* commandLine) {
    shell.instance = instance;
    const CommandLineOptions options = parseCommandLine(commandLine);
    if (options.quit) {
        askRunningInstanceToQuit();
        return 0;
    }
    // A second start maps nothing beside the first: it hands its command
    // line over. Start-up-only options mean nothing to a running Tarvik.
    StartLock startLock;
    if (HWND running = FindWindowA(kControllerClass, nullptr); running != nullptr) {
        if (handOverToRunningInstance(running, commandLine)) return 0;
        showError("Tarvik is running but did not take this start");
        return 1;
    }

    // Before the first pass, until after the polling thread has ended.
    const FineTimerResolution fineTimer;

    InitCommonControls();
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    shell.backgroundPen = CreatePen(PS_SOLID, 1, face);
    shell.backgroundBrush = CreateSolidBrush(face);

    // The configuration window and what learning shows in it.
    ResourceDialogRunner dialogs(instance);
    ConfigWindowContext configWindow{
        state,    state,      VersionString, instance, shell.backgroundPen, shell.backgroundBrush,
        platform, fileSystem, directInput,   dialogs};
    ConfigWindowLearningView learningView(configWindow);

    // What the controller window and the polling thread work on; both are
    // gone before run returns.
    TrayPause trayPause;
    TrayControllerContext tray{&state,        &shell,        &files,     &launcher,   &deviceSource,
                               &configWindow, &learningView, &trayPause, &directInput};
    PollingThreadContext polling{&state,        &directInput,  &textInputView,
                                 &selectorView, &learningView, nullptr};
    if (!registerClasses()) {
        showError("unable to register window class");
        return shutDown(ShutdownFrom::kPen);
    }

    shell.controllerWindow =
        CreateWindowExA(0, kControllerClass, "", 0, 0, 0, 0, 0, nullptr, nullptr, instance, &tray);
    if (shell.controllerWindow == nullptr) {
        showError("unable to open window");
        return shutDown(ShutdownFrom::kClasses);
    }

    polling.shellWindow = shell.controllerWindow;

    state.devices.deviceCount = 0;
    state.devices.lastDeviceIndex = 0;
    directInput.xinput.off = options.noXInput ? 1 : 0;
    // The order of the pads is remembered beside the configurations.
    directInput.orderFiles = &fileSystem;
    if (initDevices(state.devices, directInput, shell.controllerWindow,
                    state.selection.currentBlock) != DI_OK) {
        MessageBoxA(nullptr, "Error Initializing DirectInput", VersionString, MB_OK | MB_ICONERROR);
        return 0;
    }
    // With WAIT the mouse is the only device until controllers arrive, and
    // its page is the one the configuration window opens on.
    if (state.devices.deviceCount == 0 && !options.wait) {
        showError("no game-device installed");
        return 0;
    }
    if (state.devices.deviceCount == 0) state.selection.currentBlock = state.devices.mouseSlot();

    loadDefaults(files);
    if (options.oneOnly && state.devices.deviceCount > 1) {
        platform.messageBox(kOneOnlyWarning, "WARNING!", MessageBoxKind::kOk);
        return shutDown(ShutdownFrom::kClasses);
    }
    const char* startFile = loadStartConfiguration(files, options);
    state.engine.sendScanCodes = options.scanCodes ? 1 : 0;
    state.engine.keyRepeatTiming = options.noRepeat ? kNoKeyRepeat : systemKeyRepeat();
    polling.fastPoll = options.fastPoll;
    startRequestedProgram(options, state.config.header, launcher, platform);

    if (!installTrayIcon()) {
        showError("could not install tray icon");
        return shutDown(ShutdownFrom::kTrayIcon);
    }
    setUpProgramFollowing(ProgramFollowerSetup{&state, &files, shell.controllerWindow}, startFile,
                          options.follow);
    startElevationWatch(shell.controllerWindow);
    startForegroundHook();

    state.runFlag = 1;
    pollingThread = CreateThread(nullptr, 0, PollingThread, &polling, 0, nullptr);
    if (pollingThread == nullptr) {
        // Nobody to wait for when the mapping is to stand still.
        state.runFlag = 0;
        showError("could not create thread");
    }
    acceptHandovers();
    startLock.release();

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return shutDown(ShutdownFrom::kThread);
}

}  // namespace

}  // namespace tarvik

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    return tarvik::run(instance, commandLine);
}
