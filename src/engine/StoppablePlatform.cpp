#include "engine/StoppablePlatform.h"

namespace tarvik {

namespace {

constexpr uint32_t kMouseReleases =
    MouseFlags::kLeftUp | MouseFlags::kRightUp | MouseFlags::kMiddleUp;

}  // namespace

// What is held back counts as taken: it was not refused by the system.
bool StoppablePlatform::injectKeyboard(const KeyboardRecord& record) {
    if (stopping() && (record.flags & KeyFlags::kKeyUp) == 0) return true;
    return input().injectKeyboard(record);
}

bool StoppablePlatform::injectMouse(const MouseRecord& record) {
    if (!stopping()) return input().injectMouse(record);
    // Only the button releases of the record go on: no press, no movement.
    const uint32_t releases = record.flags & kMouseReleases;
    if (releases != 0) return input().injectMouse(MouseRecord{0, 0, 0, releases});
    return true;
}

void StoppablePlatform::sleepMs(uint32_t milliseconds) {
    while (milliseconds > 0 && !stopping()) {
        const uint32_t slice = milliseconds < kStopCheckMs ? milliseconds : kStopCheckMs;
        inner().sleepMs(slice);
        milliseconds -= slice;
    }
}

void StoppablePlatform::shellOpen(const char* path) {
    if (!stopping()) inner().shellOpen(path);
}

}  // namespace tarvik
