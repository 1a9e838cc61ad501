#pragma once
#include "config/ControlEntry.h"

namespace tarvik {

// Equal to the key-down and key-up flags of a keyboard record.
enum class ActionMode : uint32_t { kPress = 0, kRelease = 2 };

// Carries out one entry when its control is pressed or released.
class ActionExecutor {
  public:
    virtual ~ActionExecutor() = default;
    virtual void executeAction(int block, ControlEntry& entry, ActionMode mode) = 0;
    // Once a mapping pass, after every block: the key a control holds down
    // repeats when it is due, as a keyboard key does.
    virtual void repeatHeldKey() = 0;
};

}  // namespace tarvik
