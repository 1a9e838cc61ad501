#include "platform/PortableFileSystem.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace tarvik {

namespace fs = std::filesystem;

namespace {

FILE* asFile(FileHandle file) {
    return reinterpret_cast<FILE*>(file);
}

FileHandle asHandle(FILE* file) {
    return file != nullptr ? reinterpret_cast<FileHandle>(file) : kNoFile;
}

struct Search {
    std::vector<DirectoryEntry> entries;
    size_t next = 0;
};

bool takeNext(Search& search, DirectoryEntry& entry) {
    if (search.next >= search.entries.size()) return false;
    entry = search.entries[search.next++];
    return true;
}

}  // namespace

bool matchesWildcard(const char* name, const char* pattern) {
    // Iterative match with one backtrack point for the last '*'.
    const char* starPattern = nullptr;
    const char* starName = nullptr;
    while (*name != '\0') {
        const auto n = static_cast<unsigned char>(*name);
        const auto p = static_cast<unsigned char>(*pattern);
        if (p == '*') {
            starPattern = ++pattern;
            starName = name;
        } else if (p != '\0' && (p == '?' || std::tolower(p) == std::tolower(n))) {
            ++pattern;
            ++name;
        } else if (starPattern != nullptr) {
            pattern = starPattern;
            name = ++starName;
        } else {
            return false;
        }
    }
    while (*pattern == '*') ++pattern;
    return *pattern == '\0';
}

bool PortableFileSystem::exists(const char* path) {
    std::error_code error;
    return fs::exists(fs::path(path), error);
}

FileHandle PortableFileSystem::openForRead(const char* path) {
    // stdio opens a directory for reading on some systems; the system's
    // file calls refuse it.
    std::error_code error;
    if (fs::is_directory(fs::path(path), error)) return kNoFile;
    return asHandle(std::fopen(path, "rb"));
}

FileHandle PortableFileSystem::create(const char* path) {
    std::error_code error;
    if (fs::is_directory(fs::path(path), error)) return kNoFile;
    return asHandle(std::fopen(path, "wb"));
}

size_t PortableFileSystem::read(FileHandle file, void* buffer, size_t count) {
    if (file == kNoFile) return 0;
    return std::fread(buffer, 1, count, asFile(file));
}

size_t PortableFileSystem::write(FileHandle file, const void* data, size_t count) {
    if (file == kNoFile) return 0;
    return std::fwrite(data, 1, count, asFile(file));
}

bool PortableFileSystem::close(FileHandle file) {
    if (file == kNoFile) return false;
    return std::fclose(asFile(file)) == 0;
}

bool PortableFileSystem::replace(const char* from, const char* to) {
    // A read-only target is kept, as the system's create would refuse it
    // (and a rename would not, least of all for a privileged user).
    std::error_code error;
    const fs::file_status target = fs::status(fs::path(to), error);
    if (fs::is_directory(target)) return false;
    if (fs::exists(target) && (target.permissions() & fs::perms::owner_write) == fs::perms::none) {
        return false;
    }
    fs::rename(fs::path(from), fs::path(to), error);
    return !error;
}

bool PortableFileSystem::remove(const char* path) {
    std::error_code error;
    return fs::remove(fs::path(path), error);
}

SearchHandle PortableFileSystem::findFirst(const char* pattern, DirectoryEntry& entry) {
    const fs::path full(pattern);
    const fs::path directory = full.has_parent_path() ? full.parent_path() : fs::path(".");
    const std::string filePattern = full.filename().string();

    auto* search = new Search;
    std::error_code error;
    for (fs::directory_iterator it(directory, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.size() >= kMaxPathLength) continue;
        if (!matchesWildcard(name.c_str(), filePattern.c_str())) continue;
        DirectoryEntry found{};
        std::memcpy(found.name, name.c_str(), name.size() + 1);
        std::error_code kindError;
        found.isDirectory = it->is_directory(kindError);
        search->entries.push_back(found);
    }
    if (!takeNext(*search, entry)) {
        delete search;
        return kNoSearch;
    }
    return reinterpret_cast<SearchHandle>(search);
}

bool PortableFileSystem::findNext(SearchHandle search, DirectoryEntry& entry) {
    if (search == kNoSearch) return false;
    return takeNext(*reinterpret_cast<Search*>(search), entry);
}

void PortableFileSystem::findClose(SearchHandle search) {
    if (search != kNoSearch) delete reinterpret_cast<Search*>(search);
}

}  // namespace tarvik
