#include "input/win32/FailureReport.h"

#include <cstdio>

namespace tarvik {

HRESULT reportFailure(const char* call, HRESULT result) {
    char text[160];
    std::snprintf(text, sizeof text, "Tarvik: %s failed with 0x%08lX\n", call,
                  static_cast<unsigned long>(result));
    OutputDebugStringA(text);
    return result;
}

}  // namespace tarvik
