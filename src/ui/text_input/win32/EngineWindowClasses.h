#pragma once
// The two windows the engine opens itself: the text-input grid "JoyString"
// and the function-key selector "JoyF". Start-up registers their classes
// with these procedures; the polling thread draws them through the views.

#include <windows.h>

#include "engine/EngineWindows.h"
#include "engine/SharedState.h"
#include "engine/text_input/FunctionKeySelector.h"
#include "engine/text_input/TextInputStep.h"

namespace tarvik {

LRESULT CALLBACK textInputWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK selectorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Registers both classes with the procedures above, no icon, no cursor and
// `background` (the button-face brush) as background. The classes share one
// device context each, so every drawing call restores what it changes.
// True when both were registered.
bool registerEngineWindowClasses(HINSTANCE instance, HBRUSH background);
void unregisterEngineWindowClasses(HINSTANCE instance);

// Draws on the open text-input window (state.engine.stringWindow).
class Win32TextInputView final : public TextInputView {
  public:
    explicit Win32TextInputView(SharedState& state) : state_(state) {}
    void invertHighlight(int column, int row) override;
    void drawEchoBox(const uint8_t (&echoLine)[kEchoLength]) override;
    void destroyWindow() override;

  private:
    SharedState& state_;
};

// Acts on the open selector window (state.engine.fSelectWindow).
class Win32FunctionKeySelectorView final : public FunctionKeySelectorView {
  public:
    explicit Win32FunctionKeySelectorView(SharedState& state) : state_(state) {}
    void destroyWindow() override;
    void setCaption(const char* label) override;

  private:
    SharedState& state_;
};

}  // namespace tarvik
