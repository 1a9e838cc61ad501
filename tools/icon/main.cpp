// Writes Tarvik's icon file (32 x 32 and 16 x 16) to the path given.
// Usage: tarvik_icon resources/tarvik.ico

#include "ControllerGlyph.h"
#include "IcoFile.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.ico\n", argv[0]);
        return 2;
    }
    using namespace tarvik::icon;
    const auto bytes = encodeIco({renderControllerGlyph(32), renderControllerGlyph(16)});
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::fprintf(stderr, "could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
