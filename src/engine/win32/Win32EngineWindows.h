#pragma once
#include "engine/EngineWindows.h"

namespace tarvik {

// Creates the engine's windows from the classes "JoyString" and "JoyF",
// which start-up registers; until then creation fails and returns kNoWindow.
class Win32EngineWindows final : public EngineWindows {
  public:
    WindowHandle openStringWindow() override;
    WindowHandle openFSelectWindow() override;
};

}  // namespace tarvik
