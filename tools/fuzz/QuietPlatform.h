#pragma once
// A platform, a device source and engine windows that do nothing: the
// targets run the portable code with no system behind it, so only what the
// input holds decides what happens.

#include <cstdint>

#include "fakes/RecordingDeviceSource.h"
#include "fakes/RecordingEngineWindows.h"
#include "platform/NullPlatform.h"

namespace tarvik::fuzz {

// A desktop and key maps that answer, so the code that asks them runs.
class QuietPlatform : public NullPlatform {
  public:
    ScreenRect desktopClientRect() override { return {0, 0, 1024, 768}; }
    uint32_t mapVirtualKeyToScanCode(uint32_t) override { return 0x44; }
    uint32_t mapVirtualKeyToExtendedScanCode(uint32_t) override { return 0x44; }
    uint32_t mapScanCodeToVirtualKey(uint32_t) override { return 0x79; }
    uint32_t oemKeyScan(uint8_t character) override { return character; }
};

// Read nothing and open nothing: the tests' fakes made without a log.
using NoDevices = testing::RecordingDeviceSource;
using NoWindows = testing::RecordingEngineWindows;

}  // namespace tarvik::fuzz
