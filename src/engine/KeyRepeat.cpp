#include "engine/KeyRepeat.h"

#include "config/BoundedString.h"

namespace tarvik {

namespace {

constexpr uint32_t kMaxDelaySetting = 3;
constexpr uint32_t kMaxSpeedSetting = 31;

// Reached or past, across the clock's wrap.
constexpr bool reached(uint32_t nowMs, uint32_t dueMs) {
    return static_cast<int32_t>(nowMs - dueMs) >= 0;
}

}  // namespace

KeyRepeatTiming keyRepeatTiming(uint32_t delaySetting, uint32_t speedSetting) {
    const uint32_t delay = delaySetting < kMaxDelaySetting ? delaySetting : kMaxDelaySetting;
    const uint32_t speed = speedSetting < kMaxSpeedSetting ? speedSetting : kMaxSpeedSetting;
    // 2.5 + speed * 27.5 / 31 repeats a second, as an interval: 400 ms at
    // speed 0, 33 ms at 31.
    return KeyRepeatTiming{250 + 250 * delay, 62000 / (155 + 55 * speed)};
}

bool holdsKeys(const ControlEntry& entry) {
    return entry.sendKeys == 1 && entry.autoRelease == 0 && entry.autoRepeat == 0 &&
           !boundedText(entry.keyText).empty();
}

void keysPressed(KeyRepeat& repeat, const ControlEntry& entry, uint32_t nowMs,
                 const KeyRepeatTiming& timing) {
    if (timing.delayMs == 0 || !holdsKeys(entry)) {
        repeat.entry = nullptr;
        return;
    }
    repeat.entry = &entry;
    repeat.dueMs = nowMs + timing.delayMs;
}

void keysReleased(KeyRepeat& repeat, const ControlEntry& entry) {
    if (repeat.entry == &entry) repeat.entry = nullptr;
}

void stopKeyRepeat(KeyRepeat& repeat) {
    repeat.entry = nullptr;
}

const ControlEntry* dueKeyRepeat(KeyRepeat& repeat, uint32_t nowMs, const KeyRepeatTiming& timing) {
    if (repeat.entry == nullptr || !reached(nowMs, repeat.dueMs)) return nullptr;
    repeat.dueMs += timing.intervalMs;
    if (reached(nowMs, repeat.dueMs)) repeat.dueMs = nowMs + timing.intervalMs;
    return repeat.entry;
}

}  // namespace tarvik
