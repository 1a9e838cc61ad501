#include "shell/win32/ProgramFollower.h"

#include <shellapi.h>

#include <cstdio>
#include <cstring>

#include "engine/win32/MappingPause.h"
#include "platform/ForwardingPlatform.h"
#include "shell/ForegroundSettling.h"
#include "shell/ProgramFollowing.h"
#include "shell/win32/TrayIcon.h"

namespace tarvik {

namespace {

// Its own id on the tray's window, with a procedure of its own, so the
// tray's handler never sees it.
constexpr UINT_PTR kSettleTimer = 25;

// The foreground hook hands over no context: one follower per process.
ProgramFollowerSetup setUp{};
ForegroundSettling settling;
DWORD lastEventTime = 0;
FollowingState following;
uint32_t handChoicesSeen = 0;
bool loading = false;
bool followAgain = false;
const char* tipNote = "";

// Keeps a load's message instead of showing it: following never opens a
// modal box, which behind a game would sit unseen with the mapping stopped.
// Only the file changing between the check and the load gets here.
class BalloonMessages final : public ForwardingPlatform {
  public:
    using ForwardingPlatform::ForwardingPlatform;
    MessageBoxAnswer messageBox(const char* text, const char*, MessageBoxKind) override {
        if (count++ == 0) lstrcpynA(first, text, sizeof first);
        return MessageBoxAnswer::kOk;
    }
    int count = 0;
    char first[128] = {};
};

void showLoadProblem(const char* file, const char* reason) {
    char text[256];
    loadProblemText(file, reason, text);
    showTrayBalloon(setUp.controllerWindow, kTrayIconId, "Tarvik", text);
}

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

class Win32ForegroundSource final : public ForegroundSource {
  public:
    WindowHandle foregroundWindow() override {
        return reinterpret_cast<WindowHandle>(GetForegroundWindow());
    }
    void className(WindowHandle window, char (&name)[256]) override {
        if (GetClassNameA(hwnd(window), name, sizeof name) == 0) name[0] = '\0';
    }
    bool imagePath(WindowHandle window, char (&path)[kMaxPathLength]) override {
        DWORD processId = 0;
        GetWindowThreadProcessId(hwnd(window), &processId);
        HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
        if (process == nullptr) return false;
        DWORD size = sizeof path;
        const bool found = QueryFullProcessImageNameA(process, 0, path, &size) != FALSE;
        CloseHandle(process);
        return found;
    }
    bool ownProcess(WindowHandle window) override {
        DWORD processId = 0;
        GetWindowThreadProcessId(hwnd(window), &processId);
        return processId == GetCurrentProcessId();
    }
    WindowHandle childOfClass(WindowHandle window, const char* name) override {
        return reinterpret_cast<WindowHandle>(FindWindowExA(hwnd(window), nullptr, name, nullptr));
    }

  private:
    static HWND hwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
};

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
    ConfigFileContext files{*setUp.files};
    // A file deleted, renamed or damaged since the list was made: what is in
    // use keeps mapping, and the file is passed over from now on.
    if (const char* problem = configFileProblem(files.fileSystem, file, files.headerBuffer)) {
        passOver(following, file);
        showLoadProblem(file, problem);
        return;
    }
    BalloonMessages messages(files.platform);
    ConfigFileContext quiet{files.config,  files.functionKeys, files.fileList,  files.headerBuffer,
                            files.devices, messages,           files.fileSystem};
    {
        // The same path as a load from the tray menu, without its program.
        MappingPause pause(setUp.state->engine, setUp.state->runFlag);
        loadConfiguration(quiet, file);
    }
    followedTo(following, file, messages.count != 0);
    if (messages.count != 0) showLoadProblem(file, messages.first);
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
    if (loading) {
        // Waiting for the pause hands out sent messages, which may bring
        // events in; the newest foreground counts once that load is over.
        followAgain = true;
        return;
    }
    Win32ForegroundSource source;
    noticeHandChoice();
    loading = true;
    for (;;) {
        followAgain = false;
        char image[kMaxPathLength];
        const InFront inFront =
            programInFront(source, reinterpret_cast<WindowHandle>(foreground), image);
        char file[kMaxPathLength];
        if (inFront != InFront::kNoChange &&
            fileToFollow(following, setUp.state->cfgFiles,
                         inFront == InFront::kProgram ? image : nullptr, file)) {
            loadFollowed(file, eventTime);
        }
        if (!followAgain) break;
        foreground = GetForegroundWindow();
        eventTime = GetTickCount();
    }
    loading = false;
}

void CALLBACK foregroundSettleTick(HWND window, UINT, UINT_PTR id, DWORD) {
    KillTimer(window, id);
    const DWORD now = GetTickCount();
    if (foregroundSettled(settling, now)) {
        follow(GetForegroundWindow(), lastEventTime);
    } else if (settling.waiting) {
        // The timer came early by the clock's tick: wait out the rest.
        SetTimer(window, id, settleRemainingMs(settling, now) + 1, foregroundSettleTick);
    }
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

void followForeground(HWND, DWORD eventTime) {
    if (!following.on || setUp.state == nullptr) return;
    lastEventTime = eventTime;
    foregroundChanged(settling, GetTickCount());
    // Setting the timer again starts its time afresh.
    SetTimer(setUp.controllerWindow, kSettleTimer, kForegroundSettleMs, foregroundSettleTick);
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

void showTrayTipAgain() {
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
