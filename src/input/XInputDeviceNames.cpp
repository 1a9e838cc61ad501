#include "input/XInputDeviceNames.h"

namespace tarvik {

namespace {

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// `text` holds `part`, case ignored.
bool contains(const char* text, const char* part) {
    for (const char* start = text; *start != '\0'; ++start) {
        const char* a = start;
        const char* b = part;
        while (*b != '\0' && upper(*a) == upper(*b)) {
            ++a;
            ++b;
        }
        if (*b == '\0') return true;
    }
    return false;
}

}  // namespace

bool pathMarksXInputPad(const char* path) {
    return path != nullptr && contains(path, "IG_");
}

bool rawDeviceIsXInputPad(const char* name, uint32_t rawVendor, uint32_t rawProduct,
                          uint16_t vendor, uint16_t product) {
    return pathMarksXInputPad(name) && rawVendor == vendor && rawProduct == product;
}

}  // namespace tarvik
