#pragma once
// The program's whole state, assembled here from the slices their layers
// own: what the engine shares with the windows, and what only the
// configuration window keeps. One instance in the program (static, zero at
// start), fresh ones in tests.

#include "engine/SharedState.h"
#include "ui/config/ConfigWindowState.h"

namespace tarvik {

struct AppState : SharedState, ConfigWindowState {};

}  // namespace tarvik
