#pragma once
// The parameters of the configuration window's file dialogs. Filters are
// pairs of display text and pattern, each NUL-terminated, with a second
// NUL at the end, as the platform's file dialogs take them.

#include <cstddef>

namespace tarvik {

enum class FileDialogKind { kOpen, kSave };

struct FileDialogSetup {
    FileDialogKind kind;
    const char* filter;
    size_t filterSize;  // bytes, both final NULs included
    const char* title;
    const char* defaultExtension;  // without the dot; nullptr for none
};

extern const FileDialogSetup loadConfigDialog;     // "load"
extern const FileDialogSetup saveConfigDialog;     // "save"
extern const FileDialogSetup selectProgramDialog;  // "program:" and "start prog:"

}  // namespace tarvik
