#include "ReportWatcher.h"

#include <cstdio>
#include <cstring>

#include "SharedBlock.h"

namespace vc {

namespace {

constexpr DWORD kIdleLookMs = 50;

struct Watched {
    bool active;
    HANDLE event;
    DeviceInput last;      // as last seen in the block
    DeviceInput reported;  // as the last report carried it
    bool pending;          // a change waits for the next report
    int64_t dueAt;
    int64_t phase;  // of the report period, random per controller
    int64_t nextStormAt;
};

struct Watcher {
    SRWLOCK lock = SRWLOCK_INIT;
    Watched watched[kMaxControllers] = {};
    HANDLE changed = nullptr;
    HANDLE thread = nullptr;
    int64_t frequency = 0;
};

Watcher watcher;

int64_t now() {
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter.QuadPart;
}

bool sameInput(const DeviceInput& a, const DeviceInput& b) {
    return std::memcmp(a.axes, b.axes, sizeof a.axes) == 0 &&
           std::memcmp(a.hats, b.hats, sizeof a.hats) == 0 &&
           std::memcmp(a.buttons, b.buttons, sizeof a.buttons) == 0;
}

// The first report at or after `at` of a pad reporting every `period`.
int64_t nextReport(int64_t at, int64_t phase, int64_t period) {
    const int64_t since = at - phase;
    return phase + (since + period - 1) / period * period;
}

void report(Watched& w, Reports& reports, int64_t at) {
    w.reported = w.last;
    w.pending = false;
    reports.reportedAt = at;
    if (w.event != nullptr) {
        SetEvent(w.event);
        ++reports.signals;
    }
}

// One look at every watched controller; returns when the next one is due.
int64_t look(Block& block) {
    const int64_t at = now();
    int64_t next = INT64_MAX;
    AcquireSRWLockExclusive(&watcher.lock);
    for (int i = 0; i < kMaxControllers; ++i) {
        Watched& w = watcher.watched[i];
        if (!w.active) continue;
        Reports& reports = block.reports[i];
        const int64_t period = watcher.frequency * reports.periodMs / 1000;
        const DeviceInput& input = block.controllers[i].input;
        if (!sameInput(input, w.last)) {
            std::memcpy(&w.last, &input, sizeof w.last);
            if (period <= 0) {
                report(w, reports, at);
            } else if (!w.pending) {
                w.pending = true;
                w.dueAt = nextReport(at, w.phase % period, period);
            }
        }
        if (w.pending && at >= w.dueAt) report(w, reports, at);
        if (w.pending && w.dueAt < next) next = w.dueAt;
        if (reports.storm != 0 && w.event != nullptr) {
            const int64_t every =
                period > watcher.frequency / 1000 ? period : watcher.frequency / 1000;
            if (at >= w.nextStormAt) {
                SetEvent(w.event);
                ++reports.signals;
                w.nextStormAt = at + every;
            }
            if (w.nextStormAt < next) next = w.nextStormAt;
        }
    }
    ReleaseSRWLockExclusive(&watcher.lock);
    return next;
}

DWORD WINAPI run(LPVOID) {
    // A pad's driver is not delayed by the program's threads.
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
    Block& block = sharedBlock();
    for (;;) {
        const int64_t next = look(block);
        DWORD waitMs = kIdleLookMs;
        if (next != INT64_MAX) {
            const int64_t left = next - now();
            if (left <= 0) continue;
            // No spinning: this thread runs inside the measured program.
            // A report may come up to a millisecond after its moment; it
            // is stamped when it really goes.
            const int64_t ms = left * 1000 / watcher.frequency;
            waitMs = ms < 1 ? 1 : static_cast<DWORD>(ms);
        }
        WaitForSingleObject(watcher.changed, waitMs);
    }
}

void startWatcher() {
    if (watcher.thread != nullptr) return;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    watcher.frequency = frequency.QuadPart;
    char name[160];
    std::snprintf(name, sizeof name, "%s%s", sharedBlockName(), kChangedSuffix);
    watcher.changed = CreateEventA(nullptr, FALSE, FALSE, name);
    watcher.thread = CreateThread(nullptr, 0, run, nullptr, 0, nullptr);
}

}  // namespace

void watchReports(int index, HANDLE event) {
    if (index < 0 || index >= kMaxControllers) return;
    Block& block = sharedBlock();
    AcquireSRWLockExclusive(&watcher.lock);
    Watched& w = watcher.watched[index];
    if (!w.active) {
        w.active = true;
        std::memcpy(&w.last, &block.controllers[index].input, sizeof w.last);
        w.reported = w.last;
        // A random phase of the report period, as a pad plugged in at any
        // moment has.
        w.phase = now() ^ (static_cast<int64_t>(GetCurrentProcessId()) << 20) ^ (index * 7919);
        if (w.phase < 0) w.phase = -w.phase;
    }
    w.event = event;
    block.reports[index].eventAttached = event != nullptr ? 1 : 0;
    ReleaseSRWLockExclusive(&watcher.lock);
    startWatcher();
    if (watcher.changed != nullptr) SetEvent(watcher.changed);
}

bool reportedInput(int index, DeviceInput& out) {
    if (index < 0 || index >= kMaxControllers) return false;
    if (sharedBlock().reports[index].periodMs == 0) return false;
    AcquireSRWLockShared(&watcher.lock);
    const bool watched = watcher.watched[index].active;
    if (watched) out = watcher.watched[index].reported;
    ReleaseSRWLockShared(&watcher.lock);
    return watched;
}

}  // namespace vc
