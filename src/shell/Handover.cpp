#include "shell/Handover.h"

#include <cctype>
#include <cstring>
#include <memory>

#include "config/BoundedString.h"

namespace tarvik {

namespace {

bool isAbsolute(const char* name) {
    const bool slash = name[0] == '\\' || name[0] == '/';
    const bool drive = std::isalpha(static_cast<unsigned char>(name[0])) && name[1] == ':';
    return slash || drive;
}

bool sameLetters(const char* a, const char* b, size_t n) {
    for (size_t i = 0; i < n; ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) != b[i]) return false;
    }
    return true;
}

}  // namespace

std::string handoverBlock(const char* directory, const char* commandLine) {
    std::string block(kHandoverMagic, sizeof kHandoverMagic);
    block += directory;
    block += '\0';
    block += commandLine != nullptr ? commandLine : "";
    return block;
}

bool namesADevice(const char* path) {
    if (std::strncmp(path, "\\\\.\\", 4) == 0 || std::strncmp(path, "\\\\?\\", 4) == 0) {
        return true;
    }
    const char* last = path;
    for (const char* p = path; *p != '\0'; ++p) {
        if (*p == '\\' || *p == '/' || *p == ':') last = p + 1;
    }
    // The system takes "CON.cfg" and "CON " for CON too.
    size_t stem = 0;
    while (last[stem] != '\0' && last[stem] != '.' && last[stem] != ' ') ++stem;
    for (const char* device : {"CON", "PRN", "AUX", "NUL"}) {
        if (stem == 3 && sameLetters(last, device, 3)) return true;
    }
    for (const char* device : {"COM", "LPT"}) {
        if (stem == 4 && sameLetters(last, device, 3) && last[3] >= '1' && last[3] <= '9') {
            return true;
        }
    }
    return false;
}

bool fullPathOf(const char* directory, const char* name, char (&out)[kMaxPathLength]) {
    std::string path;
    if (isAbsolute(name) || directory[0] == '\0') {
        path = name;
    } else {
        path = directory;
        if (path.back() != '\\' && path.back() != '/') path += '\\';
        path += name;
    }
    if (path.size() >= kMaxPathLength) return false;
    copyBounded(out, path);
    return true;
}

bool readHandover(uintptr_t tag, const void* data, size_t size, FileSystem& fileSystem,
                  Handover& handover) {
    if (tag != kHandoverTag || data == nullptr || size < sizeof kHandoverMagic) return false;
    const char* bytes = static_cast<const char*>(data);
    if (std::memcmp(bytes, kHandoverMagic, sizeof kHandoverMagic) != 0) return false;
    const char* directory = bytes + sizeof kHandoverMagic;
    const size_t rest = size - sizeof kHandoverMagic;
    const size_t directoryLength =
        strnlen(directory, rest < kMaxPathLength ? rest : kMaxPathLength);
    if (directoryLength == rest || directoryLength == kMaxPathLength) return false;

    // The command line runs to its first NUL or the block's end, cut to
    // what a command line can hold, and is read as a start reads its own.
    const char* text = directory + directoryLength + 1;
    const size_t textRoom = rest - directoryLength - 1;
    const size_t textLength =
        strnlen(text, textRoom < kHandoverTextLimit ? textRoom : kHandoverTextLimit);
    std::unique_ptr<char[]> commandLine(new char[textLength + 1]);
    std::memcpy(commandLine.get(), text, textLength);
    commandLine[textLength] = '\0';
    handover = Handover{};
    handover.options = parseCommandLine(commandLine.get());

    const CommandLineOptions& options = handover.options;
    if (options.load && options.loadName[0] != '\0' && !namesADevice(options.loadName)) {
        if (!fullPathOf(directory, options.loadName, handover.loadPath))
            handover.loadPath[0] = '\0';
    }
    if (options.start) {
        char full[kMaxPathLength];
        if (!isAbsolute(options.startName) && options.startName[0] != '\0' &&
            fullPathOf(directory, options.startName, full) && fileSystem.exists(full)) {
            copyBounded(handover.startPath, boundedText(full));
        } else {
            copyBounded(handover.startPath, boundedText(options.startName));
        }
    }
    return true;
}

}  // namespace tarvik
