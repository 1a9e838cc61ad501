#pragma once
#include "platform/FileSystem.h"

namespace tarvik {

// The file system through the standard library (stdio and std::filesystem):
// the native tests' real disk, and a stand-in wherever the system calls are
// not available.
class PortableFileSystem final : public FileSystem {
  public:
    bool exists(const char* path) override;
    FileHandle openForRead(const char* path) override;
    FileHandle create(const char* path) override;
    size_t read(FileHandle file, void* buffer, size_t count) override;
    size_t write(FileHandle file, const void* data, size_t count) override;
    bool close(FileHandle file) override;
    bool replace(const char* from, const char* to) override;
    bool remove(const char* path) override;
    SearchHandle findFirst(const char* pattern, DirectoryEntry& entry) override;
    bool findNext(SearchHandle search, DirectoryEntry& entry) override;
    void findClose(SearchHandle search) override;
};

// Wildcard match with '*' and '?', ignoring ASCII case as the system's
// directory search does.
bool matchesWildcard(const char* name, const char* pattern);

}  // namespace tarvik
