#pragma once
// Opens the two small windows the engine owns, and asks the shell for a
// configuration switch. The Win32 implementation creates the windows topmost
// and shows them without activation; tests record.

#include "platform/WindowHandle.h"

namespace tarvik {

// The window classes of the text-input window and the function-key selector.
constexpr char kTextInputWindowClass[] = "JoyString";
constexpr char kSelectorWindowClass[] = "JoyF";

class EngineWindows {
  public:
    virtual ~EngineWindows() = default;
    // Each creates, shows and paints its window and returns the handle, or
    // kNoWindow when the system refused to create it.
    virtual WindowHandle openTextInputWindow() = 0;
    virtual WindowHandle openSelectorWindow() = 0;
    // The next (1) or previous (-1) configuration, loaded later by the
    // user-interface thread. Never waits for it: it stops this thread while
    // it loads.
    virtual void askForConfigurationStep(int step) = 0;
};

}  // namespace tarvik
