#include "shell/win32/TimerResolution.h"

#include <windows.h>
#include <mmsystem.h>

namespace tarvik {

namespace {

constexpr UINT kPeriodMs = 1;

// As the system defines them from Windows 8 on; spelled out here so the
// program still builds and starts for older systems, which lack the call.
constexpr int kProcessPowerThrottling = 4;
constexpr ULONG kThrottlingVersion = 1;
constexpr ULONG kIgnoreTimerResolution = 0x4;

struct PowerThrottlingState {
    ULONG version;
    ULONG controlMask;
    ULONG stateMask;
};

using SetProcessInformationCall = BOOL(WINAPI*)(HANDLE, int, LPVOID, DWORD);

// Windows 11 ignores the timer resolution a process without a visible
// window asks for, unless the process opts out of that throttling. Tarvik
// has no visible window.
void keepTimerResolutionHonoured() {
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    if (kernel == nullptr) return;
    const auto call = reinterpret_cast<SetProcessInformationCall>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetProcessInformation")));
    if (call == nullptr) return;
    // Control the flag, with its state cleared: never throttled.
    PowerThrottlingState state{kThrottlingVersion, kIgnoreTimerResolution, 0};
    call(GetCurrentProcess(), kProcessPowerThrottling, &state, sizeof state);
}

}  // namespace

FineTimerResolution::FineTimerResolution() {
    keepTimerResolutionHonoured();
    granted_ = timeBeginPeriod(kPeriodMs) == TIMERR_NOERROR;
}

FineTimerResolution::~FineTimerResolution() {
    if (granted_) timeEndPeriod(kPeriodMs);
}

}  // namespace tarvik
