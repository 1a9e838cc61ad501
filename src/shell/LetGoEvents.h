#pragma once
// The system events after which nothing Tarvik holds may stay down: the
// computer going to sleep, and the session being locked or switched away.
// A key held then would still be down for whoever comes back, or be
// repeated into the lock screen. Mapping goes on afterwards.

#include <cstdint>

namespace tarvik {

namespace PowerEvent {
constexpr uintptr_t kSuspend = 4;  // PBT_APMSUSPEND
}  // namespace PowerEvent

namespace SessionChange {
constexpr uintptr_t kConsoleDisconnect = 2;  // WTS_CONSOLE_DISCONNECT: another user switched in
constexpr uintptr_t kRemoteDisconnect = 4;   // WTS_REMOTE_DISCONNECT
constexpr uintptr_t kLock = 7;               // WTS_SESSION_LOCK
}  // namespace SessionChange

// wParam of WM_POWERBROADCAST.
constexpr bool powerEventLetsGo(uintptr_t event) {
    return event == PowerEvent::kSuspend;
}

// wParam of WM_WTSSESSION_CHANGE.
constexpr bool sessionChangeLetsGo(uintptr_t change) {
    return change == SessionChange::kLock || change == SessionChange::kConsoleDisconnect ||
           change == SessionChange::kRemoteDisconnect;
}

}  // namespace tarvik
