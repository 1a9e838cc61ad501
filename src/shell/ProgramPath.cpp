#include "shell/ProgramPath.h"

#include <cstring>

namespace tarvik {

namespace {

struct PathParts {
    const char* begin;
    size_t nameStart;  // after drive and directory
    size_t length;
};

PathParts splitPath(const char* path) {
    PathParts parts{path, 0, 0};
    if (path == nullptr) {
        parts.begin = "";
        return parts;
    }
    const char* p = path;
    size_t length = std::strlen(p);
    if (p[0] == '"') {
        ++p;
        const char* closing = std::strchr(p, '"');
        length = closing != nullptr ? static_cast<size_t>(closing - p) : length - 1;
    }
    parts.begin = p;
    parts.length = length;
    size_t start = (length >= 2 && p[1] == ':') ? 2 : 0;
    for (size_t i = start; i < length; ++i) {
        if (p[i] == '\\' || p[i] == '/') start = i + 1;
    }
    parts.nameStart = start;
    return parts;
}

void copyPiece(char (&target)[kMaxPathLength], const char* source, size_t length) {
    if (length >= kMaxPathLength) length = kMaxPathLength - 1;
    std::memcpy(target, source, length);
    target[length] = '\0';
}

}  // namespace

void programDirectory(const char* path, char (&directory)[kMaxPathLength]) {
    const PathParts parts = splitPath(path);
    copyPiece(directory, parts.begin, parts.nameStart);
}

void programFileName(const char* path, char (&name)[kMaxPathLength]) {
    const PathParts parts = splitPath(path);
    copyPiece(name, parts.begin + parts.nameStart, parts.length - parts.nameStart);
}

}  // namespace tarvik
