#pragma once
// File systems of the fuzz targets: they read what the input says and never
// write, list or remove anything.

#include <cstring>
#include <string>

#include "platform/FileSystem.h"

namespace tarvik::fuzz {

// Writing, replacing, removing and listing all fail: what a target reads is
// all it has.
class ReadOnlyFileSystem : public FileSystem {
  public:
    FileHandle create(const char*) override { return kNoFile; }
    size_t write(FileHandle, const void*, size_t) override { return 0; }
    bool replace(const char*, const char*) override { return false; }
    bool remove(const char*) override { return false; }
    SearchHandle findFirst(const char*, DirectoryEntry&) override { return kNoSearch; }
    bool findNext(SearchHandle, DirectoryEntry&) override { return false; }
    void findClose(SearchHandle) override {}
};

// One file in memory, so a fuzz input can be loaded as a configuration
// without touching the disk.
class OneFileSystem final : public ReadOnlyFileSystem {
  public:
    void setFile(const char* name, const uint8_t* data, size_t size) {
        name_ = name;
        data_ = data;
        size_ = size;
    }

    bool exists(const char* path) override { return name_ == path; }
    FileHandle openForRead(const char* path) override {
        if (name_ != path) return kNoFile;
        position_ = 0;
        return 1;
    }
    size_t read(FileHandle file, void* buffer, size_t count) override {
        if (file != 1) return 0;
        const size_t n = count < size_ - position_ ? count : size_ - position_;
        if (n > 0) std::memcpy(buffer, data_ + position_, n);
        position_ += n;
        return n;
    }
    bool close(FileHandle file) override { return file == 1; }

  private:
    std::string name_;
    const uint8_t* data_ = nullptr;
    size_t size_ = 0;
    size_t position_ = 0;
};

}  // namespace tarvik::fuzz
