#include "shell/ForegroundSettling.h"

#include <string_view>

namespace tarvik {

namespace {

bool sameFolded(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

std::string_view fileNameOf(const char* path) {
    const std::string_view view(path);
    const size_t last = view.find_last_of("\\/");
    return last == std::string_view::npos ? view : view.substr(last + 1);
}

bool oneOf(std::string_view text, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        if (sameFolded(text, name)) return true;
    }
    return false;
}

// Explorer's windows: the taskbars, the notification area's overflow, the
// desktop, the task switcher of Windows 10 and 11, the lock screen's frame.
constexpr std::initializer_list<const char*> kShellClasses = {"Shell_TrayWnd",
                                                              "Shell_SecondaryTrayWnd",
                                                              "NotifyIconOverflowWindow",
                                                              "Progman",
                                                              "WorkerW",
                                                              "MultitaskingViewFrame",
                                                              "XamlExplorerHostIslandWindow",
                                                              "TaskSwitcherWnd",
                                                              "LockScreenBackstopFrame"};

// Start, search, the action and notification centre, the lock screen: each
// a core window of one of these programs.
constexpr std::initializer_list<const char*> kShellHosts = {
    "StartMenuExperienceHost.exe", "SearchHost.exe", "SearchApp.exe", "ShellExperienceHost.exe",
    "LockApp.exe"};

constexpr char kCoreWindowClass[] = "Windows.UI.Core.CoreWindow";
constexpr char kFrameClass[] = "ApplicationFrameWindow";
constexpr char kFrameHost[] = "ApplicationFrameHost.exe";

constexpr bool reached(uint32_t nowMs, uint32_t dueMs) {
    return static_cast<int32_t>(nowMs - dueMs) >= 0;
}

}  // namespace

bool isShellWindow(const char* className, const char* image) {
    if (oneOf(className, kShellClasses)) return true;
    const std::string_view program = fileNameOf(image);
    if (sameFolded(program, "LockApp.exe")) return true;
    return sameFolded(className, kCoreWindowClass) && oneOf(program, kShellHosts);
}

InFront programInFront(ForegroundSource& source, WindowHandle window,
                       char (&image)[kMaxPathLength]) {
    image[0] = '\0';
    if (window == kNoWindow || source.ownProcess(window)) return InFront::kNoChange;
    char name[256];
    source.className(window, name);
    const bool known = source.imagePath(window, image);
    if (!known) image[0] = '\0';
    if (isShellWindow(name, image)) return InFront::kNoChange;
    if (known && sameFolded(name, kFrameClass) && sameFolded(fileNameOf(image), kFrameHost)) {
        // Without its core window (an app still starting) the frame host
        // stands for no program of its own.
        const WindowHandle core = source.childOfClass(window, kCoreWindowClass);
        if (core == kNoWindow || !source.imagePath(core, image)) {
            image[0] = '\0';
            return InFront::kUnknown;
        }
    }
    return known ? InFront::kProgram : InFront::kUnknown;
}

void foregroundChanged(ForegroundSettling& settling, uint32_t nowMs) {
    settling.waiting = true;
    settling.dueMs = nowMs + kForegroundSettleMs;
}

bool foregroundSettled(ForegroundSettling& settling, uint32_t nowMs) {
    if (!settling.waiting || !reached(nowMs, settling.dueMs)) return false;
    settling.waiting = false;
    return true;
}

uint32_t settleRemainingMs(const ForegroundSettling& settling, uint32_t nowMs) {
    if (!settling.waiting || reached(nowMs, settling.dueMs)) return 0;
    return settling.dueMs - nowMs;
}

}  // namespace tarvik
