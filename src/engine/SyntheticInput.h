#pragma once
// The only place that injects keyboard and mouse input. Every injected event
// is followed by a sleep on the calling thread; these sleeps pace typed
// sequences and clicks.

#include <cstdint>

#include "config/ControlEntry.h"
#include "engine/ActionExecutor.h"
#include "engine/EngineState.h"
#include "engine/KeySender.h"
#include "input/DeviceState.h"
#include "platform/Platform.h"

namespace tarvik {

class SyntheticInput final : public KeySender {
  public:
    SyntheticInput(Platform& platform, EngineState& state, const DeviceTable& devices)
        : platform_(platform), state_(state), devices_(devices) {}

    // flags: 0 = key down, 2 = key up. Sleeps the delay, at least 2 ms.
    // Goes by the scan code while the state's sendScanCodes is set.
    void sendKeyEvent(int32_t delayMs, uint16_t keyWord, uint16_t scanWord,
                      uint32_t flags) override;

    // One relative mouse event; sleeps the delay with no minimum.
    void sendMouseEvent(int32_t delayMs, uint32_t flags, int32_t dx, int32_t dy, int32_t data);

    // Carries out the entry's mouseActionCode, then sleeps the delay once more.
    void performMouseAction(int block, const ControlEntry& entry, ActionMode mode, int32_t delayMs);

  private:
    void pressBranch(int block, const ControlEntry& entry, ActionMode mode, int32_t delayMs);
    void releaseBranch(const ControlEntry& entry, int32_t delayMs);
    void click(const ControlEntry& entry, ActionMode mode, int32_t delayMs, uint32_t downFlag,
               uint32_t upFlag, int32_t& toggle);
    void doubleClick(int32_t delayMs, uint32_t downFlag, uint32_t upFlag);
    void move(int32_t delayMs, int xSign, int ySign);
    void absolute(int block, int axis);
    void mouseSleep(int32_t delayMs);

    Platform& platform_;
    EngineState& state_;
    const DeviceTable& devices_;
};

}  // namespace tarvik
