// The pad-order file lies beside the configurations, where anything may
// have been written into it. Whatever it holds, parsing stays inside the
// text; what parses writes out and reads back to the same paths in the
// same order, and ordering listed pads by it gives each listed pad once.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "input/PadOrderFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tarvik;
    if (size > kPadOrderBytes) return 0;
    // A heap copy of exactly the text, so that a read past its end is caught.
    std::unique_ptr<char[]> text(new char[size > 0 ? size : 1]);
    std::memcpy(text.get(), data, size);

    PadOrder order{};
    if (!parsePadOrder(text.get(), size, order)) {
        if (order.count != 0) std::abort();
        return 0;
    }
    if (order.count < 0 || order.count > kMaxJoysticks) std::abort();

    static char written[kPadOrderBytes];
    const size_t length = formatPadOrder(order.pads, nullptr, order.count, written, sizeof written);
    PadOrder again{};
    // Nothing to write is written as nothing.
    if ((length == 0) != (order.count == 0)) std::abort();
    if (!parsePadOrder(written, length, again)) std::abort();
    if (again.count != order.count) std::abort();
    for (int i = 0; i < order.count; ++i) {
        if (std::strcmp(again.pads[i].key, order.pads[i].key) != 0) std::abort();
    }

    // The remembered pads listed backwards, and one stranger.
    PadIdentity listed[kMaxListedPads] = {};
    int listedCount = 0;
    for (int i = order.count - 1; i >= 0; --i) listed[listedCount++] = order.pads[i];
    setPadKey(listed[listedCount++], "stranger");
    int8_t placed[kMaxListedPads];
    const int count = orderByMemory(order, listed, listedCount, placed);
    if (count != listedCount) std::abort();
    bool seen[kMaxListedPads] = {};
    for (int k = 0; k < count; ++k) {
        if (placed[k] < 0 || placed[k] >= listedCount || seen[placed[k]]) std::abort();
        seen[placed[k]] = true;
    }
    return 0;
}
