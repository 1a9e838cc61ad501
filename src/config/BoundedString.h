#pragma once
// Text fields of a loaded record need not hold a terminator: every read of
// one stays inside its array.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace tarvik {

// The text of a fixed array: up to its first NUL, or the whole array.
constexpr std::string_view boundedText(const char* text, size_t capacity) {
    size_t n = 0;
    while (n < capacity && text[n] != '\0') ++n;
    return {text, n};
}

template <size_t Size>
constexpr std::string_view boundedText(const char (&text)[Size]) {
    return boundedText(text, Size);
}

// Copies at most `maxChars` characters of `text`, and never more than fit
// beside the terminator, into the `targetSize` bytes at `target`, and fills
// the rest of them with zeros: the result is always terminated, and a field
// of the record holds nothing of an earlier, longer text.
inline void copyBounded(char* target, size_t targetSize, std::string_view text,
                        size_t maxChars = SIZE_MAX) {
    if (targetSize == 0) return;
    const size_t n = std::min({text.size(), maxChars, targetSize - 1});
    std::memcpy(target, text.data(), n);
    std::memset(target + n, 0, targetSize - n);
}

template <size_t TargetSize>
void copyBounded(char (&target)[TargetSize], std::string_view text, size_t maxChars = SIZE_MAX) {
    copyBounded(target, TargetSize, text, maxChars);
}

}  // namespace tarvik
