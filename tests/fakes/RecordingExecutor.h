#pragma once
// Records every press and release that the evaluation hands on.

#include <string>
#include <vector>

#include "config/Configuration.h"
#include "engine/ActionExecutor.h"

namespace tarvik::testing {

class RecordingExecutor : public ActionExecutor {
  public:
    // Counts only: what a benchmark wants, no allocation per action.
    RecordingExecutor() = default;
    // Lines read "press B:E" / "release B:E" with the block and the entry's
    // position in that block (not its stored controlIndex), into its own
    // log or into `into`.
    explicit RecordingExecutor(const Configuration& config) : config_(&config), into_(&log) {}
    RecordingExecutor(std::vector<std::string>& into, const Configuration& config)
        : config_(&config), into_(&into) {}
    RecordingExecutor(const RecordingExecutor&) = delete;
    RecordingExecutor& operator=(const RecordingExecutor&) = delete;

    long calls = 0;
    std::vector<std::string> log;

    void executeAction(int block, ControlEntry& entry, ActionMode mode) override {
        ++calls;
        if (into_ == nullptr) return;
        const long index = &entry - config_->blocks[block].entries;
        into_->push_back((mode == ActionMode::kPress ? "press " : "release ") +
                         std::to_string(block) + ":" + std::to_string(index));
    }
    // A repeat is the real executor's business; the evaluation never asks for it.
    void repeatHeldKey() override {}
    std::vector<std::string> take() {
        std::vector<std::string> out;
        out.swap(log);
        return out;
    }

  private:
    const Configuration* config_ = nullptr;
    std::vector<std::string>* into_ = nullptr;
};

}  // namespace tarvik::testing
