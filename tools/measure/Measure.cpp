// Measures a running Tarvik from outside, with the virtual controller.
//
//     tarvik_measure.exe figures [presses]   start Tarvik, measure, end it
//     tarvik_measure.exe ready [seconds]     wait until a Tarvik maps (for scripts)
//
// "figures" starts tarvik.exe (beside this program) in a scratch directory
// with a configuration whose button 1 holds F24, and prints:
//   - start to tray: from CreateProcess until the shell has the tray icon,
//     and until the polling thread runs;
//   - latency: from the moment the virtual button changes in shared memory
//     until a low-level keyboard hook in this process sees the injected key,
//     for press and release, p50/p99/max over the presses (each change at
//     a random moment 15 to 40 ms after the previous key);
//   - pause: from asking for "Pause mapping" (the tray's command, sent) until
//     the pause holds (the command returns), 3 s into a 10-second sequence
//     that button 2 types (ten keys, each down and up 500 ms apart);
//     min/median/max of 5;
//   - idle CPU: the process's user and kernel time over 10 s of mapping with
//     nothing pressed, as a share of one core (under Wine the script reads
//     it from /proc as well: Wine's own figure leaves out part of it), and
//     the passes per second;
//   - device change concerning no pad: the main thread's time of each look
//     after a device-change broadcast that changed nothing, as Tarvik itself
//     reports it through OutputDebugString (read here as a debug-output
//     monitor does), and whether it stopped the mapping.

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "ConfigBuilder.h"
#include "VirtualControllerClient.h"

namespace {

constexpr UINT kTrayIconId = 10001;
constexpr int kMeasuredKey = VK_F24;

LARGE_INTEGER frequency;

double nowMs() {
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void pumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// Waits with the message queue served (the hook is called through it).
template <typename Done>
bool waitFor(Done done, double patienceMs, DWORD stepMs = 1) {
    const double start = nowMs();
    while (!done()) {
        if (nowMs() - start > patienceMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, stepMs, QS_ALLINPUT);
        pumpMessages();
    }
    return true;
}

HWND controllerWindow(DWORD processId) {
    struct Search {
        DWORD id;
        HWND found;
    } search{processId, nullptr};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(parameter);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            char name[64] = {};
            GetClassNameA(window, name, sizeof name);
            if (owner == s.id && lstrcmpA(name, "TaskBarController") == 0) {
                s.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool trayIconExists(HWND owner) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = owner;
    data.uID = kTrayIconId;
    return owner != nullptr && Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

bool pollingThreadRuns() {
    HANDLE event = OpenEventA(SYNCHRONIZE, FALSE, "trigger");
    if (event == nullptr) return false;
    CloseHandle(event);
    return true;
}

// The hook's record of the last measured key event.
volatile double keyDownAt = 0;
volatile double keyUpAt = 0;

LRESULT CALLBACK keyboardHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        const auto* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        if (event->vkCode == kMeasuredKey) {
            const double at = nowMs();
            if (wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN) keyDownAt = at;
            if (wParam == WM_KEYUP || wParam == WM_SYSKEYUP) keyUpAt = at;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const size_t index =
        std::min(values.size() - 1, static_cast<size_t>(p * (values.size() - 1) + 0.5));
    return values[index];
}

void printLatency(const char* what, const std::vector<double>& values) {
    std::printf("latency %-8s n=%zu  min %.2f ms  p50 %.2f ms  p99 %.2f ms  max %.2f ms\n", what,
                values.size(), *std::min_element(values.begin(), values.end()),
                percentile(values, 0.50), percentile(values, 0.99),
                *std::max_element(values.begin(), values.end()));
}

double cpuSeconds(HANDLE process) {
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(process, &created, &ended, &kernel, &user)) return -1;
    auto seconds = [](const FILETIME& t) {
        return static_cast<double>((static_cast<uint64_t>(t.dwHighDateTime) << 32) |
                                   t.dwLowDateTime) /
               1e7;
    };
    return seconds(kernel) + seconds(user);
}

std::string binDirectory() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string directory(path);
    return directory.substr(0, directory.find_last_of("\\/"));
}

// Tarvik's debug output, read through the shared buffer that the system
// fills for a monitor when no debugger is attached.
struct DebugOutput {
    HANDLE bufferReady = nullptr;
    HANDLE dataReady = nullptr;
    HANDLE mapping = nullptr;
    const char* view = nullptr;
    CRITICAL_SECTION lock;
    std::vector<std::string> lines;
    DWORD process = 0;

    bool open() {
        InitializeCriticalSection(&lock);
        bufferReady = CreateEventA(nullptr, FALSE, FALSE, "DBWIN_BUFFER_READY");
        dataReady = CreateEventA(nullptr, FALSE, FALSE, "DBWIN_DATA_READY");
        mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 4096,
                                     "DBWIN_BUFFER");
        if (bufferReady == nullptr || dataReady == nullptr || mapping == nullptr) return false;
        view = static_cast<const char*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 4096));
        if (view == nullptr) return false;
        CreateThread(nullptr, 0, &DebugOutput::read, this, 0, nullptr);
        return true;
    }
    static DWORD WINAPI read(void* self) {
        auto& out = *static_cast<DebugOutput*>(self);
        for (;;) {
            SetEvent(out.bufferReady);
            if (WaitForSingleObject(out.dataReady, INFINITE) != WAIT_OBJECT_0) return 0;
            DWORD from = 0;
            std::memcpy(&from, out.view, sizeof from);
            std::string text(out.view + sizeof from, strnlen(out.view + sizeof from, 4092));
            EnterCriticalSection(&out.lock);
            if (from == out.process) out.lines.push_back(text);
            LeaveCriticalSection(&out.lock);
        }
    }
    std::vector<std::string> take() {
        EnterCriticalSection(&lock);
        std::vector<std::string> taken;
        taken.swap(lines);
        LeaveCriticalSection(&lock);
        return taken;
    }
};

DebugOutput debugOutput;

// Device-change broadcasts that concern no pad; each brings two looks.
void measureDeviceChanges(vc::VirtualControllerClient& controller, int changes) {
    debugOutput.take();
    for (int i = 0; i < changes; ++i) {
        const uint32_t before = controller.block().directInput.enumDevices;
        vc::VirtualControllerClient::announceDeviceChange();
        waitFor([&] { return controller.block().directInput.enumDevices >= before + 2; }, 5000, 10);
        waitFor([] { return false; }, 100);
    }
    std::vector<double> costs;
    int paused = 0;
    for (const std::string& line : debugOutput.take()) {
        const size_t at = line.find(" ms on the main thread");
        if (at == std::string::npos) continue;
        const size_t from = line.find_last_of(' ', at - 1);
        costs.push_back(std::atof(line.substr(from + 1, at - from - 1).c_str()));
        if (line.find("not paused") == std::string::npos) ++paused;
    }
    if (costs.empty()) {
        std::printf("device change concerning no pad: no look reported (debug output unread)\n");
        return;
    }
    std::printf(
        "device change concerning no pad: %zu looks, main thread p50 %.2f ms, max %.2f ms; "
        "mapping stopped %d times\n",
        costs.size(), percentile(costs, 0.5), *std::max_element(costs.begin(), costs.end()),
        paused);
}

// The polling thread starts right after the tray icon is in place; its event
// is seen from any desktop, the windows only from their own.
int ready(double seconds) {
    const bool up = waitFor([] { return pollingThreadRuns(); }, seconds * 1000, 20);
    std::printf(up ? "Tarvik is running\n" : "no Tarvik came up\n");
    return up ? 0 : 1;
}

// The tray's "Pause mapping" command returns once the pause holds.
void measurePause(vc::VirtualControllerClient& controller, HWND window) {
    constexpr WPARAM kPauseMapping = 111;
    std::vector<double> times;
    for (int i = 0; i < 5; ++i) {
        controller.setButton(0, 1, true);
        waitFor([] { return false; }, 3000);
        const double askedAt = nowMs();
        SendMessageA(window, WM_COMMAND, kPauseMapping, 0);
        times.push_back(nowMs() - askedAt);
        SendMessageA(window, WM_COMMAND, kPauseMapping, 0);
        controller.setButton(0, 1, false);
        waitFor([] { return false; }, 300);
    }
    std::sort(times.begin(), times.end());
    std::printf("pause in a 10 s sequence: min %.1f ms  median %.1f ms  max %.1f ms (n=%zu)\n",
                times.front(), times[times.size() / 2], times.back(), times.size());
}

int figures(int presses) {
    vc::VirtualControllerClient::useOwnBlock("TarvikMeasure");
    vc::VirtualControllerClient controller;
    if (!controller.open()) {
        std::fprintf(stderr, "cannot open the virtual controller\n");
        return 1;
    }
    vc::fillDemo(controller.block());

    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    const std::string scratch =
        std::string(temp) + "tarvik-measure-" + std::to_string(GetCurrentProcessId());
    std::filesystem::create_directories(scratch);
    auto config = tarvik::demo::newConfiguration();
    tarvik::demo::holdKeys(config->blocks[0].entries[tarvik::EntryIndex::button(0)],
                           {kMeasuredKey});
    tarvik::ControlEntry& sequence = config->blocks[0].entries[tarvik::EntryIndex::button(1)];
    tarvik::demo::holdKeys(sequence, {0x7C, 0x7D, 0x7E, 0x7F, 0x80, 0x81, 0x82, 0x83, 0x84, 0x85});
    sequence.delayMs = 500;
    sequence.autoRelease = 1;  // typed: its release sends nothing
    if (!tarvik::demo::writeConfigFile((scratch + "\\tarvik7.cfg").c_str(), *config)) return 1;

    HHOOK hook = SetWindowsHookExA(WH_KEYBOARD_LL, keyboardHook, GetModuleHandleA(nullptr), 0);
    if (hook == nullptr) {
        std::fprintf(stderr, "cannot install the keyboard hook\n");
        return 1;
    }

    const bool monitored = debugOutput.open();
    const std::string exe = binDirectory() + "\\tarvik.exe";
    std::string commandLine = "\"" + exe + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const double startedAt = nowMs();
    if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        scratch.c_str(), &startup, &process)) {
        std::fprintf(stderr, "cannot start %s\n", exe.c_str());
        return 1;
    }
    debugOutput.process = process.dwProcessId;
    HWND window = nullptr;
    double trayAt = 0;
    waitFor(
        [&] {
            if (window == nullptr) window = controllerWindow(process.dwProcessId);
            if (trayAt == 0 && trayIconExists(window)) trayAt = nowMs();
            return trayAt != 0 && pollingThreadRuns();
        },
        20000);
    const double mappingAt = nowMs();
    if (trayAt == 0) {
        std::fprintf(stderr, "Tarvik did not come up\n");
        TerminateProcess(process.hProcess, 1);
        return 1;
    }
    std::printf("start to tray icon %.0f ms, to mapping %.0f ms\n", trayAt - startedAt,
                mappingAt - startedAt);

    waitFor([] { return false; }, 500);
    std::mt19937 random(4711);
    // Every change comes at a random moment of an idle pass: at least one
    // pass after the previous key, whose own 2 ms pause lengthens the pass
    // that injected it.
    std::uniform_real_distribution<double> pause(15.0, 40.0);
    std::vector<double> pressLatency, releaseLatency;
    int lost = 0;
    for (int i = 0; i < presses; ++i) {
        keyDownAt = 0;
        controller.setButton(0, 0, true);
        const double pressedAt = nowMs();
        if (waitFor([] { return keyDownAt != 0; }, 1000)) {
            pressLatency.push_back(keyDownAt - pressedAt);
        } else {
            ++lost;
        }
        waitFor([] { return false; }, pause(random));
        keyUpAt = 0;
        controller.setButton(0, 0, false);
        const double releasedAt = nowMs();
        if (waitFor([] { return keyUpAt != 0; }, 1000)) {
            releaseLatency.push_back(keyUpAt - releasedAt);
        } else {
            ++lost;
        }
        waitFor([] { return false; }, pause(random));
    }
    UnhookWindowsHookEx(hook);
    if (!pressLatency.empty()) printLatency("press", pressLatency);
    if (!releaseLatency.empty()) printLatency("release", releaseLatency);
    if (lost != 0) std::printf("events not seen within 1 s: %d\n", lost);

    // scripts/measure.sh samples the process's CPU time from outside between
    // these two lines as well.
    std::printf("idle begins\n");
    std::fflush(stdout);
    const double cpuBefore = cpuSeconds(process.hProcess);
    const uint32_t readsBefore = controller.controller(0).calls.getDeviceState;
    const double idleFrom = nowMs();
    waitFor([] { return false; }, 10000, 50);
    const double cpuAfter = cpuSeconds(process.hProcess);
    const uint32_t reads = controller.controller(0).calls.getDeviceState - readsBefore;
    const double idleMs = nowMs() - idleFrom;
    std::printf("idle ends\n");
    std::printf("idle CPU over %.1f s: %.2f %% of one core (as the system reports it)\n",
                idleMs / 1000, 100.0 * (cpuAfter - cpuBefore) * 1000 / idleMs);
    std::printf("idle passes: %.1f per second (%.2f ms each)\n", reads * 1000.0 / idleMs,
                reads != 0 ? idleMs / reads : 0.0);
    measurePause(controller, window);
    std::fflush(stdout);
    if (monitored) measureDeviceChanges(controller, 5);
    std::fflush(stdout);

    PostMessageA(window, WM_COMMAND, MAKEWPARAM(100, 0), 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::error_code error;
    std::filesystem::remove_all(scratch, error);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QueryPerformanceFrequency(&frequency);
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "ready") return ready(argc > 2 ? std::atof(argv[2]) : 20);
    if (command == "figures") return figures(argc > 2 ? std::atoi(argv[2]) : 300);
    std::fprintf(stderr, "usage: tarvik_measure figures [presses] | ready [seconds]\n");
    return 2;
}
