#pragma once
// Which keys and mouse buttons Tarvik itself holds down, so that they can
// all be let go when the mapping stops: a held control, a latched click or
// a sequence without its key-ups would otherwise leave a key stuck in the
// system after the program has ended.

#include <cstdint>

#include "platform/InputSink.h"

namespace tarvik {

// One virtual-key code can name two keys at once: SHIFT, CTRL and ALT stand
// for their left and right keys, ENTER and the arrows for the main and the
// numeric pad's. Each is held, and let go, on its own.
constexpr int kKeyVariants = 2;

// A release the system refused (an elevated window in front, the secure
// desktop at lock) leaves the key down in the system; it is kept apart and
// sent again until one is taken.
struct HeldInput {
    uint8_t keyDown[256];                 // by virtual-key code: bit v while variant v is held
    uint16_t keyScan[256][kKeyVariants];  // scan word of each press (ScanWord), 0x200 when
                                          // it went by its scan code
    uint32_t mouseButtons;                // MouseFlags::kLeftDown, kRightDown, kMiddleDown bits
    uint8_t keyRefused[256];              // bit v while variant v's release was refused
    uint32_t mouseRefused;                // kLeftDown... bits whose release was refused
};

// An input sink that passes every record on to `inner` and writes down
// every key and mouse button it presses or lets go. The polling thread
// injects through it (a ForwardingPlatform joins it to the platform).
class HeldInputTracker final : public InputSink {
  public:
    HeldInputTracker(InputSink& inner, HeldInput& held) : inner_(inner), held_(held) {}

    bool injectKeyboard(const KeyboardRecord& record) override;
    bool injectMouse(const MouseRecord& record) override;

  private:
    InputSink& inner_;
    HeldInput& held_;
};

// Lets go of everything `held` records, keys before modifiers and mouse
// buttons last, into `sink` (the system, or a layer in front of the
// tracker, which then forgets them too), and
// clears the record; what the system refuses is kept as refused. Sends the
// refused releases again first.
void releaseHeldInput(HeldInput& held, InputSink& sink);

// Sends every refused release again into `sink`; those taken are forgotten.
// Cheap when there are none: for every pass.
void retryRefusedReleases(HeldInput& held, InputSink& sink);

}  // namespace tarvik
