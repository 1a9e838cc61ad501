#pragma once
// Storing and loading the record as .cfg files, the defaults, and the list
// of configuration files in the current directory.

#include "config/CfgFileList.h"
#include "config/Configuration.h"
#include "config/FunctionKeyTable.h"
#include "input/DeviceState.h"

namespace tarvik {

class FileSystem;
class Platform;

// Everything the file routines touch; one instance of each in the program.
struct ConfigFileContext {
    Configuration& config;
    FunctionKeyTable& functionKeys;
    CfgFileList& fileList;
    ConfigHeader& headerBuffer;  // scanning reads headers here, never into the record
    const DeviceTable& devices;  // deviceCount chooses the file length
    Platform& platform;          // message boxes
    FileSystem& fileSystem;
};

// Writes the record as a 480,020- or 958,548-byte file, or whole when the
// blocks in use reach past block 7, asking before it replaces an existing
// one. The old file survives a failed write.
void saveConfiguration(ConfigFileContext& context, const char* path);

// Replaces the record from the file (any length, from offset 0), or falls back
// to defaults; always ends by recomputing the thresholds.
void loadConfiguration(ConfigFileContext& context, const char* path);

// What a load of the file would report, without touching the record: the
// load's own message text, or nullptr when it would load. A switch that no
// one asked for at that moment (following the program in front, a second
// start handing over) asks first, keeps the record in use and shows the
// text where nothing waits for an answer.
const char* configFileProblem(FileSystem& fileSystem, const char* path, ConfigHeader& buffer);

// Rescans the directory and writes the default values into the record and the
// function-key table.
void loadDefaults(ConfigFileContext& context);

// Reads up to a header's worth of the file into `buffer`; a missing or
// unopenable file leaves version 0 there.
void readConfigHeader(FileSystem& fileSystem, const char* path, ConfigHeader& buffer);

// Rebuilds the list from the "*.CFG" files of the current directory.
void scanConfigFiles(FileSystem& fileSystem, CfgFileList& list, ConfigHeader& headerBuffer);

}  // namespace tarvik
