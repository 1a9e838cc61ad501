#pragma once
#include <atomic>

namespace tarvik::bench {
extern std::atomic<long> allocations;
}
