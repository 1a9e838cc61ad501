#pragma once
// The parts of the configuration window's procedure, shared between the
// files that implement it.

#include <windows.h>

#include "ui/config/ConfigCommands.h"
#include "ui/config/win32/ConfigWindow.h"

namespace tarvik {

// The open window, or null.
HWND openConfigWindowHandle(const ConfigWindowContext& context);

// Check marks in order, then pageDisplay, then pagePaint, as asked.
void applyFollowUp(ConfigWindowContext& context, const FollowUp& followUp);

// Redraws the shift settings below "shift device" after the SHIFT dialog.
void paintShiftSettings(ConfigWindowContext& context);

// Each returns true with `result` set when the message is answered without
// the default procedure.
bool handleCommand(ConfigWindowContext& context, HWND window, WPARAM wParam, LPARAM lParam,
                   LRESULT& result);
// Up-down steps; the notification then goes to the default procedure.
void handleNotify(ConfigWindowContext& context, LPARAM lParam);
bool handleKeyRelease(ConfigWindowContext& context, UINT message, WPARAM wParam, LPARAM lParam,
                      LRESULT& result);
void handleCharacter(ConfigWindowContext& context, WPARAM wParam);

}  // namespace tarvik
