#pragma once
#include "platform/FileSystem.h"

namespace tarvik {

// The file system through the system's own calls: _lopen/_lcreat/_lread/
// _lwrite/_lclose, GetFileAttributesA, FindFirstFileA/FindNextFileA and
// MoveFileExA.
class Win32FileSystem final : public FileSystem {
  public:
    TARVIK_FILE_SYSTEM_OVERRIDES
};

}  // namespace tarvik
