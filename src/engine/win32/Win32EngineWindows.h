#pragma once
#include "engine/EngineWindows.h"
#include "engine/SharedState.h"

namespace tarvik {

// Creates the engine's windows from the classes "JoyString" and "JoyF",
// which start-up registers; until then creation fails and returns kNoWindow.
// Each window is created with `state`, which its procedure works on.
class Win32EngineWindows final : public EngineWindows {
  public:
    explicit Win32EngineWindows(SharedState& state) : state_(state) {}
    WindowHandle openTextInputWindow() override;
    WindowHandle openSelectorWindow() override;

  private:
    SharedState& state_;
};

}  // namespace tarvik
