#include "shell/win32/SecondStart.h"

#include <cstdio>
#include <memory>
#include <string>

#include "shell/Handover.h"
#include "shell/StartConfiguration.h"
#include "shell/TrayMenu.h"
#include "shell/win32/ConfigurationSwitch.h"
#include "shell/win32/ProgramFollower.h"

namespace tarvik {

namespace {

// Long enough for a load over a slow network share, short enough that a
// hung Tarvik does not keep the second start waiting for good.
constexpr UINT kHandoverPatienceMs = 15000;

bool accepting = false;

// A start that takes longer (a message box of its own start-up) is passed
// by: the second start then finds its window and is told it was not taken.
constexpr DWORD kStartLockPatienceMs = 5000;

void reportProgramNotFound(const TrayControllerContext& tray, const char* name) {
    char text[256];
    std::snprintf(text, sizeof text, "could not start %s: program not found", name);
    showSwitchBalloon(tray, text);
}

// A tray command, carried out after the second start has its answer.
void postTrayCommand(const TrayControllerContext& tray, int id) {
    PostMessageA(tray.shell->controllerWindow, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

}  // namespace

StartLock::StartLock() {
    mutex_ = CreateMutexA(nullptr, FALSE, "Local\\TarvikStart");
    if (mutex_ == nullptr) return;
    const DWORD waited = WaitForSingleObject(mutex_, kStartLockPatienceMs);
    held_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
}

void StartLock::release() {
    if (held_) ReleaseMutex(mutex_);
    held_ = false;
    if (mutex_ != nullptr) CloseHandle(mutex_);
    mutex_ = nullptr;
}

bool handOverToRunningInstance(HWND running, const char* commandLine) {
    char directory[MAX_PATH] = {};
    const DWORD length = GetCurrentDirectoryA(sizeof directory, directory);
    if (length == 0 || length >= sizeof directory) directory[0] = '\0';
    const std::string block = handoverBlock(directory, commandLine);
    COPYDATASTRUCT data{};
    data.dwData = kHandoverTag;
    data.cbData = static_cast<DWORD>(block.size());
    data.lpData = const_cast<char*>(block.data());
    // The user started this one; the configuration window the running one
    // opens for it may come to the front in its stead.
    DWORD processId = 0;
    GetWindowThreadProcessId(running, &processId);
    AllowSetForegroundWindow(processId);
    DWORD_PTR taken = FALSE;
    const LRESULT sent =
        SendMessageTimeoutA(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                            SMTO_ABORTIFHUNG, kHandoverPatienceMs, &taken);
    return sent != 0 && taken == TRUE;
}

void acceptHandovers() {
    accepting = true;
}

bool takeHandover(const TrayControllerContext& tray, const COPYDATASTRUCT& data) {
    if (!accepting) return false;
    // The block is the sender's memory, copied for the length of this call.
    auto handover = std::make_unique<Handover>();
    if (!readHandover(data.dwData, data.lpData, data.cbData, tray.files->fileSystem, *handover)) {
        return false;
    }
    const CommandLineOptions& options = handover->options;
    if (options.load) switchConfiguration(tray, handover->loadPath, options.loadName);
    if (options.autostart) {
        char path[sizeof(ConfigHeader::autostartPath) + 1];
        autostartPathOf(tray.state->config.header, path);
        tray.launcher->launchProgram(path);
    } else if (options.start && !tray.launcher->launchProgram(handover->startPath)) {
        reportProgramNotFound(tray, options.startName);
    }
    if (options.follow && !followingPrograms()) postTrayCommand(tray, TrayCommand::kFollowPrograms);
    if (options.scanCodes && tray.state->engine.sendScanCodes.load() == 0) {
        postTrayCommand(tray, TrayCommand::kSendScanCodes);
    }
    const bool asksForSomething =
        options.load || options.autostart || options.start || options.follow || options.scanCodes;
    if (!asksForSomething) postTrayCommand(tray, TrayCommand::kConfig);
    return true;
}

}  // namespace tarvik
