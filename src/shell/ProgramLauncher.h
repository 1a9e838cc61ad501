#pragma once
// Starting another program as a process of its own, in its own directory.
// The Win32 implementation creates the process; tests record.

namespace tarvik {

class ProgramLauncher {
  public:
    virtual ~ProgramLauncher() = default;
    // True when the process was created. Reports nothing itself.
    virtual bool launchProgram(const char* path) = 0;
};

}  // namespace tarvik
