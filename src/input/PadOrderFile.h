#pragma once
// The order of the pads by path, kept in a small text file beside the
// configurations so that identical pads find the same blocks after a
// restart. One line per pad: place, tab, path, tab, product name. A file
// that does not read as such is ignored and rewritten; deleting it resets
// the order to the system's.

#include <cstddef>

#include "input/PadPlaces.h"
#include "platform/FileSystem.h"

namespace tarvik {

extern const char kPadOrderFile[];  // "padorder.txt", in the current directory

// A longer file is not ours.
constexpr size_t kPadOrderBytes = 4096;
// The product name is there for the reader of the file only.
constexpr int kPadOrderNameChars = 64;

// What was read, and the text last seen in or written to the file, so that
// an unchanged order is not written again.
struct PadOrderMemory {
    PadOrder order;
    char text[kPadOrderBytes];
    size_t length;
};

// True when `text` holds up to six well-formed lines with distinct places
// (0..5) and distinct paths; `order` then lists them by place. Anything
// else leaves `order` empty.
bool parsePadOrder(const char* text, size_t length, PadOrder& order);

// The file's text for the first `count` places: places without a key are
// left out. `names[d]` may be null. Returns the length, 0 when it would not
// fit `size`.
size_t formatPadOrder(const PadIdentity* places, const char* const* names, int count, char* out,
                      size_t size);

// Reads the file into `memory`; a missing, damaged or foreign file leaves
// an empty order.
void readPadOrder(FileSystem& fileSystem, PadOrderMemory& memory);

// Writes the order of the first `count` places unless the file already
// holds exactly that. Failures are left silent: the order is a comfort.
void writePadOrder(FileSystem& fileSystem, PadOrderMemory& memory, const PadIdentity* places,
                   const char* const* names, int count);

}  // namespace tarvik
