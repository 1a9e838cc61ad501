#pragma once
// Builds configuration files in code, for the tests and the measurement
// that drive the real program: a record with the defaults, entries that type
// text or press keys, and the raw file image. Windows only: scan codes and
// shift states come from the system's keyboard layout.

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <memory>

#include "config/Configuration.h"
#include "config/Defaults.h"

namespace tarvik::demo {

// A record as a freshly saved file holds it: version, defaults, no shift
// button.
inline std::unique_ptr<Configuration> newConfiguration() {
    auto config = std::make_unique<Configuration>();
    writeRecordDefaults(*config);
    config->header.version = kConfigVersion;
    config->header.shiftButton = 32;
    return config;
}

inline void clearKeys(ControlEntry& entry) {
    entry.sendKeys = 0;
    entry.keyCount = 0;
    std::memset(entry.keyCodes, 0, sizeof entry.keyCodes);
    std::memset(entry.scanCodes, 0, sizeof entry.scanCodes);
    std::memset(entry.keyText, 0, sizeof entry.keyText);
}

// The entry types `text` on press, each character down and up at once.
inline void typeText(ControlEntry& entry, const char* text) {
    clearKeys(entry);
    int n = 0;
    for (; text[n] != '\0' && n < kMaxRecordedKeys; ++n) {
        const SHORT key = VkKeyScanA(text[n]);
        const uint16_t virtualKey = static_cast<uint16_t>(key & 0xFF);
        const bool shift = (key & 0x100) != 0;
        entry.keyCodes[n] = static_cast<uint16_t>(virtualKey | (shift ? KeyWord::kShift : 0));
        entry.scanCodes[n] = static_cast<uint16_t>(MapVirtualKeyA(virtualKey, 0));
        entry.keyText[n] = text[n];
    }
    entry.keyCount = static_cast<uint8_t>(n);
    entry.sendKeys = 1;
    entry.autoRelease = 1;
}

// The entry holds these keys down from press to release. `extended` marks
// keys of the extended set (arrows and the like).
inline void holdKeys(ControlEntry& entry, std::initializer_list<uint8_t> virtualKeys,
                     bool extended = false) {
    clearKeys(entry);
    int n = 0;
    for (uint8_t virtualKey : virtualKeys) {
        entry.keyCodes[n] = virtualKey;
        entry.scanCodes[n] = static_cast<uint16_t>(MapVirtualKeyA(virtualKey, 0) |
                                                   (extended ? ScanWord::kExtended : 0));
        entry.keyText[n] = kNoCharacterPlaceholder;
        ++n;
    }
    entry.keyCount = static_cast<uint8_t>(n);
    entry.sendKeys = 1;
    entry.autoRelease = 0;
}

// The raw file image: the header and the first four blocks, or eight.
inline bool writeConfigFile(const char* path, const Configuration& config,
                            bool eightBlocks = false) {
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr) return false;
    const size_t length = eightBlocks ? kLongFileLength : kShortFileLength;
    const bool written = std::fwrite(&config, 1, length, file) == length;
    return std::fclose(file) == 0 && written;
}

}  // namespace tarvik::demo
