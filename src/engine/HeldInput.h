#pragma once
// Which keys and mouse buttons Tarvik itself holds down, so that they can
// all be let go when the mapping stops: a held control, a latched click or
// a sequence without its key-ups would otherwise leave a key stuck in the
// system after the program has ended.

#include <cstdint>

#include "platform/ForwardingPlatform.h"

namespace tarvik {

// One virtual-key code can name two keys at once: SHIFT, CTRL and ALT stand
// for their left and right keys, ENTER and the arrows for the main and the
// numeric pad's. Each is held, and let go, on its own.
constexpr int kKeyVariants = 2;

struct HeldInput {
    uint8_t keyDown[256];                 // by virtual-key code: bit v while variant v is held
    uint16_t keyScan[256][kKeyVariants];  // scan code of each press, kExtended bit above it
    uint32_t mouseButtons;                // MouseFlags::kLeftDown, kRightDown, kMiddleDown bits
};

// A platform that passes everything on to `inner` and writes down every
// key and mouse button it injects. The polling thread injects through it.
class HeldInputTracker final : public ForwardingPlatform {
  public:
    HeldInputTracker(Platform& inner, HeldInput& held) : ForwardingPlatform(inner), held_(held) {}

    void injectKeyboard(const KeyboardRecord& record) override;
    void injectMouse(const MouseRecord& record) override;

  private:
    HeldInput& held_;
};

// Lets go of everything `held` records, keys before modifiers and mouse
// buttons last, through `platform` (the real one, not the tracker), and
// clears the record.
void releaseHeldInput(HeldInput& held, Platform& platform);

}  // namespace tarvik
