#pragma once
// Records every press and release that the evaluation hands on.

#include <string>
#include <vector>

#include "config/Configuration.h"
#include "engine/ActionExecutor.h"
#include "input/DeviceState.h"

namespace tarvik::testing {

class RecordingExecutor : public ActionExecutor {
  public:
    explicit RecordingExecutor(const Configuration& config) : config_(config) {}

    std::vector<std::string> log;

    // Lines read "press B:E" / "release B:E" with the block and the entry's
    // position in that block (not its stored controlIndex).
    void executeAction(int block, ControlEntry& entry, ActionMode mode) override {
        const long index = &entry - config_.blocks[block].entries;
        log.push_back((mode == ActionMode::kPress ? "press " : "release ") + std::to_string(block) +
                      ":" + std::to_string(index));
    }
    std::vector<std::string> take() {
        std::vector<std::string> out;
        out.swap(log);
        return out;
    }

  private:
    const Configuration& config_;
};

class NullDeviceSource : public DeviceSource {
  public:
    int polls = 0;
    int32_t pollJoystick(int) override {
        ++polls;
        return 0;
    }
    int32_t pollMouse() override { return 0; }
};

}  // namespace tarvik::testing
