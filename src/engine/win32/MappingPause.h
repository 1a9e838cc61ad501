#pragma once
// Holds the mapping still from the user-interface thread: while one lives,
// the polling thread evaluates nothing and holds no key or mouse button
// down. Pauses may nest.

#include <atomic>

#include "engine/EngineState.h"

namespace tarvik {

class MappingPause {
  public:
    // Returns once the polling thread has let go of everything, or at once
    // when it does not run (runFlag clear).
    MappingPause(EngineState& engine, const std::atomic<int>& runFlag);
    ~MappingPause();
    MappingPause(const MappingPause&) = delete;
    MappingPause& operator=(const MappingPause&) = delete;

  private:
    EngineState& engine_;
};

}  // namespace tarvik
