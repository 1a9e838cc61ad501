#include "shell/StartConfiguration.h"

#include "config/BoundedString.h"
#include "platform/FileSystem.h"
#include "platform/Platform.h"

namespace tarvik {

const char kDefaultConfigFile[] = "tarvik7.cfg";

const char* loadStartConfiguration(ConfigFileContext& files, const CommandLineOptions& options) {
    if (!options.load) {
        loadConfiguration(files, kDefaultConfigFile);
        return kDefaultConfigFile;
    }
    // An empty name (LOAD: at the very end) names no file at all, even
    // though the system would call the current directory an existing path.
    if (options.loadName[0] != '\0' && files.fileSystem.exists(options.loadName)) {
        loadConfiguration(files, options.loadName);
        return options.loadName;
    }
    files.platform.messageBox("configuration file not found\r\nusing default file tarvik7.cfg",
                              "ERROR!", MessageBoxKind::kOk);
    loadConfiguration(files, kDefaultConfigFile);
    return kDefaultConfigFile;
}

void startRequestedProgram(const CommandLineOptions& options, const ConfigHeader& header,
                           ProgramLauncher& launcher, Platform& platform) {
    if (options.autostart) {
        char path[sizeof(ConfigHeader::autostartPath) + 1];
        autostartPathOf(header, path);
        launcher.launchProgram(path);
        return;
    }
    if (options.start && !launcher.launchProgram(options.startName)) {
        platform.messageBox("program not found", "ERROR!", MessageBoxKind::kOk);
    }
}

void autostartPathOf(const ConfigHeader& header,
                     char (&path)[sizeof(ConfigHeader::autostartPath) + 1]) {
    copyBounded(path, boundedText(header.autostartPath));
}

}  // namespace tarvik
