#pragma once
// Text helpers for the record's fixed char arrays. A loaded file may hold
// an array without its terminator, so nothing here reads past the array it
// is given.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "config/BoundedString.h"

namespace tarvik {

// The file name and extension of a path: what follows its last '\\', '/'
// or drive colon.
std::string_view fileNameAndExtension(std::string_view path);

template <size_t N>
std::string_view fileNameAndExtension(const char (&path)[N]) {
    return fileNameAndExtension(boundedText(path));
}

// The number field's rule: the text, with blanks around it ignored, must
// be one or more decimal digits whose value fits 32 bits. Anything else
// (empty, a sign, other characters, overflow) is not a number and gives 0.
uint32_t parseUnsignedDecimal(std::string_view text);

}  // namespace tarvik
