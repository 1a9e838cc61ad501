#pragma once
// Pieces of a program path: the directory a started program runs in and
// the name the tray menu shows for it. Paths are split the way the system's
// path splitter does it: an optional drive "X:", a directory up to the last
// backslash or slash, then the file name with its extension. A path in
// double quotes (the way a path with blanks must be written to be started)
// is split inside its quotes.

#include <cstddef>

#include "platform/FileSystem.h"

namespace tarvik {

// Drive and directory, with the trailing backslash: "C:\Games\Race\" for
// "C:\Games\Race\race.exe". Empty for a bare file name.
void programDirectory(const char* path, char (&directory)[kMaxPathLength]);

// File name and extension: "race.exe". Empty for an empty path.
void programFileName(const char* path, char (&name)[kMaxPathLength]);

}  // namespace tarvik
