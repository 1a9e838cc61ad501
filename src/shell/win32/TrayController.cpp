#include "shell/win32/TrayController.h"

#include <dbt.h>
#include <wtsapi32.h>

#include "config/BoundedString.h"
#include "engine/win32/MappingPause.h"
#include "engine/win32/Win32EngineWindows.h"
#include "input/win32/DeviceLayer.h"
#include "platform/win32/WindowClass.h"
#include "shell/LetGoEvents.h"
#include "shell/TrayMenu.h"
#include "shell/VersionString.h"
#include "shell/win32/ConfigurationSwitch.h"
#include "shell/win32/DeviceChange.h"
#include "shell/win32/ProgramFollower.h"
#include "shell/win32/SecondStart.h"
#include "shell/win32/SessionWatch.h"
#include "shell/win32/StartupShortcut.h"
#include "shell/win32/TrayIcon.h"

namespace tarvik {

namespace {

constexpr UINT_PTR kFollowTimer = 0;
constexpr UINT kFollowPeriodMs = 50;

constexpr char kAboutCaption[] = " About...";
constexpr char kAboutText[] = "Tarvik " TARVIK_VERSION_TEXT
                              "\r\n"
                              "game controllers as keyboard and mouse\r\n"
                              "right click the tray icon for the menu\r\n"
                              "double click it to configure";

// The follow step has work only while the configuration window is open, and
// that window opens only from here; so the timer runs from its opening until
// the first tick after it closed, instead of waking the program 20 times a
// second for nothing.
void startFollowing(const TrayControllerContext& tray) {
    SetTimer(tray.shell->controllerWindow, kFollowTimer, kFollowPeriodMs, nullptr);
}

class Win32TrayActions final : public TrayActions {
  public:
    explicit Win32TrayActions(const TrayControllerContext& tray) : tray_(tray) {}
    // Creates the window, or brings the open one to the front.
    void openConfigWindow() override {
        tarvik::openConfigWindow(*tray_.configWindow);
        startFollowing(tray_);
    }
    void showAbout() override { MessageBoxA(GetFocus(), kAboutText, kAboutCaption, MB_OK); }
    void exitProgram() override { DestroyWindow(tray_.shell->controllerWindow); }

  private:
    const TrayControllerContext& tray_;
};

// The icon's tip names the pause, so that a user who wonders why nothing
// maps finds the reason without opening the menu.
constexpr char kPausedSuffix[] = " (paused)";
static_assert(sizeof kPausedSuffix < 64, "the tip holds 63 characters");

void togglePause(const TrayControllerContext& tray) {
    std::optional<MappingPause>& pause = tray.pause->pause;
    if (pause.has_value()) {
        pause.reset();
    } else {
        pause.emplace(tray.state->engine, tray.state->runFlag);
    }
    setTrayTipNote(pause.has_value() ? kPausedSuffix : "");
}

void runCommand(const TrayControllerContext& tray, int id) {
    if (id == TrayCommand::kSendScanCodes) {
        // What is held comes up the way it went down: a game that reads scan
        // codes only would miss a release by virtual key.
        MappingPause pause(tray.state->engine, tray.state->runFlag);
        std::atomic<int32_t>& scanCodes = tray.state->engine.sendScanCodes;
        scanCodes = scanCodes.load() != 0 ? 0 : 1;
        return;
    }
    if (id == TrayCommand::kPauseMapping) {
        togglePause(tray);
        return;
    }
    if (id == TrayCommand::kStartWithWindows) {
        if (!setStartupShortcut(!startupShortcutExists())) {
            showSwitchBalloon(tray, "could not change the shortcut in the Startup folder");
        }
        return;
    }
    Win32TrayActions actions(tray);
    TrayCommandContext context{*tray.files, *tray.launcher, actions};
    if (id == TrayCommand::kFollowPrograms) {
        followPrograms(!followingPrograms());
        return;
    }
    if (TrayCommand::loadsConfiguration(id)) {
        const int row = id - TrayCommand::kFirstConfigFile;
        char fileName[sizeof(CfgFileEntry::fileName) + 1] = {};
        if (row < tray.files->fileList.cfgFileCount) {
            copyBounded(fileName, tray.files->fileList.rows[row].fileName);
        }
        {
            // The polling thread must neither evaluate a half-loaded record
            // nor keep down what the old one pressed.
            MappingPause pause(tray.state->engine, tray.state->runFlag);
            runTrayCommand(context, id);
        }
        if (fileName[0] != '\0') configurationChosenByHand(fileName);
        return;
    }
    runTrayCommand(context, id);
}

// Lets go of everything held before the handler returns; the system waits
// for the answer to a suspend.
void letGoOfHeldInput(const TrayControllerContext& tray) {
    MappingPause pause(tray.state->engine, tray.state->runFlag);
}

void showMenu(const TrayControllerContext& tray, HWND window) {
    // Large enough for 32 rows of paths; built anew for every click.
    static TrayMenuModel model;
    buildTrayMenu(tray.state->config.header, tray.state->cfgFiles, model);

    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, model.program.id, model.program.text);
    HMENU files = nullptr;
    if (model.configFileCount > 0) {
        files = CreatePopupMenu();
        for (int row = 0; row < model.configFileCount; ++row) {
            AppendMenuA(files, MF_STRING, model.configFiles[row].id, model.configFiles[row].text);
        }
        AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(files), "Load config");
    }
    AppendMenuA(menu, MF_STRING | (followingPrograms() ? MF_CHECKED : MF_UNCHECKED),
                TrayCommand::kFollowPrograms, "Follow programs");
    const auto checked = [](bool on) { return MF_STRING | (on ? MF_CHECKED : MF_UNCHECKED); };
    AppendMenuA(menu, checked(tray.state->engine.sendScanCodes.load() != 0),
                TrayCommand::kSendScanCodes, "Send scan codes");
    AppendMenuA(menu, checked(tray.pause->pause.has_value()), TrayCommand::kPauseMapping,
                "Pause mapping");
    AppendMenuA(menu, checked(startupShortcutExists()), TrayCommand::kStartWithWindows,
                "Start with Windows");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, TrayCommand::kConfig, "&Config ...");
    AppendMenuA(menu, MF_STRING, TrayCommand::kAbout, "&About...");
    AppendMenuA(menu, MF_STRING, TrayCommand::kExit, "&Exit");

    POINT cursor{};
    GetCursorPos(&cursor);
    SetActiveWindow(window);
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, window, nullptr);
    // Destroying the menu destroys its submenu with it.
    DestroyMenu(menu);
}

void followStep(const TrayControllerContext& tray, HWND window) {
    AppState& state = *tray.state;
    if (state.configWindow.load() == kNoWindow) {
        KillTimer(window, kFollowTimer);
        followAfterConfigWindow();
        return;
    }
    LearningContext context{state.config, state.devices, *tray.devices, state.selection,
                            *tray.learningView};
    tarvik::followStep(context, state.configWindow.load() != kNoWindow);
}

// Explorer restarted (a crash, an update) has forgotten every icon and says
// so to every top-level window with this message; without the icon there
// is no way to the menu, nor to uncheck "Pause mapping".
UINT taskbarCreatedMessage() {
    static const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    return taskbarCreated;
}

// Run as administrator (for an elevated game), Tarvik would never hear it
// from Explorer, which is not: the system keeps messages of a lower
// integrity level out unless they are let in.
void letTaskbarCreatedIn(HWND window) {
    if (taskbarCreatedMessage() != 0) {
        ChangeWindowMessageFilterEx(window, taskbarCreatedMessage(), MSGFLT_ALLOW, nullptr);
    }
}

bool iconAddedAgain(const TrayControllerContext& tray, HWND window, UINT message) {
    if (message != taskbarCreatedMessage() || message == 0) return false;
    addProgramTrayIcon(window, tray.shell->instance, VersionString);
    showTrayTipAgain();
    return true;
}

void trayIconMessage(const TrayControllerContext& tray, HWND window, WPARAM id,
                     LPARAM mouseMessage) {
    if (id != kTrayIconId) return;
    switch (LOWORD(mouseMessage)) {
        case WM_LBUTTONDBLCLK:
            runCommand(tray, TrayCommand::kConfig);
            break;
        case WM_RBUTTONDOWN:
            showMenu(tray, window);
            break;
        default:
            break;
    }
}

}  // namespace

LRESULT CALLBACK trayControllerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const TrayControllerContext* tray =
        windowStateOf<TrayControllerContext>(window, message, lParam);
    if (tray == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    if (iconAddedAgain(*tray, window, message)) return 0;
    switch (message) {
        case WM_CREATE:
            SetTimer(window, kFollowTimer, kFollowPeriodMs, nullptr);
            watchSessionAndPower(window);
            letTaskbarCreatedIn(window);
            registerForDeviceInterfaces(window);
            break;
        case WM_DESTROY:
            endSessionAndPowerWatch(window);
            unregisterForDeviceInterfaces();
            PostQuitMessage(0);
            break;
        case WM_TIMER:
            if (isDeviceChangeTimer(wParam)) {
                takeDeviceChange(*tray, window, wParam);
            } else {
                followStep(*tray, window);
            }
            break;
        case WM_DEVICECHANGE:
            deviceChangeAnnounced(window, wParam);
            break;
        case WM_COMMAND:
            runCommand(*tray, LOWORD(wParam));
            break;
        case kTrayMessage:
            trayIconMessage(*tray, window, wParam, lParam);
            break;
        case WM_COPYDATA:
            return takeHandover(*tray, *reinterpret_cast<const COPYDATASTRUCT*>(lParam)) ? TRUE
                                                                                         : FALSE;
        case kConfigurationStepMessage:
            stepConfiguration(*tray, static_cast<int>(static_cast<INT_PTR>(wParam)));
            break;
        case WM_POWERBROADCAST:
            if (powerEventLetsGo(wParam)) letGoOfHeldInput(*tray);
            break;
        case WM_WTSSESSION_CHANGE:
            if (sessionChangeLetsGo(wParam)) letGoOfHeldInput(*tray);
            break;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace tarvik
