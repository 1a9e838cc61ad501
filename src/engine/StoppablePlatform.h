#pragma once
// The polling thread's way out to the system, cut short once runFlag is
// cleared or a pause is asked for: a pass can take seconds when its entries
// type long sequences or sleep long delays, and neither quitting nor a
// pause (a load, a device change, a suspend the system times) may wait for
// it. From then on every sleep ends within a slice and nothing new is
// pressed; letting go still passes, so whatever the cut action left down
// can come up.

#include <atomic>
#include <cstdint>

#include "platform/ForwardingPlatform.h"

namespace tarvik {

// How long a sleep runs before it looks at the flag again.
constexpr uint32_t kStopCheckMs = 10;

class StoppablePlatform final : public ForwardingPlatform {
  public:
    StoppablePlatform(Platform& inner, const std::atomic<int>& runFlag)
        : ForwardingPlatform(inner), runFlag_(runFlag) {}
    // The injected input goes to `input`, the rest to `inner`.
    StoppablePlatform(Platform& inner, InputSink& input, const std::atomic<int>& runFlag)
        : ForwardingPlatform(inner, input), runFlag_(runFlag) {}
    // Also cut short while `pauseRequests` is above 0.
    StoppablePlatform(Platform& inner, InputSink& input, const std::atomic<int>& runFlag,
                      const std::atomic<int32_t>& pauseRequests)
        : ForwardingPlatform(inner, input), runFlag_(runFlag), pauseRequests_(&pauseRequests) {}

    bool injectKeyboard(const KeyboardRecord& record) override;
    bool injectMouse(const MouseRecord& record) override;
    void sleepMs(uint32_t milliseconds) override;
    void shellOpen(const char* path) override;

  private:
    bool stopping() const {
        return runFlag_.load() == 0 || (pauseRequests_ != nullptr && pauseRequests_->load() > 0);
    }

    const std::atomic<int>& runFlag_;
    const std::atomic<int32_t>* pauseRequests_ = nullptr;
};

}  // namespace tarvik
