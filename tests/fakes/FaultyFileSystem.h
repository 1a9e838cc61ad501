#pragma once
// Wraps a real file system and makes chosen operations fail, for the faults
// a real disk will not produce on demand (full disk, locked target).

#include <string>
#include <vector>

#include "platform/ForwardingFileSystem.h"

namespace tarvik::testing {

class FaultyFileSystem : public ForwardingFileSystem {
  public:
    explicit FaultyFileSystem(FileSystem& inner) : ForwardingFileSystem(inner) {}

    bool failCreate = false;
    bool failOpenForRead = false;
    bool failReplace = false;
    bool failClose = false;
    // Every write stores at most this many bytes (as a full disk does).
    size_t writeLimit = static_cast<size_t>(-1);
    std::vector<std::string> created;  // paths passed to create

    FileHandle openForRead(const char* path) override {
        return failOpenForRead ? kNoFile : inner().openForRead(path);
    }
    FileHandle create(const char* path) override {
        created.emplace_back(path);
        return failCreate ? kNoFile : inner().create(path);
    }
    size_t write(FileHandle file, const void* data, size_t count) override {
        return inner().write(file, data, count < writeLimit ? count : writeLimit);
    }
    bool close(FileHandle file) override {
        const bool closed = inner().close(file);
        return closed && !failClose;
    }
    bool replace(const char* from, const char* to) override {
        return !failReplace && inner().replace(from, to);
    }
};

}  // namespace tarvik::testing
