#pragma once
// Engine windows that are never created: every opening is written to a log
// (normally the recording platform's, so its place among the injected
// events shows) and answered with a scripted handle. Made without a log,
// they open nothing: every creation fails.

#include <string>
#include <vector>

#include "config/FunctionKeyTable.h"
#include "engine/EngineWindows.h"

namespace tarvik::testing {

class RecordingEngineWindows : public EngineWindows {
  public:
    RecordingEngineWindows() = default;
    RecordingEngineWindows(std::vector<std::string>& log, const FunctionKeyTable& functionKeys)
        : textInputHandle(0x51), selectorHandle(0xF1), log_(&log), functionKeys_(&functionKeys) {}

    // Handed out by the next openings; kNoWindow makes creation fail.
    WindowHandle textInputHandle = kNoWindow;
    WindowHandle selectorHandle = kNoWindow;

    WindowHandle openTextInputWindow() override {
        if (log_ != nullptr) log_->push_back("open JoyString");
        return textInputHandle;
    }
    // The real window reads the selected row while it is being created.
    WindowHandle openSelectorWindow() override {
        if (log_ != nullptr) {
            log_->push_back("open JoyF row=" + std::to_string(functionKeys_->fSelectIndex));
        }
        return selectorHandle;
    }
    void askForConfigurationStep(int step) override {
        if (log_ != nullptr) log_->push_back("configuration step " + std::to_string(step));
    }

  private:
    std::vector<std::string>* log_ = nullptr;
    const FunctionKeyTable* functionKeys_ = nullptr;
};

}  // namespace tarvik::testing
