#pragma once
// A second start hands its command line to the running Tarvik as one
// WM_COPYDATA block instead of mapping beside it. The block is whatever
// arrives: another program may send anything under any tag, so reading it
// is bounded and a block that is not a Tarvik start is refused.

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/FileSystem.h"
#include "shell/CommandLine.h"

namespace tarvik {

// COPYDATASTRUCT::dwData of a handover: "TRVK".
constexpr uintptr_t kHandoverTag = 0x4B565254;
// The block: this magic (its terminator included), the second start's
// current directory and a NUL, then its command line (no terminator needed).
inline constexpr char kHandoverMagic[] = "TARVIK-START-1";
// Windows command lines hold at most 32767 characters; more is cut.
constexpr size_t kHandoverTextLimit = 32767;

std::string handoverBlock(const char* directory, const char* commandLine);

// What a running Tarvik does for a handed-over start.
struct Handover {
    CommandLineOptions options;
    // The LOAD: name as a full path (relative names taken from the second
    // start's directory); empty when it is no file name a load may open
    // (too long, a device such as CON): such a load reports "file not found!".
    char loadPath[kMaxPathLength] = {};
    // The START: name, made full the same way when the second start's
    // directory holds it; otherwise as given, for the system to search.
    char startPath[kMaxPathLength] = {};
};

// False for a block that is not a Tarvik start: wrong tag, too short, no
// magic, or no directory terminated within a path's length.
bool readHandover(uintptr_t tag, const void* data, size_t size, FileSystem& fileSystem,
                  Handover& handover);

// A name whose last part is a DOS device (CON, NUL, COM1, LPT1.txt, ...)
// or that goes to the device namespace (\\.\ or \\?\): opening one would
// not read a file, and may wait for a console that is not there.
bool namesADevice(const char* path);

// `name` made full against `directory` into `out`; false when it does not fit.
bool fullPathOf(const char* directory, const char* name, char (&out)[kMaxPathLength]);

}  // namespace tarvik
