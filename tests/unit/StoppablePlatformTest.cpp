#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "engine/StoppablePlatform.h"
#include "fakes/RecordingPlatform.h"

namespace tarvik {
namespace {

using Log = std::vector<std::string>;

TEST(StoppablePlatform, OnceStoppedSleepsEndAndOnlyReleasesGoOut) {
    testing::RecordingPlatform system;
    system.recordSleeps = true;
    std::atomic<int> runFlag{1};
    StoppablePlatform platform(system, runFlag);

    // Running, a long sleep is the same time in slices.
    platform.sleepMs(25);
    EXPECT_EQ(system.log, (Log{"sleep 10", "sleep 10", "sleep 5"}));
    system.log.clear();

    // The flag cleared halfway through a 30-second delay ends it at the
    // next slice.
    class ClearingPlatform : public ForwardingPlatform {
      public:
        ClearingPlatform(Platform& inner, std::atomic<int>& flag)
            : ForwardingPlatform(inner), flag_(flag) {}
        void sleepMs(uint32_t ms) override {
            inner().sleepMs(ms);
            if (++slices_ == 2) flag_ = 0;
        }

      private:
        std::atomic<int>& flag_;
        int slices_ = 0;
    } clearing(system, runFlag);
    StoppablePlatform cut(clearing, runFlag);
    cut.sleepMs(30000);
    EXPECT_EQ(system.log, (Log{"sleep 10", "sleep 10"}));
    system.log.clear();

    cut.injectKeyboard(KeyboardRecord{0x41, 0x1E, 0});
    cut.injectKeyboard(KeyboardRecord{0x41, 0x1E, KeyFlags::kKeyUp});
    cut.injectMouse(MouseRecord{5, 5, 0, MouseFlags::kMove | MouseFlags::kLeftDown});
    cut.injectMouse(MouseRecord{0, 0, 0, MouseFlags::kLeftDown | MouseFlags::kRightUp});
    cut.shellOpen("C:\\late.exe");
    EXPECT_EQ(system.log, (Log{"key vk=41 scan=1E flags=2", "mouse flags=10 dx=0 dy=0 data=0"}));
}

}  // namespace
}  // namespace tarvik
