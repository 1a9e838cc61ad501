#pragma once
// A file system that hands every call on to another one: the base of the
// wrappers that change only what they watch (a fault injected, a save
// refused).

#include "platform/FileSystem.h"

namespace tarvik {

class ForwardingFileSystem : public FileSystem {
  public:
    explicit ForwardingFileSystem(FileSystem& inner) : inner_(inner) {}

    bool exists(const char* path) override { return inner_.exists(path); }
    FileHandle openForRead(const char* path) override { return inner_.openForRead(path); }
    FileHandle create(const char* path) override { return inner_.create(path); }
    size_t read(FileHandle file, void* buffer, size_t count) override {
        return inner_.read(file, buffer, count);
    }
    size_t write(FileHandle file, const void* data, size_t count) override {
        return inner_.write(file, data, count);
    }
    bool close(FileHandle file) override { return inner_.close(file); }
    bool replace(const char* from, const char* to) override { return inner_.replace(from, to); }
    bool remove(const char* path) override { return inner_.remove(path); }
    SearchHandle findFirst(const char* pattern, DirectoryEntry& entry) override {
        return inner_.findFirst(pattern, entry);
    }
    bool findNext(SearchHandle search, DirectoryEntry& entry) override {
        return inner_.findNext(search, entry);
    }
    void findClose(SearchHandle search) override { inner_.findClose(search); }

  protected:
    FileSystem& inner() { return inner_; }

  private:
    FileSystem& inner_;
};

}  // namespace tarvik
