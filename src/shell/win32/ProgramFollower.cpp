#include "shell/win32/ProgramFollower.h"

#include <shellapi.h>

#include <cstdio>
#include <cstring>

#include "engine/win32/MappingPause.h"
#include "platform/ForwardingPlatform.h"
#include "shell/ProgramFollowing.h"
#include "shell/win32/TrayIcon.h"

namespace tarvik {

namespace {

// The foreground hook hands over no context: one follower per process.
ProgramFollowerSetup setUp{};
FollowingState following;
uint32_t handChoicesSeen = 0;
bool loading = false;
bool followAgain = false;
const char* tipNote = "";

// Tells whether a load reported a failure: a failing load shows its message
// and falls back to defaults, and that is all it leaves to see.
class MessageCounter final : public ForwardingPlatform {
  public:
    using ForwardingPlatform::ForwardingPlatform;
    MessageBoxAnswer messageBox(const char* text, const char* caption,
                                MessageBoxKind kind) override {
        ++count;
        return ForwardingPlatform::messageBox(text, caption, kind);
    }
    int count = 0;
};

// The note goes last and wins over the end of a long name: it says why
// nothing maps.
void showTip() {
    char tip[64];
    trayTip(following, setUp.state->config.header, tip);
    const size_t noteLength = std::strlen(tipNote);
    const size_t room = sizeof tip - 1 - noteLength;
    if (std::strlen(tip) > room) tip[room] = '\0';
    std::strcat(tip, tipNote);
    setTrayIconTip(setUp.controllerWindow, kTrayIconId, tip);
}

// The program of a window, or false when it cannot be asked (a protected
// process); such a program has no configuration.
bool imagePathOf(HWND window, char (&path)[kMaxPathLength]) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (process == nullptr) return false;
    DWORD size = sizeof path;
    const bool found = QueryFullProcessImageNameA(process, 0, path, &size) != FALSE;
    CloseHandle(process);
    return found;
}

bool ownWindow(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId == GetCurrentProcessId();
}

void noticeHandChoice() {
    const HandChoice& choice = setUp.state->handChoice;
    if (choice.count == handChoicesSeen) return;
    handChoicesSeen = choice.count;
    chooseByHand(following, choice.file);
}

void loadFollowed(const char (&file)[kMaxPathLength], DWORD eventTime) {
    LARGE_INTEGER frequency, begin, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&begin);
    MessageCounter counter(setUp.files->platform);
    ConfigFileContext files{*setUp.files};
    ConfigFileContext counted{files.config,       files.functionKeys, files.fileList,
                              files.headerBuffer, files.devices,      counter,
                              files.fileSystem};
    {
        // The same path as a load from the tray menu, without its program.
        MappingPause pause(setUp.state->engine, setUp.state->runFlag);
        loadConfiguration(counted, file);
    }
    followedTo(following, file, counter.count != 0);
    showTip();
    QueryPerformanceCounter(&end);
    // For whoever measures it (a debugger, or Wine's +debugstr channel).
    char trace[400];
    std::snprintf(trace, sizeof trace,
                  "tarvik: followed to %s: %lu ms after the change, load %.2f ms\n", file,
                  GetTickCount() - eventTime,
                  1000.0 * static_cast<double>(end.QuadPart - begin.QuadPart) /
                      static_cast<double>(frequency.QuadPart));
    OutputDebugStringA(trace);
}

// While the configuration window is open nothing is switched: a load
// would throw its edits away.
void follow(HWND foreground, DWORD eventTime) {
    if (!following.on || setUp.state == nullptr) return;
    if (setUp.state->configWindow.load() != kNoWindow) return;
    if (foreground == nullptr || ownWindow(foreground)) return;
    if (loading) {
        // A message box of a failing load lets events in; the newest
        // foreground counts once that load is over.
        followAgain = true;
        return;
    }
    noticeHandChoice();
    loading = true;
    for (;;) {
        followAgain = false;
        char image[kMaxPathLength] = {};
        const bool known = imagePathOf(foreground, image);
        char file[kMaxPathLength];
        if (fileToFollow(following, setUp.state->cfgFiles, known ? image : nullptr, file)) {
            loadFollowed(file, eventTime);
        }
        if (!followAgain) break;
        foreground = GetForegroundWindow();
        eventTime = GetTickCount();
        if (foreground == nullptr || ownWindow(foreground)) break;
    }
    loading = false;
}

}  // namespace

void setUpProgramFollowing(const ProgramFollowerSetup& setup, const char* startFile, bool on) {
    setUp = setup;
    handChoicesSeen = setUp.state->handChoice.count;
    chooseByHand(following, startFile);
    followPrograms(on);
}

void endProgramFollowing() {
    following.on = false;
}

void followForeground(HWND foreground, DWORD eventTime) {
    follow(foreground, eventTime);
}

bool followingPrograms() {
    return following.on;
}

void followPrograms(bool on) {
    if (setUp.state == nullptr) return;
    if (on && !following.on) {
        following.on = true;
        // Files failing from now on show their message again once.
        following.skippedCount = 0;
        noticeHandChoice();
        // What is in use now is what comes back.
        std::memcpy(following.baseFile, following.currentFile, sizeof following.baseFile);
        follow(GetForegroundWindow(), GetTickCount());
    } else if (!on && following.on) {
        noticeHandChoice();
        char base[kMaxPathLength];
        std::memcpy(base, following.baseFile, sizeof base);
        if (base[0] != '\0' && lstrcmpiA(base, following.currentFile) != 0 &&
            setUp.state->configWindow.load() == kNoWindow) {
            loadFollowed(base, GetTickCount());
        }
        following.on = false;
    }
    showTip();
}

void setTrayTipNote(const char* note) {
    tipNote = note;
    if (setUp.state != nullptr) showTip();
}

void configurationChosenByHand(const char* file) {
    if (setUp.state == nullptr) return;
    chooseByHand(following, file);
    showTip();
}

const char* configurationInUse() {
    if (setUp.state != nullptr) noticeHandChoice();
    return following.currentFile;
}

void followAfterConfigWindow() {
    if (setUp.state == nullptr) return;
    noticeHandChoice();
    showTip();
    follow(GetForegroundWindow(), GetTickCount());
}

}  // namespace tarvik
