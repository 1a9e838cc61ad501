#pragma once
#include "shell/ProgramLauncher.h"

namespace tarvik {

// Creates the process with the path as its whole command line, in the
// program's own directory, inheriting this process's standard handles.
class Win32ProgramLauncher final : public ProgramLauncher {
  public:
    bool launchProgram(const char* path) override;
};

}  // namespace tarvik
