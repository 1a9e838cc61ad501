#pragma once
// Fresh state for the file routines: a record, the function-key table, the
// file list and header buffer, a device table, a recording platform, and the
// real file system behind a fault-injecting wrapper.

#include <cstdint>
#include <cstring>
#include <memory>
#include <random>

#include "config/ConfigFiles.h"
#include "fakes/ConfigFixtures.h"
#include "fakes/FaultyFileSystem.h"
#include "fakes/RecordingPlatform.h"
#include "platform/PortableFileSystem.h"

namespace tarvik::testing {

// Fills any plain struct with reproducible noise.
template <typename T>
void fillWithNoise(T& object, uint32_t seed) {
    std::mt19937 random(seed);
    auto* bytes = reinterpret_cast<unsigned char*>(&object);
    for (size_t i = 0; i < sizeof(T); ++i) bytes[i] = static_cast<unsigned char>(random());
}

struct ConfigFileRig {
    std::unique_ptr<Configuration> config = makeZeroConfiguration();
    std::unique_ptr<FunctionKeyTable> functionKeys = std::make_unique<FunctionKeyTable>();
    std::unique_ptr<CfgFileList> fileList = std::make_unique<CfgFileList>();
    std::unique_ptr<ConfigHeader> headerBuffer = std::make_unique<ConfigHeader>();
    std::unique_ptr<DeviceTable> devices = makeDeviceTable(2);
    RecordingPlatform platform;
    PortableFileSystem disk;
    FaultyFileSystem files{disk};
    ConfigFileContext context{*config,  *functionKeys, *fileList, *headerBuffer,
                              *devices, platform,      files};

    void setJoysticks(int joysticks) {
        devices->deviceCount = joysticks;
        devices->lastDeviceIndex = joysticks > 0 ? joysticks - 1 : 0;
    }

    // A copy of the record as it is now.
    std::unique_ptr<Configuration> snapshot() const {
        auto copy = makeZeroConfiguration();
        std::memcpy(copy.get(), config.get(), sizeof(Configuration));
        return copy;
    }
};

inline bool sameBytes(const Configuration& a, const Configuration& b) {
    return std::memcmp(&a, &b, sizeof(Configuration)) == 0;
}

}  // namespace tarvik::testing
