#pragma once
// What start-up does with the command line once the devices are ready:
// which configuration it loads and which program it starts.

#include "config/ConfigFiles.h"
#include "shell/CommandLine.h"
#include "shell/ProgramLauncher.h"

namespace tarvik {

// The file loaded when the command line names none, or names a missing one.
extern const char kDefaultConfigFile[];  // "tarvik7.cfg"

// Loads the LOAD: file when it exists; a missing one is reported and the
// default file loaded instead. Without LOAD: loads the default file.
// Returns the name it loaded.
const char* loadStartConfiguration(ConfigFileContext& files, const CommandLineOptions& options);

// AUTOSTART starts the loaded record's autostartPath and reports nothing;
// otherwise START: starts its own name and reports a failure.
void startRequestedProgram(const CommandLineOptions& options, const ConfigHeader& header,
                           ProgramLauncher& launcher, Platform& platform);

// autostartPath as a terminated string (a loaded file need not end it).
void autostartPathOf(const ConfigHeader& header,
                     char (&path)[sizeof(ConfigHeader::autostartPath) + 1]);

}  // namespace tarvik
