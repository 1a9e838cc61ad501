// Measures a running Tarvik from outside, with the virtual controller.
//
//     tarvik_measure.exe figures [presses] [period]   start Tarvik, measure, end it
//     tarvik_measure.exe ready [seconds]              wait until a Tarvik maps (for scripts)
//
// "figures" starts tarvik.exe (beside this program) in a scratch directory
// twice: once with a controller that signals its reports through
// SetEventNotification, once with one that refuses (the 10 ms passes
// alone). The controller reports every `period` ms (default 1; 0: every
// change at once) at a random phase, as a real pad does. It prints:
//   - start to tray: from CreateProcess until the shell has the tray icon,
//     and until the polling thread runs;
//   - latency, for press and release, p50/p99/max over the presses (each
//     change at a random moment 15 to 40 ms after the previous key):
//     report→hook from the controller's report that carries the change,
//     and change→hook from the change in shared memory, until a low-level
//     keyboard hook in this process sees the injected key;
//   - rates of what repeats per pass: a held autoRepeat key (key-downs
//     per second) and a held autoRepeat mouse move (moves per second),
//     alone and while another button chatters every 3 ms, in turns of a
//     second, 3 s each, with the regular passes per second meanwhile;
//   - idle CPU: the process's user and kernel time over 10 s of mapping
//     with nothing pressed, as a share of one core (under Wine the script
//     reads it from /proc as well: Wine's own figure leaves out part of
//     it), and the regular passes and controller reads per second;
//   - storms: 5 s of a pad reporting every millisecond with noise on an
//     axis, and 5 s of a broken one that signals every millisecond with
//     nothing new: CPU, passes and reads per second (the virtual pad's own
//     thread runs inside tarvik.exe and counts in its CPU; with the events
//     refused it does the same work, so the difference is Tarvik's);
//   - a third run with the events refused and the option FASTPOLL (a pad
//     that signals nothing is read every millisecond): latency and idle CPU;
//   - pause: from asking for "Pause mapping" (the tray's command, sent) until
//     the pause holds (the command returns), 3 s into a 10-second sequence
//     that button 2 types (ten keys, each down and up 500 ms apart);
//     min/median/max of 5;
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
constexpr int kRepeatedKey = VK_F23;
// Buttons of controller 1, 0-based.
constexpr int kMeasuredButton = 0;
constexpr int kSequenceButton = 1;
constexpr int kRepeatButton = 2;
constexpr int kMoveButton = 3;
constexpr int kChatterButton = 4;  // maps nothing: an edge all the same

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

// The hooks' record of the last measured key event and of what repeats.
volatile double keyDownAt = 0;
volatile double keyUpAt = 0;
volatile long repeatedDowns = 0;
volatile long injectedMoves = 0;

LRESULT CALLBACK keyboardHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        const auto* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        const bool down = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
        if (event->vkCode == kMeasuredKey) {
            const double at = nowMs();
            if (down) keyDownAt = at;
            if (wParam == WM_KEYUP || wParam == WM_SYSKEYUP) keyUpAt = at;
        }
        if (event->vkCode == kRepeatedKey && down) repeatedDowns = repeatedDowns + 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK mouseHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == WM_MOUSEMOVE) {
        const auto* event = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        if ((event->flags & LLMHF_INJECTED) != 0) injectedMoves = injectedMoves + 1;
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
    if (values.empty()) {
        std::printf("  %-22s none seen\n", what);
        return;
    }
    std::printf("  %-22s n=%zu  min %.2f ms  p50 %.2f ms  p90 %.2f ms  p99 %.2f ms  max %.2f ms\n",
                what, values.size(), *std::min_element(values.begin(), values.end()),
                percentile(values, 0.50), percentile(values, 0.90), percentile(values, 0.99),
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

double qpcMs(int64_t counter) {
    return 1000.0 * static_cast<double>(counter) / static_cast<double>(frequency.QuadPart);
}

struct Session {
    PROCESS_INFORMATION process{};
    HWND window = nullptr;
};

bool startTarvik(const std::string& scratch, Session& session, const char* options) {
    const std::string exe = binDirectory() + "\\tarvik.exe";
    std::string commandLine = "\"" + exe + "\" " + options;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    const double startedAt = nowMs();
    if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        scratch.c_str(), &startup, &session.process)) {
        std::fprintf(stderr, "cannot start %s\n", exe.c_str());
        return false;
    }
    debugOutput.process = session.process.dwProcessId;
    double trayAt = 0;
    waitFor(
        [&] {
            if (session.window == nullptr) {
                session.window = controllerWindow(session.process.dwProcessId);
            }
            if (trayAt == 0 && trayIconExists(session.window)) trayAt = nowMs();
            return trayAt != 0 && pollingThreadRuns();
        },
        20000);
    const double mappingAt = nowMs();
    if (trayAt == 0) {
        std::fprintf(stderr, "Tarvik did not come up\n");
        TerminateProcess(session.process.hProcess, 1);
        return false;
    }
    std::printf("start to tray icon %.0f ms, to mapping %.0f ms\n", trayAt - startedAt,
                mappingAt - startedAt);
    std::fflush(stdout);
    waitFor([] { return false; }, 500);
    return true;
}

void endTarvik(Session& session) {
    PostMessageA(session.window, WM_COMMAND, MAKEWPARAM(100, 0), 0);
    if (WaitForSingleObject(session.process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(session.process.hProcess, 1);
    }
    CloseHandle(session.process.hThread);
    CloseHandle(session.process.hProcess);
    // The older thread's event would make the next start look up at once.
    waitFor([] { return !pollingThreadRuns(); }, 5000, 20);
}

struct Latency {
    std::vector<double> pressReport, pressChange, releaseReport, releaseChange;
    int lost = 0;
};

// From the change (or its report) until the hook sees the key; false when
// it did not come within a second.
bool oneChange(vc::VirtualControllerClient& controller, bool press, Latency& latency) {
    vc::Reports& reports = controller.block().reports[0];
    const int64_t reportedBefore = reports.reportedAt;
    volatile double& seenAt = press ? keyDownAt : keyUpAt;
    seenAt = 0;
    controller.setButton(0, kMeasuredButton, press);
    const double changedAt = qpcMs(reports.changedAt);
    if (!waitFor([&] { return seenAt != 0; }, 1000)) {
        ++latency.lost;
        return false;
    }
    // A pad without a period reports each change as it comes.
    const double reportedAt =
        reports.reportedAt != reportedBefore ? qpcMs(reports.reportedAt) : changedAt;
    (press ? latency.pressChange : latency.releaseChange).push_back(seenAt - changedAt);
    (press ? latency.pressReport : latency.releaseReport).push_back(seenAt - reportedAt);
    return true;
}

Latency measureLatency(vc::VirtualControllerClient& controller, int presses) {
    std::mt19937 random(4711);
    // Every change comes at a random moment of an idle pass: at least one
    // pass after the previous key, whose own 2 ms pause lengthens the pass
    // that injected it.
    std::uniform_real_distribution<double> pause(15.0, 40.0);
    Latency latency;
    for (int i = 0; i < presses; ++i) {
        oneChange(controller, true, latency);
        waitFor([] { return false; }, pause(random));
        oneChange(controller, false, latency);
        waitFor([] { return false; }, pause(random));
    }
    return latency;
}

void printLatencies(const Latency& latency) {
    printLatency("press report->hook", latency.pressReport);
    printLatency("press change->hook", latency.pressChange);
    printLatency("release report->hook", latency.releaseReport);
    printLatency("release change->hook", latency.releaseChange);
    if (latency.lost != 0) std::printf("  events not seen within 1 s: %d\n", latency.lost);
}

// Changes one button of the controller every `everyMs` on a thread of its
// own until stopped: the chattering control.
struct Chatter {
    vc::VirtualControllerClient* controller;
    int button;
    int axis;  // -1: the button chatters; else noise on this axis
    DWORD everyMs;
    volatile bool stop = false;
    HANDLE thread = nullptr;

    void start() {
        stop = false;
        thread = CreateThread(nullptr, 0, &Chatter::run, this, 0, nullptr);
    }
    void finish() {
        stop = true;
        WaitForSingleObject(thread, 5000);
        CloseHandle(thread);
        if (axis >= 0) controller->setAxis(0, axis, 0);
        if (axis < 0) controller->setButton(0, button, false);
    }
    static DWORD WINAPI run(void* self) {
        auto& c = *static_cast<Chatter*>(self);
        bool on = false;
        while (!c.stop) {
            on = !on;
            if (c.axis >= 0) {
                c.controller->setAxis(0, c.axis, on ? 7 : -3);  // deep in the dead zone
            } else {
                c.controller->setButton(0, c.button, on);
            }
            Sleep(c.everyMs);
        }
        return 0;
    }
};

struct Counts {
    uint32_t mouseReads;
    uint32_t padReads;
    double at;
};

Counts counts(vc::VirtualControllerClient& controller) {
    return Counts{controller.mouse().calls.getDeviceState,
                  controller.controller(0).calls.getDeviceState, nowMs()};
}

void printPasses(const Counts& from, const Counts& to) {
    const double seconds = (to.at - from.at) / 1000;
    // Only the regular passes read the mouse; the pad is also read by the
    // look a report brings.
    std::printf("    regular passes %.1f per second, pad reads %.1f per second\n",
                (to.mouseReads - from.mouseReads) / seconds,
                (to.padReads - from.padReads) / seconds);
}

// The held repeats alone and with another button chattering every 3 ms,
// taken in turns of a second so that a change of the machine's load falls
// on both alike.
void measureRates(vc::VirtualControllerClient& controller) {
    Chatter chattering{&controller, kChatterButton, -1, 3};
    controller.setButton(0, kRepeatButton, true);
    controller.setButton(0, kMoveButton, true);
    waitFor([] { return false; }, 200);
    long downs[2] = {}, moves[2] = {};
    Counts spent[2] = {};
    double seconds[2] = {};
    for (int turn = 0; turn < 6; ++turn) {
        const int chatter = turn % 2;
        if (chatter != 0) chattering.start();
        const long downsBefore = repeatedDowns;
        const long movesBefore = injectedMoves;
        const Counts from = counts(controller);
        waitFor([] { return false; }, 1000);
        const Counts to = counts(controller);
        downs[chatter] += repeatedDowns - downsBefore;
        moves[chatter] += injectedMoves - movesBefore;
        spent[chatter].mouseReads += to.mouseReads - from.mouseReads;
        spent[chatter].padReads += to.padReads - from.padReads;
        seconds[chatter] += (to.at - from.at) / 1000;
        if (chatter != 0) chattering.finish();
    }
    controller.setButton(0, kRepeatButton, false);
    controller.setButton(0, kMoveButton, false);
    for (int chatter = 0; chatter < 2; ++chatter) {
        std::printf(
            "  held autoRepeat key %.1f per second, held mouse move %.1f moves per second%s\n",
            downs[chatter] / seconds[chatter], moves[chatter] / seconds[chatter],
            chatter != 0 ? " (another button chattering every 3 ms)" : "");
        // Only the regular passes read the mouse; the pad is also read by
        // the look a report brings.
        std::printf("    regular passes %.1f per second, pad reads %.1f per second\n",
                    spent[chatter].mouseReads / seconds[chatter],
                    spent[chatter].padReads / seconds[chatter]);
    }
    waitFor([] { return false; }, 300);
}

// CPU over `ms` between two lines the script reads /proc at.
void measureCpu(vc::VirtualControllerClient& controller, HANDLE process, const char* label,
                double ms) {
    std::printf("cpu begins %s\n", label);
    std::fflush(stdout);
    const double cpuBefore = cpuSeconds(process);
    const Counts from = counts(controller);
    waitFor([] { return false; }, ms, 50);
    const Counts to = counts(controller);
    const double cpuAfter = cpuSeconds(process);
    std::printf("cpu ends %s\n", label);
    std::printf("  %s CPU over %.1f s: %.2f %% of one core (as the system reports it)\n", label,
                (to.at - from.at) / 1000,
                100.0 * (cpuAfter - cpuBefore) * 1000 / (to.at - from.at));
    printPasses(from, to);
    std::fflush(stdout);
}

void measureStorms(vc::VirtualControllerClient& controller, HANDLE process) {
    vc::Reports& reports = controller.block().reports[0];
    const uint32_t period = reports.periodMs;
    reports.periodMs = 1;
    Chatter noise{&controller, 0, 1, 1};
    noise.start();
    measureCpu(controller, process, "noisy 1 ms pad", 5000);
    noise.finish();
    reports.periodMs = period;
    reports.storm = 1;
    const uint32_t signals = reports.signals;
    measureCpu(controller, process, "pad signalling every ms", 5000);
    std::printf("    (%u signals)\n", reports.signals - signals);
    reports.storm = 0;
    waitFor([] { return false; }, 300);
}

int figures(int presses, uint32_t period) {
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
    tarvik::ControlEntry* entries = config->blocks[0].entries;
    tarvik::demo::holdKeys(entries[tarvik::EntryIndex::button(kMeasuredButton)], {kMeasuredKey});
    tarvik::ControlEntry& sequence = entries[tarvik::EntryIndex::button(kSequenceButton)];
    tarvik::demo::holdKeys(sequence, {0x7C, 0x7D, 0x7E, 0x7F, 0x80, 0x81, 0x82, 0x83, 0x84, 0x85});
    sequence.delayMs = 500;
    sequence.autoRelease = 1;  // typed: its release sends nothing
    tarvik::ControlEntry& repeated = entries[tarvik::EntryIndex::button(kRepeatButton)];
    tarvik::demo::holdKeys(repeated, {kRepeatedKey});
    repeated.autoRepeat = 1;
    tarvik::ControlEntry& move = entries[tarvik::EntryIndex::button(kMoveButton)];
    move.mouseAction = 1;
    move.mouseActionCode = tarvik::kMoveRight;
    move.xStep = 1;
    move.autoRepeat = 1;
    if (!tarvik::demo::writeConfigFile((scratch + "\\tarvik7.cfg").c_str(), *config)) return 1;

    HHOOK hook = SetWindowsHookExA(WH_KEYBOARD_LL, keyboardHook, GetModuleHandleA(nullptr), 0);
    HHOOK moves = SetWindowsHookExA(WH_MOUSE_LL, mouseHook, GetModuleHandleA(nullptr), 0);
    if (hook == nullptr || moves == nullptr) {
        std::fprintf(stderr, "cannot install the hooks\n");
        return 1;
    }
    const bool monitored = debugOutput.open();

    Latency latency[3];
    const char* const modes[3] = {"with events", "tick alone (events refused)",
                                  "events refused, FASTPOLL"};
    for (int mode = 0; mode < 3; ++mode) {
        vc::Reports& reports = controller.block().reports[0];
        reports.eventMode = mode == 0 ? vc::kSignalReports : vc::kRefuseEvents;
        reports.periodMs = period;
        reports.storm = 0;
        std::printf("== %s, pad reporting every %u ms ==\n", modes[mode], period);
        Session session;
        if (!startTarvik(scratch, session, mode == 2 ? "FASTPOLL" : "")) return 1;
        std::printf("  event in place: %s\n", reports.eventAttached != 0 ? "yes" : "no");
        latency[mode] = measureLatency(controller, presses);
        printLatencies(latency[mode]);
        if (mode == 2) {
            measureCpu(controller, session.process.hProcess, "idle", 10000);
            endTarvik(session);
            continue;
        }
        measureRates(controller);
        measureCpu(controller, session.process.hProcess, "idle", 10000);
        measureStorms(controller, session.process.hProcess);
        if (mode == 0) {
            measurePause(controller, session.window);
            std::fflush(stdout);
            if (monitored) measureDeviceChanges(controller, 5);
        }
        std::fflush(stdout);
        endTarvik(session);
    }
    UnhookWindowsHookEx(hook);
    UnhookWindowsHookEx(moves);

    std::printf("== side by side: report->hook p50 / p99 (ms) ==\n");
    for (int press = 1; press >= 0; --press) {
        const std::vector<double>* rows[3];
        for (int mode = 0; mode < 3; ++mode) {
            rows[mode] = press != 0 ? &latency[mode].pressReport : &latency[mode].releaseReport;
        }
        if (rows[0]->empty() || rows[1]->empty() || rows[2]->empty()) continue;
        const double events50 = percentile(*rows[0], 0.5);
        const double tick50 = percentile(*rows[1], 0.5);
        std::printf(
            "  %-8s events %.2f / %.2f   tick alone %.2f / %.2f   FASTPOLL %.2f / %.2f   "
            "tick/events p50 ratio %.1f\n",
            press != 0 ? "press" : "release", events50, percentile(*rows[0], 0.99), tick50,
            percentile(*rows[1], 0.99), percentile(*rows[2], 0.5), percentile(*rows[2], 0.99),
            events50 > 0 ? tick50 / events50 : 0.0);
    }
    std::error_code error;
    std::filesystem::remove_all(scratch, error);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QueryPerformanceFrequency(&frequency);
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "ready") return ready(argc > 2 ? std::atof(argv[2]) : 20);
    if (command == "figures") {
        return figures(argc > 2 ? std::atoi(argv[2]) : 300,
                       argc > 3 ? static_cast<uint32_t>(std::atoi(argv[3])) : 1);
    }
    std::fprintf(stderr, "usage: tarvik_measure figures [presses] [period] | ready [seconds]\n");
    return 2;
}
