#pragma once
#include <windows.h>

#include "engine/EngineWindows.h"
#include "engine/SharedState.h"

namespace tarvik {

// Posted to the shell's controller window: wParam is the step (1 or -1).
constexpr UINT kConfigurationStepMessage = WM_APP + 1;

// Creates the engine's windows from the classes "JoyString" and "JoyF",
// which start-up registers; until then creation fails and returns kNoWindow.
// Each window is created with `state`, which its procedure works on.
class Win32EngineWindows final : public EngineWindows {
  public:
    Win32EngineWindows(SharedState& state, HWND shellWindow)
        : state_(state), shellWindow_(shellWindow) {}
    WindowHandle openTextInputWindow() override;
    WindowHandle openSelectorWindow() override;
    void askForConfigurationStep(int step) override;

  private:
    SharedState& state_;
    HWND shellWindow_;
};

}  // namespace tarvik
