#pragma once
// The function-key selector's countdown: each polling pass while the window
// is open counts down once; at zero the window closes and the function key
// on offer is typed. Opening and stepping the selector belong to the action
// executor.

#include "config/FunctionKeyTable.h"
#include "engine/KeySender.h"
#include "platform/Platform.h"

namespace tarvik {

class FunctionKeySelectorView {
  public:
    virtual ~FunctionKeySelectorView() = default;
    virtual void destroyWindow() = 0;
    // Shows the row on offer in the window's caption bar.
    virtual void setCaption(const char* label) = 0;
};

enum class SelectorOutcome {
    kOpen,
    kClosed,  // the window was destroyed: the caller clears fSelectWindow
};

struct FunctionKeySelectorContext {
    FunctionKeyTable& table;  // its rows, fSelectIndex and fSelectCountdown
    FunctionKeySelectorView& view;
    KeySender& keys;
    Platform& platform;
};

// One pass of the countdown, run only while the selector window is open.
SelectorOutcome functionKeyCountdownStep(FunctionKeySelectorContext& context);

}  // namespace tarvik
