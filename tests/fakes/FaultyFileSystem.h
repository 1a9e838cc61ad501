#pragma once
// Wraps a real file system and makes chosen operations fail, for the faults
// a real disk will not produce on demand (full disk, locked target).

#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace tarvik::testing {

class FaultyFileSystem : public FileSystem {
  public:
    explicit FaultyFileSystem(FileSystem& inner) : inner_(inner) {}

    bool failCreate = false;
    bool failOpenForRead = false;
    bool failReplace = false;
    bool failClose = false;
    // Every write stores at most this many bytes (as a full disk does).
    size_t writeLimit = static_cast<size_t>(-1);
    std::vector<std::string> created;  // paths passed to create

    bool exists(const char* path) override { return inner_.exists(path); }
    FileHandle openForRead(const char* path) override {
        return failOpenForRead ? kNoFile : inner_.openForRead(path);
    }
    FileHandle create(const char* path) override {
        created.emplace_back(path);
        return failCreate ? kNoFile : inner_.create(path);
    }
    size_t read(FileHandle file, void* buffer, size_t count) override {
        return inner_.read(file, buffer, count);
    }
    size_t write(FileHandle file, const void* data, size_t count) override {
        return inner_.write(file, data, count < writeLimit ? count : writeLimit);
    }
    bool close(FileHandle file) override {
        const bool closed = inner_.close(file);
        return closed && !failClose;
    }
    bool replace(const char* from, const char* to) override {
        return !failReplace && inner_.replace(from, to);
    }
    bool remove(const char* path) override { return inner_.remove(path); }
    SearchHandle findFirst(const char* pattern, DirectoryEntry& entry) override {
        return inner_.findFirst(pattern, entry);
    }
    bool findNext(SearchHandle search, DirectoryEntry& entry) override {
        return inner_.findNext(search, entry);
    }
    void findClose(SearchHandle search) override { inner_.findClose(search); }

  private:
    FileSystem& inner_;
};

}  // namespace tarvik::testing
