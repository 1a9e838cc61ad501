#pragma once
// The one foreground event the shell asks the system for: every change of
// the window in front goes to program following and to the elevation
// warning alike.

namespace tarvik {

// Once, on the main thread, after both are set up.
void startForegroundHook();
// At shutdown, before either ends.
void endForegroundHook();

}  // namespace tarvik
