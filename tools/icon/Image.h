#pragma once
// A small straight-alpha RGBA picture, the unit the icon file is made of.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarvik::icon {

struct Rgba {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    uint8_t a = 0;
};

struct Image {
    int size = 0;              // square: size x size pixels
    std::vector<Rgba> pixels;  // row by row from the top, size * size of them

    const Rgba& at(int x, int y) const { return pixels[static_cast<std::size_t>(y * size + x)]; }
};

}  // namespace tarvik::icon
