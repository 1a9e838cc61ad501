#include "IcoFile.h"

namespace tarvik::icon {
namespace {

constexpr uint32_t kDirectorySize = 6;
constexpr uint32_t kEntrySize = 16;
constexpr uint32_t kBitmapHeaderSize = 40;

void put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}

void put32(std::vector<uint8_t>& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// Rows of the 1-bit mask are padded to whole 32-bit words.
uint32_t maskRowBytes(int size) {
    return ((static_cast<uint32_t>(size) + 31) / 32) * 4;
}

uint32_t colourBytes(int size) {
    return static_cast<uint32_t>(size * size) * 4;
}

uint32_t imageBytes(int size) {
    return kBitmapHeaderSize + colourBytes(size) + maskRowBytes(size) * static_cast<uint32_t>(size);
}

void putImage(std::vector<uint8_t>& out, const Image& image) {
    const int n = image.size;
    put32(out, kBitmapHeaderSize);
    put32(out, static_cast<uint32_t>(n));
    put32(out, static_cast<uint32_t>(2 * n));  // colour and mask stacked
    put16(out, 1);                             // planes
    put16(out, 32);                            // bits per pixel
    put32(out, 0);                             // no compression
    put32(out, colourBytes(n) + maskRowBytes(n) * static_cast<uint32_t>(n));
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    // Bitmaps are stored bottom row first, colours as blue, green, red, alpha.
    for (int y = n - 1; y >= 0; --y) {
        for (int x = 0; x < n; ++x) {
            const Rgba& p = image.at(x, y);
            out.push_back(p.b);
            out.push_back(p.g);
            out.push_back(p.r);
            out.push_back(p.a);
        }
    }
    // A set mask bit lets the background through where the alpha is mostly clear.
    for (int y = n - 1; y >= 0; --y) {
        std::vector<uint8_t> row(maskRowBytes(n), 0);
        for (int x = 0; x < n; ++x) {
            if (image.at(x, y).a < 128) row[static_cast<std::size_t>(x / 8)] |= 0x80 >> (x % 8);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

}  // namespace

std::vector<uint8_t> encodeIco(const std::vector<Image>& images) {
    std::vector<uint8_t> out;
    put16(out, 0);  // reserved
    put16(out, 1);  // icon, not cursor
    put16(out, static_cast<uint32_t>(images.size()));
    uint32_t offset = kDirectorySize + kEntrySize * static_cast<uint32_t>(images.size());
    for (const Image& image : images) {
        out.push_back(static_cast<uint8_t>(image.size >= 256 ? 0 : image.size));
        out.push_back(static_cast<uint8_t>(image.size >= 256 ? 0 : image.size));
        out.push_back(0);  // no palette
        out.push_back(0);
        put16(out, 1);
        put16(out, 32);
        put32(out, imageBytes(image.size));
        put32(out, offset);
        offset += imageBytes(image.size);
    }
    for (const Image& image : images) putImage(out, image);
    return out;
}

}  // namespace tarvik::icon
