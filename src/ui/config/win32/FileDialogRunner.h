#pragma once
// The configuration window's open and save dialogs on the classic
// open-file-name record.

#include <windows.h>

#include "ui/config/EntryCommands.h"
#include "ui/config/FileDialogs.h"

namespace tarvik {

// Shows the dialog `setup` describes, starting from the name in `path`.
// True when the user confirmed; `path` then holds the chosen file.
bool runFileDialog(HWND owner, HINSTANCE instance, const FileDialogSetup& setup,
                   char (&path)[kFileDialogBuffer]);

}  // namespace tarvik
