#pragma once
#include "platform/FileSystem.h"

namespace tarvik {

// The file system through the standard library (stdio and std::filesystem):
// the native tests' real disk, and a stand-in wherever the system calls are
// not available.
class PortableFileSystem final : public FileSystem {
  public:
    TARVIK_FILE_SYSTEM_OVERRIDES
};

// Wildcard match with '*' and '?', ignoring ASCII case as the system's
// directory search does.
bool matchesWildcard(const char* name, const char* pattern);

}  // namespace tarvik
