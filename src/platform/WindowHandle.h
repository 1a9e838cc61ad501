#pragma once
// A window as portable code sees it: an opaque value, 0 for none. Only code
// under win32/ turns it back into an HWND.

#include <cstdint>

namespace tarvik {

using WindowHandle = uintptr_t;
constexpr WindowHandle kNoWindow = 0;

}  // namespace tarvik
