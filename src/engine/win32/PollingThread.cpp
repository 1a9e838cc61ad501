#include "engine/win32/PollingThread.h"

#include "engine/ActionExecution.h"
#include "engine/HeldInput.h"
#include "engine/PollingPass.h"
#include "engine/StoppablePlatform.h"
#include "engine/SyntheticInput.h"
#include "engine/win32/Win32EngineWindows.h"
#include "input/win32/DeviceLayer.h"
#include "input/win32/RawInputReports.h"
#include "platform/win32/Win32Platform.h"

namespace tarvik {

namespace {

class Win32PollingHost final : public PollingHost {
  public:
    Win32PollingHost(HANDLE trigger, const DeviceTable& table, const DirectInputTables& directInput,
                     const RawInputReports& rawInput, bool fastPoll)
        : trigger_(trigger),
          table_(table),
          directInput_(directInput),
          rawInput_(rawInput),
          fastPoll_(fastPoll) {
        QueryPerformanceFrequency(&frequency_);
        timer_ = CreateWaitableTimerExA(nullptr, nullptr, kHighResolutionTimer, TIMER_ALL_ACCESS);
        // Before Windows 10 1803 there is no high-resolution timer; the
        // plain one still ends on the system's tick, as the waits do.
        if (timer_ == nullptr) timer_ = CreateWaitableTimerA(nullptr, FALSE, nullptr);
    }
    ~Win32PollingHost() override {
        if (timer_ != nullptr) CloseHandle(timer_);
    }
    Win32PollingHost(const Win32PollingHost&) = delete;
    Win32PollingHost& operator=(const Win32PollingHost&) = delete;

    // A pass never runs without its pause, whatever became of the event:
    // another program may end one wait early by signalling it, but an event
    // left signalled for good (a manual-reset one of the same name) is
    // reset, and a wait that fails is made up by sleeping.
    WaitEnd waitForTrigger(uint32_t timeoutUs, bool deviceWakes) override {
        if (lowered_) {
            SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
            lowered_ = false;
        }
        HANDLE handles[3 + kMaxJoysticks];
        DWORD count = 0;
        handles[count++] = trigger_;
        // FASTPOLL: a pad that signals nothing is looked at every
        // millisecond, as if it had reported.
        bool pollDue = false;
        if (deviceWakes && fastPoll_ &&
            hasSilentPad(table_, directInput_, rawInput_.event() != nullptr)) {
            const uint64_t now = nowUs();
            const uint64_t next = lastPollUs_ + kFastPollUs;
            const uint64_t wait = next > now ? next - now : 0;
            if (wait < timeoutUs) {
                timeoutUs = static_cast<uint32_t>(wait);
                pollDue = true;
            }
        }
        if (deviceWakes) {
            count += static_cast<DWORD>(reportEvents(table_, directInput_, handles + count));
            if (rawInput_.event() != nullptr && hasXInputPad(table_, directInput_)) {
                handles[count++] = rawInput_.event();
            }
        }
        // Whole milliseconds go to the wait itself, as every idle pass
        // waits. The rest of a pass's 10 ms after an early pass ends on a
        // timer to the microsecond: a wait rounded to whole milliseconds
        // would move the regular passes and so the rates of what repeats.
        const DWORD timeoutMs = (timeoutUs + 999) / 1000;
        bool timed = false;
        if (timeoutUs % 1000 != 0 && timer_ != nullptr) {
            LARGE_INTEGER due;
            due.QuadPart = -static_cast<LONGLONG>(timeoutUs) * 10;  // relative, 100 ns
            timed = SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, FALSE) != FALSE;
            if (timed) handles[count++] = timer_;
        }
        const DWORD devices = count - (timed ? 1 : 0);
        const DWORD result =
            WaitForMultipleObjects(count, handles, FALSE, timeoutMs + (timed ? kTimerSlackMs : 0));
        const bool timerFired = timed && result == WAIT_OBJECT_0 + devices;
        if (timed && !timerFired) CancelWaitableTimer(timer_);
        if (result == WAIT_OBJECT_0) {
            ResetEvent(trigger_);
            return WaitEnd::kTrigger;
        }
        if (result > WAIT_OBJECT_0 && result < WAIT_OBJECT_0 + devices) return WaitEnd::kDevice;
        if (pollDue && (result == WAIT_TIMEOUT || timerFired)) {
            lastPollUs_ = nowUs();
            return WaitEnd::kDevice;
        }
        if (result != WAIT_TIMEOUT && !timerFired) Sleep(timeoutMs);
        return WaitEnd::kTimeout;
    }

    uint64_t nowUs() override {
        LARGE_INTEGER counter;
        QueryPerformanceCounter(&counter);
        const uint64_t ticks = static_cast<uint64_t>(counter.QuadPart);
        const uint64_t perSecond = static_cast<uint64_t>(frequency_.QuadPart);
        return ticks / perSecond * 1000000 + ticks % perSecond * 1000000 / perSecond;
    }

    // The text-input and function-key windows belong to this thread; it has
    // no message loop, so their messages are handled here once a pass.
    void dispatchWindowMessages() override {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }

    // Paused, the thread has no timing to keep: it waits at normal
    // priority, and a message for its windows wakes it at once.
    void waitWhilePaused(uint32_t timeoutMs) override {
        if (!lowered_) {
            SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_NORMAL);
            lowered_ = true;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs, QS_ALLINPUT);
    }

  private:
    // As the system defines it from Windows 10 1803 on.
    static constexpr DWORD kHighResolutionTimer = 0x2;
    // The timer ends the wait; the time-out only guards against one that
    // never fires.
    static constexpr DWORD kTimerSlackMs = 20;

    static constexpr uint64_t kFastPollUs = 1000;

    HANDLE trigger_;
    HANDLE timer_ = nullptr;
    const DeviceTable& table_;
    const DirectInputTables& directInput_;
    const RawInputReports& rawInput_;
    bool fastPoll_;
    uint64_t lastPollUs_ = 0;
    LARGE_INTEGER frequency_{};
    bool lowered_ = false;
};

}  // namespace

DWORD WINAPI PollingThread(LPVOID parameter) {
    const PollingThreadContext& start = *static_cast<const PollingThreadContext*>(parameter);
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
    HANDLE trigger = CreateEventA(nullptr, FALSE, FALSE, "trigger");
    // The name taken by another kind of object, or refused to this process:
    // an event of its own still paces the passes.
    if (trigger == nullptr) trigger = CreateEventA(nullptr, FALSE, FALSE, nullptr);

    SharedState& state = *start.state;
    Win32Platform system;
    HeldInputTracker tracker(system, state.engine.heldInput);
    StoppablePlatform platform(system, tracker, state.runFlag, state.engine.pauseRequests);
    SyntheticInput input(platform, state.engine, state.devices);
    Win32EngineWindows windows(state, start.shellWindow);
    ActionExecution executor(
        ActionContext{input, state.engine, state.functionKeys, state.devices, platform, windows});
    DirectInputDeviceSource source(state.devices, *start.directInput);
    // Only where XInput is there to read: its pads' reports wake the thread.
    RawInputReports rawInput;
    if (start.directInput->xinput.getState != nullptr) rawInput.start();
    Win32PollingHost host(trigger, state.devices, *start.directInput, rawInput, start.fastPoll);
    PollingContext context{state,
                           source,
                           executor,
                           input,
                           platform,
                           *start.textInputView,
                           *start.selectorView,
                           *start.learningView,
                           host};

    runPolling(context);

    // Quitting must never leave a key or a mouse button down in the system.
    releaseHeldInput(state.engine.heldInput, system);
    rawInput.stop();
    if (trigger != nullptr) CloseHandle(trigger);
    return 0;
}

}  // namespace tarvik
