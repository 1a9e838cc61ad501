#pragma once
// A device source that reads nothing: tests script the device rows
// directly. It counts the joystick polls and, when asked, writes every poll
// into a log, its own or one it shares with other fakes.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "input/DeviceState.h"

namespace tarvik::testing {

class RecordingDeviceSource : public DeviceSource {
  public:
    // Counts only; nothing is written anywhere.
    RecordingDeviceSource() = default;
    // Lines "<joystickLine><slot>" and "<mouseLine>" into its own log.
    RecordingDeviceSource(std::string joystickLine, std::string mouseLine)
        : into_(&log), joystickLine_(std::move(joystickLine)), mouseLine_(std::move(mouseLine)) {}
    // The same lines into `into`.
    RecordingDeviceSource(std::vector<std::string>& into, std::string joystickLine,
                          std::string mouseLine)
        : into_(&into), joystickLine_(std::move(joystickLine)), mouseLine_(std::move(mouseLine)) {}
    RecordingDeviceSource(const RecordingDeviceSource&) = delete;
    RecordingDeviceSource& operator=(const RecordingDeviceSource&) = delete;

    int polls = 0;
    std::vector<std::string> log;

    int32_t pollJoystick(int slot) override {
        ++polls;
        if (into_ != nullptr) into_->push_back(joystickLine_ + std::to_string(slot));
        return 0;
    }
    int32_t pollMouse() override {
        if (into_ != nullptr) into_->push_back(mouseLine_);
        return 0;
    }

  private:
    std::vector<std::string>* into_ = nullptr;
    std::string joystickLine_;
    std::string mouseLine_;
};

}  // namespace tarvik::testing
