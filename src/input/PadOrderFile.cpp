#include "input/PadOrderFile.h"

#include <cstring>

namespace tarvik {

const char kPadOrderFile[] = "padorder.txt";

namespace {

constexpr char kPadOrderScratch[] = "padorder.tmp";

// One line without its end: "place\tpath\tname".
bool parseLine(const char* line, size_t length, int& place, PadIdentity& pad) {
    if (length < 4 || line[0] < '0' || line[0] >= '0' + kMaxJoysticks || line[1] != '\t') {
        return false;
    }
    place = line[0] - '0';
    const char* path = line + 2;
    const char* end = line + length;
    const char* tab = static_cast<const char*>(std::memchr(path, '\t', end - path));
    if (tab == nullptr || tab == path || tab - path >= kPadKeyChars) return false;
    if (std::memchr(path, '\0', tab - path) != nullptr) return false;
    std::memcpy(pad.key, path, tab - path);
    pad.key[tab - path] = '\0';
    pad.product = 0;
    return true;
}

}  // namespace

bool parsePadOrder(const char* text, size_t length, PadOrder& order) {
    order = PadOrder{};
    PadIdentity byPlace[kMaxJoysticks] = {};
    uint32_t placesSeen = 0;
    size_t start = 0;
    while (start < length) {
        size_t end = start;
        while (end < length && text[end] != '\n') ++end;
        size_t lineLength = end - start;
        if (lineLength > 0 && text[start + lineLength - 1] == '\r') --lineLength;
        if (lineLength > 0) {
            int place = 0;
            PadIdentity pad{};
            if (!parseLine(text + start, lineLength, place, pad)) return false;
            if ((placesSeen & (1u << place)) != 0) return false;
            for (int d = 0; d < kMaxJoysticks; ++d) {
                if (samePadKey(byPlace[d].key, pad.key)) return false;
            }
            placesSeen |= 1u << place;
            byPlace[place] = pad;
        }
        start = end + 1;
    }
    PadOrder read{};
    for (int d = 0; d < kMaxJoysticks; ++d) {
        if (byPlace[d].key[0] != '\0') read.pads[read.count++] = byPlace[d];
    }
    order = read;
    return true;
}

size_t formatPadOrder(const PadIdentity* places, const char* const* names, int count, char* out,
                      size_t size) {
    if (count > kMaxJoysticks) count = kMaxJoysticks;
    size_t used = 0;
    const auto put = [&](char c) {
        if (used < size) out[used] = c;
        ++used;
    };
    for (int d = 0; d < count; ++d) {
        const char* key = places[d].key;
        if (key[0] == '\0') continue;
        put(static_cast<char>('0' + d));
        put('\t');
        for (const char* c = key; *c != '\0'; ++c) put(*c);
        put('\t');
        const char* name = names != nullptr && names[d] != nullptr ? names[d] : "";
        for (int i = 0; i < kPadOrderNameChars && name[i] != '\0'; ++i) {
            // A tab or line end in a name would end the line early.
            put(name[i] == '\t' || name[i] == '\r' || name[i] == '\n' ? ' ' : name[i]);
        }
        put('\r');
        put('\n');
    }
    return used <= size ? used : 0;
}

void readPadOrder(FileSystem& fileSystem, PadOrderMemory& memory) {
    memory.order = PadOrder{};
    memory.length = 0;
    const FileHandle file = fileSystem.openForRead(kPadOrderFile);
    if (file == kNoFile) return;
    // One byte more than a file of ours can hold tells a foreign one.
    static char text[kPadOrderBytes + 1];
    const size_t length = readUpTo(fileSystem, file, text, sizeof text);
    fileSystem.close(file);
    if (length > kPadOrderBytes || !parsePadOrder(text, length, memory.order)) return;
    std::memcpy(memory.text, text, length);
    memory.length = length;
}

void writePadOrder(FileSystem& fileSystem, PadOrderMemory& memory, const PadIdentity* places,
                   const char* const* names, int count) {
    static char text[kPadOrderBytes];
    const size_t length = formatPadOrder(places, names, count, text, sizeof text);
    // No pad at all tells nothing about the order: the memory stays.
    if (length == 0) return;
    if (length == memory.length && std::memcmp(text, memory.text, length) == 0) return;
    const FileHandle file = fileSystem.create(kPadOrderScratch);
    if (file == kNoFile) return;
    const bool written = fileSystem.write(file, text, length) == length;
    if (!fileSystem.close(file) || !written ||
        !fileSystem.replace(kPadOrderScratch, kPadOrderFile)) {
        fileSystem.remove(kPadOrderScratch);
        return;
    }
    std::memcpy(memory.text, text, length);
    memory.length = length;
}

}  // namespace tarvik
