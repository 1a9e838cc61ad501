#include "input/win32/DevicePath.h"

#include <cstdio>

namespace tarvik {

bool readDevicePath(IDirectInputDevice8A* device, char* out, size_t size) {
    if (device == nullptr || size == 0) return false;
    out[0] = '\0';
    DIPROPGUIDANDPATH property{};
    property.diph.dwSize = sizeof property;
    property.diph.dwHeaderSize = sizeof(DIPROPHEADER);
    property.diph.dwHow = DIPH_DEVICE;
    if (FAILED(device->GetProperty(DIPROP_GUIDANDPATH, &property.diph))) return false;
    // The system fills at most MAX_PATH characters; a path that filled them
    // all may have been cut.
    property.wszPath[MAX_PATH - 1] = L'\0';
    if (property.wszPath[0] == L'\0') return false;
    const int written = WideCharToMultiByte(CP_ACP, 0, property.wszPath, -1, out,
                                            static_cast<int>(size), nullptr, nullptr);
    if (written == 0) {
        out[0] = '\0';
        return false;
    }
    return true;
}

void instanceKeyText(const GUID& g, char (&out)[39]) {
    std::snprintf(out, sizeof out, "{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  static_cast<unsigned long>(g.Data1), g.Data2, g.Data3, g.Data4[0], g.Data4[1],
                  g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
}

}  // namespace tarvik
