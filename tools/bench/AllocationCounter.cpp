// Counts heap allocations so the benchmarks can show that a pass makes none.

#include <atomic>
#include <cstdlib>
#include <new>

#include "AllocationCounter.h"

namespace tarvik::bench {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t size) {
    tarvik::bench::allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
