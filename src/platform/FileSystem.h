#pragma once
// The file access the configuration files need. The Win32 implementation
// uses the system's file calls; a portable one serves the native tests.
// Relative paths resolve against the process's current directory.

#include <cstddef>
#include <cstdint>

namespace tarvik {

constexpr size_t kMaxPathLength = 260;  // including the terminator

using FileHandle = intptr_t;
constexpr FileHandle kNoFile = -1;

using SearchHandle = intptr_t;
constexpr SearchHandle kNoSearch = -1;

struct DirectoryEntry {
    char name[kMaxPathLength];  // the name as found, terminated
    bool isDirectory;
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // True for files and directories alike.
    virtual bool exists(const char* path) = 0;

    // Opens an existing file for reading; kNoFile on failure (directories fail).
    virtual FileHandle openForRead(const char* path) = 0;
    // Creates the file with normal attributes, truncating an existing one.
    virtual FileHandle create(const char* path) = 0;
    // Return the bytes actually transferred; 0 on an error.
    virtual size_t read(FileHandle file, void* buffer, size_t count) = 0;
    virtual size_t write(FileHandle file, const void* data, size_t count) = 0;
    // False when the file could not be closed cleanly (buffered data lost).
    virtual bool close(FileHandle file) = 0;

    // Puts the file `from` in place of `to`, replacing an existing `to`.
    virtual bool replace(const char* from, const char* to) = 0;
    virtual bool remove(const char* path) = 0;

    // Lists the entries matching a wildcard pattern ("*.CFG", case-insensitive)
    // in the order the system returns them. findFirst gives kNoSearch when
    // nothing matches; a search that was started must be closed.
    virtual SearchHandle findFirst(const char* pattern, DirectoryEntry& entry) = 0;
    virtual bool findNext(SearchHandle search, DirectoryEntry& entry) = 0;
    virtual void findClose(SearchHandle search) = 0;
};

}  // namespace tarvik

// The whole set of overrides, for the implementations that sit on real
// storage: each one declares them with this, so the set is written once.
#define TARVIK_FILE_SYSTEM_OVERRIDES                                             \
    bool exists(const char* path) override;                                      \
    FileHandle openForRead(const char* path) override;                           \
    FileHandle create(const char* path) override;                                \
    size_t read(FileHandle file, void* buffer, size_t count) override;           \
    size_t write(FileHandle file, const void* data, size_t count) override;      \
    bool close(FileHandle file) override;                                        \
    bool replace(const char* from, const char* to) override;                     \
    bool remove(const char* path) override;                                      \
    SearchHandle findFirst(const char* pattern, DirectoryEntry& entry) override; \
    bool findNext(SearchHandle search, DirectoryEntry& entry) override;          \
    void findClose(SearchHandle search) override;

namespace tarvik {

// Reads until `count` bytes have arrived or the file ends or fails; returns
// the bytes read.
inline size_t readUpTo(FileSystem& fileSystem, FileHandle file, void* buffer, size_t count) {
    auto* bytes = static_cast<unsigned char*>(buffer);
    size_t total = 0;
    while (total < count) {
        const size_t got = fileSystem.read(file, bytes + total, count - total);
        if (got == 0) break;
        total += got;
    }
    return total;
}

}  // namespace tarvik
