#include "config/ConfigFiles.h"

#include <cstring>

#include "config/Defaults.h"
#include "config/Thresholds.h"
#include "platform/FileSystem.h"
#include "platform/Platform.h"

namespace tarvik {

namespace {

constexpr char kErrorCaption[] = "ERROR!";
constexpr char kTemporarySuffix[] = ".tmp";
constexpr char kNotFound[] = "file not found!";
constexpr char kCannotOpen[] = "cannot open file!";
constexpr char kWrongVersion[] = "cannot read file!\nwrong version";

void showError(Platform& platform, const char* text) {
    platform.messageBox(text, kErrorCaption, MessageBoxKind::kOk);
}

// The shortest form that holds every block in use: both blocks of each
// joystick and, after them, the mouse's block.
size_t storedLength(const DeviceTable& devices) {
    const int lastBlock = devices.mouseSlot();
    if (lastBlock < 4) return kShortFileLength;
    if (lastBlock < 8) return kLongFileLength;
    return sizeof(Configuration);
}

// The save goes to "<path>.tmp" beside the target, so that a write that
// fails halfway leaves the previous file as it was.
bool makeTemporaryPath(const char* path, char (&temporary)[kMaxPathLength + 8]) {
    const size_t length = std::strlen(path);
    if (length + sizeof(kTemporarySuffix) > sizeof(temporary)) return false;
    std::memcpy(temporary, path, length);
    std::memcpy(temporary + length, kTemporarySuffix, sizeof(kTemporarySuffix));
    return true;
}

}  // namespace

void saveConfiguration(ConfigFileContext& context, const char* path) {
    FileSystem& files = context.fileSystem;
    if (files.exists(path) &&
        context.platform.messageBox("file already exists. Overwrite?", "Attention!",
                                    MessageBoxKind::kYesNo) != MessageBoxAnswer::kYes) {
        return;
    }

    char temporary[kMaxPathLength + 8];
    const FileHandle file = makeTemporaryPath(path, temporary) ? files.create(temporary) : kNoFile;
    if (file == kNoFile) {
        showError(context.platform, kCannotOpen);
        return;
    }

    context.config.header.version = kConfigVersion;
    const size_t length = storedLength(context.devices);
    const size_t written = files.write(file, &context.config, length);
    const bool closed = files.close(file);
    if (written != length || !closed) {
        files.remove(temporary);
        showError(context.platform, "cannot write file!");
        return;
    }
    // A target that cannot be replaced (read-only, locked, a directory) is
    // one that could not have been opened for writing.
    if (!files.replace(temporary, path)) {
        files.remove(temporary);
        showError(context.platform, kCannotOpen);
    }
}

void loadConfiguration(ConfigFileContext& context, const char* path) {
    FileSystem& files = context.fileSystem;
    Configuration& config = context.config;
    if (!files.exists(path)) {
        showError(context.platform, kNotFound);
        loadDefaults(context);
    } else if (const FileHandle file = files.openForRead(path); file == kNoFile) {
        showError(context.platform, kCannotOpen);
    } else {
        // Any length is accepted: the file overwrites the record from the
        // start and what lies beyond its end keeps its previous contents.
        const size_t read = readUpTo(files, file, &config, sizeof(Configuration));
        // A file too short to hold a version word has none, whatever the
        // previous record left in its place.
        if (read < sizeof(config.header.version) || config.header.version != kConfigVersion) {
            showError(context.platform, kWrongVersion);
            std::memset(&config, 0, sizeof(Configuration));
            loadDefaults(context);
        }
        files.close(file);
    }
    recomputeThresholds(config);
}

const char* configFileProblem(FileSystem& fileSystem, const char* path, ConfigHeader& buffer) {
    if (!fileSystem.exists(path)) return kNotFound;
    const FileHandle file = fileSystem.openForRead(path);
    if (file == kNoFile) return kCannotOpen;
    fileSystem.close(file);
    readConfigHeader(fileSystem, path, buffer);
    return buffer.version == kConfigVersion ? nullptr : kWrongVersion;
}

void loadDefaults(ConfigFileContext& context) {
    scanConfigFiles(context.fileSystem, context.fileList, context.headerBuffer);
    writeRecordDefaults(context.config);
    fillFunctionKeyTable(context.functionKeys, context.platform);
}

}  // namespace tarvik
