#include "engine/win32/SystemKeyRepeat.h"

#include <windows.h>

namespace tarvik {

KeyRepeatTiming systemKeyRepeat() {
    // SPI_GETKEYBOARDDELAY gives 0..3 (250..1000 ms), SPI_GETKEYBOARDSPEED
    // 0..31 (about 2.5..30 repeats a second); keyRepeatTiming turns them
    // into milliseconds.
    int delay = 1;
    DWORD speed = 31;
    if (SystemParametersInfoA(SPI_GETKEYBOARDDELAY, 0, &delay, 0) == FALSE) delay = 1;
    if (SystemParametersInfoA(SPI_GETKEYBOARDSPEED, 0, &speed, 0) == FALSE) speed = 31;
    return keyRepeatTiming(delay < 0 ? 0 : static_cast<uint32_t>(delay), speed);
}

}  // namespace tarvik
