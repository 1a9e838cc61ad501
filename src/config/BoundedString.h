#pragma once
// Text fields of a loaded record need not hold a terminator: every read of
// one stays inside its array.

#include <cstddef>
#include <cstring>
#include <string_view>

#include "config/ControlEntry.h"

namespace tarvik {

// The text of a fixed char array up to its terminator or its end.
template <size_t Size>
constexpr std::string_view boundedView(const char (&text)[Size]) {
    return std::string_view(text, boundedLength(text));
}

// Copies at most `sourceSize` bytes of `source`, stopping at a terminator,
// into `target` and fills the rest of `target` with zeros. The result is
// always terminated (text that does not fit is cut).
template <size_t TargetSize>
void copyBounded(char (&target)[TargetSize], const char* source, size_t sourceSize) {
    static_assert(TargetSize > 0);
    size_t n = 0;
    while (n < sourceSize && n + 1 < TargetSize && source[n] != '\0') ++n;
    std::memcpy(target, source, n);
    std::memset(target + n, 0, TargetSize - n);
}

// The same for a source array: the usual way to turn a field of a loaded
// record into a terminated string for a system call.
template <size_t TargetSize, size_t SourceSize>
void copyBounded(char (&target)[TargetSize], const char (&source)[SourceSize]) {
    copyBounded(target, source, SourceSize);
}

}  // namespace tarvik
