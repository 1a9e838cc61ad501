#pragma once
// Fine timer ticks for the life of the process. With the default tick of
// about 15.6 ms every 10 ms pass wait and every 2 ms key pause would last a
// whole tick, so typed sequences would come out eight times slower than
// their delays say.

namespace tarvik {

class FineTimerResolution {
  public:
    FineTimerResolution();
    ~FineTimerResolution();
    FineTimerResolution(const FineTimerResolution&) = delete;
    FineTimerResolution& operator=(const FineTimerResolution&) = delete;

  private:
    bool granted_ = false;
};

}  // namespace tarvik
