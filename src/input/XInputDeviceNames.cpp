#include "input/XInputDeviceNames.h"

#include <cstdio>

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

bool nameShowsXInputPad(const char* name, uint16_t vendor, uint16_t product) {
    if (name == nullptr || !contains(name, "IG_")) return false;
    char vid[16];
    char pid[16];
    std::snprintf(vid, sizeof vid, "VID_%04X", vendor);
    std::snprintf(pid, sizeof pid, "PID_%04X", product);
    return contains(name, vid) && contains(name, pid);
}

}  // namespace tarvik
