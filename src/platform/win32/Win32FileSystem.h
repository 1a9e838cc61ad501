#pragma once
#include "platform/FileSystem.h"

namespace tarvik {

// The file system through the system's own calls: _lopen/_lcreat/_lread/
// _lwrite/_lclose, GetFileAttributesA, FindFirstFileA/FindNextFileA and
// MoveFileExA.
class Win32FileSystem final : public FileSystem {
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

}  // namespace tarvik
