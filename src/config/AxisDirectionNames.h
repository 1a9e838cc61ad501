#pragma once
// The sixteen axis directions by their short names, in entry order: the
// configuration window captions its radios with them and the configuration
// text names axis entries by them.

#include "config/Configuration.h"

namespace tarvik {

inline constexpr const char* kAxisDirectionNames[kDirections] = {
    "X+",  "X-",  "Y+",  "Y-",  "Z+",  "Z-",  "rX+", "rX-",
    "rY+", "rY-", "rZ+", "rZ-", "S1+", "S1-", "S2+", "S2-"};

}  // namespace tarvik
