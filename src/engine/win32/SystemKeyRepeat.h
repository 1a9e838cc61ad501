#pragma once
#include "engine/KeyRepeat.h"

namespace tarvik {

// The keyboard delay and repeat rate of the control panel, read once at
// start-up: a change there counts from Tarvik's next start. Windows'
// defaults when the system will not say.
KeyRepeatTiming systemKeyRepeat();

}  // namespace tarvik
