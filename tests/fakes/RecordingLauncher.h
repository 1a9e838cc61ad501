#pragma once
// Records every program start into a log and answers with a scripted result.

#include <string>
#include <vector>

#include "shell/ProgramLauncher.h"

namespace tarvik::testing {

class RecordingLauncher : public ProgramLauncher {
  public:
    explicit RecordingLauncher(std::vector<std::string>& log) : log_(log) {}
    bool succeeds = true;

    // Lines read: launch "path".
    bool launchProgram(const char* path) override {
        log_.push_back("launch \"" + std::string(path) + "\"");
        return succeeds;
    }

  private:
    std::vector<std::string>& log_;
};

}  // namespace tarvik::testing
