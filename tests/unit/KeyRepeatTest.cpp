#include <gtest/gtest.h>

#include "engine/KeyRepeat.h"

namespace tarvik {
namespace {

TEST(KeyRepeat, SystemSettingsGiveTheDelayAndTheRate) {
    EXPECT_EQ(keyRepeatTiming(0, 31).delayMs, 250u);
    EXPECT_EQ(keyRepeatTiming(1, 31).delayMs, 500u);
    EXPECT_EQ(keyRepeatTiming(3, 31).delayMs, 1000u);
    EXPECT_EQ(keyRepeatTiming(1, 31).intervalMs, 33u);  // 30 a second
    EXPECT_EQ(keyRepeatTiming(1, 0).intervalMs, 400u);  // 2.5 a second
    EXPECT_EQ(keyRepeatTiming(1, 15).intervalMs, 63u);  // about 16 a second
    // A setting beyond the documented range counts as its end.
    EXPECT_EQ(keyRepeatTiming(7, 200).delayMs, 1000u);
    EXPECT_EQ(keyRepeatTiming(7, 200).intervalMs, 33u);
    EXPECT_EQ(kDefaultKeyRepeat.delayMs, keyRepeatTiming(1, 31).delayMs);
    EXPECT_EQ(kDefaultKeyRepeat.intervalMs, keyRepeatTiming(1, 31).intervalMs);
}

TEST(KeyRepeat, LatePassRepeatsOnceAndTheClockMayWrap) {
    ControlEntry entry{};
    entry.sendKeys = 1;
    entry.keyText[0] = 'a';
    const KeyRepeatTiming timing{500, 33};
    KeyRepeat repeat;
    keysPressed(repeat, entry, 0xFFFFFF00u, timing);  // 256 ms before the wrap
    EXPECT_EQ(dueKeyRepeat(repeat, 0xFFFFFFF0u, timing), nullptr);
    EXPECT_EQ(dueKeyRepeat(repeat, 244, timing), &entry);
    // Two seconds late: one key-down, then one interval from now.
    EXPECT_EQ(dueKeyRepeat(repeat, 2244, timing), &entry);
    EXPECT_EQ(dueKeyRepeat(repeat, 2244, timing), nullptr);
    EXPECT_EQ(dueKeyRepeat(repeat, 2276, timing), nullptr);
    EXPECT_EQ(dueKeyRepeat(repeat, 2277, timing), &entry);
    stopKeyRepeat(repeat);
    EXPECT_EQ(dueKeyRepeat(repeat, 9000, timing), nullptr);
}

}  // namespace
}  // namespace tarvik
