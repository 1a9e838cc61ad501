#pragma once
// Pure conversions from a hat angle to its sector.

#include <cstdint>

namespace tarvik {

constexpr uint32_t kPovCentredFrom = 36000;
constexpr int kNoSector = -1;

// Sector of a hat angle as the evaluation sees it: upper bounds belong to
// the sector below them (2250 is still north). Centred gives kNoSector.
constexpr int evaluationSector(uint32_t hundredths) {
    if (hundredths >= kPovCentredFrom) return kNoSector;
    if (hundredths <= 2250 || hundredths >= 33750) return 0;
    // Sectors 1..7 span (2250 + 4500 (k-1), 2250 + 4500 k].
    return static_cast<int>((hundredths - 2250 - 1) / 4500) + 1;
}

// Sector of a hat angle as control learning sees it: the bounds are open,
// so an angle exactly on one (2250, 6750, ..., 33750) yields kNoSector.
// Negative or centred angles also yield kNoSector.
constexpr int learningSector(int32_t hundredths) {
    if (hundredths < 0 || hundredths >= 36000) return kNoSector;
    if (hundredths > 33750 || hundredths < 2250) return 0;
    if ((hundredths - 2250) % 4500 == 0) return kNoSector;
    return (hundredths - 2250) / 4500 + 1;
}

}  // namespace tarvik
