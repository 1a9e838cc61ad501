#include <cstring>

#include "config/BoundedString.h"
#include "config/ConfigFiles.h"
#include "platform/FileSystem.h"

namespace tarvik {

void readConfigHeader(FileSystem& fileSystem, const char* path, ConfigHeader& buffer) {
    // The whole buffer, not only the version word: a file shorter than a
    // header must not show what the previously scanned file left there.
    std::memset(&buffer, 0, sizeof(buffer));
    if (!fileSystem.exists(path)) return;
    const FileHandle file = fileSystem.openForRead(path);
    if (file == kNoFile) return;
    readUpTo(fileSystem, file, &buffer, sizeof(buffer));
    fileSystem.close(file);
}

void scanConfigFiles(FileSystem& fileSystem, CfgFileList& list, ConfigHeader& headerBuffer) {
    list.cfgFileCount = 0;
    DirectoryEntry entry{};
    const SearchHandle search = fileSystem.findFirst("*.CFG", entry);
    if (search == kNoSearch) return;
    do {
        if (entry.isDirectory) continue;
        readConfigHeader(fileSystem, entry.name, headerBuffer);
        if (headerBuffer.version != kConfigVersion) continue;
        CfgFileEntry& row = list.rows[list.cfgFileCount];
        copyBounded(row.programText, boundedText(headerBuffer.autostartPath), kProgramTextCopied);
        copyBounded(row.fileName, boundedText(entry.name));
        ++list.cfgFileCount;
    } while (list.cfgFileCount < kMaxCfgFiles && fileSystem.findNext(search, entry));
    fileSystem.findClose(search);
}

}  // namespace tarvik
