#include "platform/win32/Win32FileSystem.h"

#include <windows.h>

#include <climits>
#include <cstring>

namespace tarvik {

namespace {

HFILE asHfile(FileHandle file) {
    return static_cast<HFILE>(file);
}

FileHandle asHandle(HFILE file) {
    return file == HFILE_ERROR ? kNoFile : file;
}

void copyEntry(const WIN32_FIND_DATAA& data, DirectoryEntry& entry) {
    static_assert(sizeof(data.cFileName) == sizeof(entry.name));
    std::memcpy(entry.name, data.cFileName, sizeof(entry.name));
    entry.name[sizeof(entry.name) - 1] = '\0';
    entry.isDirectory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

bool Win32FileSystem::exists(const char* path) {
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

FileHandle Win32FileSystem::openForRead(const char* path) {
    return asHandle(_lopen(path, OF_READ));
}

FileHandle Win32FileSystem::create(const char* path) {
    return asHandle(_lcreat(path, 0));
}

size_t Win32FileSystem::read(FileHandle file, void* buffer, size_t count) {
    if (file == kNoFile || count > UINT_MAX - 1) return 0;
    const UINT got = _lread(asHfile(file), buffer, static_cast<UINT>(count));
    return got == static_cast<UINT>(HFILE_ERROR) ? 0 : got;
}

size_t Win32FileSystem::write(FileHandle file, const void* data, size_t count) {
    if (file == kNoFile || count > UINT_MAX - 1) return 0;
    const UINT put = _lwrite(asHfile(file), static_cast<LPCCH>(data), static_cast<UINT>(count));
    return put == static_cast<UINT>(HFILE_ERROR) ? 0 : put;
}

bool Win32FileSystem::close(FileHandle file) {
    if (file == kNoFile) return false;
    return _lclose(asHfile(file)) != HFILE_ERROR;
}

bool Win32FileSystem::replace(const char* from, const char* to) {
    // A read-only target could not be created over; keep it so even where
    // the move itself would replace it (Wine does).
    const DWORD attributes = GetFileAttributesA(to);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool Win32FileSystem::remove(const char* path) {
    return DeleteFileA(path) != 0;
}

SearchHandle Win32FileSystem::findFirst(const char* pattern, DirectoryEntry& entry) {
    WIN32_FIND_DATAA data{};
    const HANDLE search = FindFirstFileA(pattern, &data);
    if (search == INVALID_HANDLE_VALUE) return kNoSearch;
    copyEntry(data, entry);
    return reinterpret_cast<SearchHandle>(search);
}

bool Win32FileSystem::findNext(SearchHandle search, DirectoryEntry& entry) {
    if (search == kNoSearch) return false;
    WIN32_FIND_DATAA data{};
    if (!FindNextFileA(reinterpret_cast<HANDLE>(search), &data)) return false;
    copyEntry(data, entry);
    return true;
}

void Win32FileSystem::findClose(SearchHandle search) {
    if (search != kNoSearch) FindClose(reinterpret_cast<HANDLE>(search));
}

}  // namespace tarvik
