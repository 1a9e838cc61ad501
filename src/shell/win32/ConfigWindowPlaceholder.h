#pragma once
// Stand-in for the configuration window until it exists: it keeps
// configWindow in step (set while it lives), so the mapping pauses as it
// will for the real window, and offers only a close button.

#include <windows.h>

#include "shell/AppState.h"

namespace tarvik {

void bindConfigWindowPlaceholder(AppState& state);

LRESULT CALLBACK configWindowPlaceholderProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam);

}  // namespace tarvik
