#pragma once
// Encodes square images as one Windows .ico file: 32-bit colour with alpha
// plus the 1-bit mask that older consumers still read.

#include "Image.h"

#include <cstdint>
#include <vector>

namespace tarvik::icon {

std::vector<uint8_t> encodeIco(const std::vector<Image>& images);

}  // namespace tarvik::icon
