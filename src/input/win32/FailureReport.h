#pragma once
#include "input/win32/DirectInput.h"

namespace tarvik {

// Writes "Tarvik: <call> failed with 0x........" to the debugger output and
// hands the result back, so a failing step can `return reportFailure(...)`.
HRESULT reportFailure(const char* call, HRESULT result);

}  // namespace tarvik
