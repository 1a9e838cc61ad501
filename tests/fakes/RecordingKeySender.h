#pragma once
// Records every key event into a shared log, so the events interleave with
// the platform's sleeps in one sequence.

#include <cstdio>
#include <string>
#include <vector>

#include "engine/KeySender.h"

namespace tarvik::testing {

class RecordingKeySender : public KeySender {
  public:
    explicit RecordingKeySender(std::vector<std::string>& log) : log_(log) {}

    // Lines read "down vk=41 scan=1E delay=0" or "up ...".
    void sendKeyEvent(int32_t delay, uint16_t keyWord, uint16_t scanWord, uint32_t flags) override {
        char line[80];
        std::snprintf(line, sizeof(line), "%s vk=%02X scan=%02X delay=%d",
                      flags == 2   ? "up"
                      : flags == 0 ? "down"
                                   : "??",
                      keyWord, scanWord, delay);
        log_.emplace_back(line);
    }

  private:
    std::vector<std::string>& log_;
};

}  // namespace tarvik::testing
