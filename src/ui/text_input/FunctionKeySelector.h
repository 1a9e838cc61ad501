#pragma once
// The function-key selector's countdown: each polling pass while the window
// is open counts down once; at zero the window closes and the function key
// on offer is typed. Opening and stepping the selector belong to the action
// executor.

#include "config/FunctionKeyTable.h"
#include "engine/KeySender.h"
#include "platform/Platform.h"
#include "ui/text_input/TextInputLayout.h"

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

// Window origin on a desktop of the given client size: its top-left corner
// just above and left of the centre. The window is sized 0 x 0, so only its
// caption bar shows.
constexpr PixelPoint selectorPlacement(int desktopWidth, int desktopHeight) {
    return {(desktopWidth - 20) / 2, (desktopHeight - 10) / 2};
}

}  // namespace tarvik
