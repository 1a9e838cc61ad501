#include "ui/config/win32/FileDialogRunner.h"

#include <windows.h>

#include <commdlg.h>

#include <cstddef>

namespace tarvik {

namespace {
// The record as the classic dialogs know it: no fields past the template
// name (76 bytes in a 32-bit build).
constexpr DWORD kClassicRecordSize = offsetof(OPENFILENAMEA, pvReserved);
static_assert(kClassicRecordSize == (sizeof(void*) == 8 ? 136 : 76));
}  // namespace

bool runFileDialog(HWND owner, HINSTANCE instance, const FileDialogSetup& setup,
                   char (&path)[kFileDialogBuffer]) {
    OPENFILENAMEA request{};
    request.lStructSize = OPENFILENAME_SIZE_VERSION_400A;  // kClassicRecordSize
    request.hwndOwner = owner;
    request.hInstance = instance;
    request.lpstrFilter = setup.filter;
    request.nFilterIndex = 0;
    request.lpstrFile = path;
    request.nMaxFile = kFileDialogBuffer;
    request.lpstrTitle = setup.title;
    request.lpstrDefExt = setup.defaultExtension;
    request.Flags = OFN_EXPLORER;
    const BOOL confirmed = setup.kind == FileDialogKind::kSave ? GetSaveFileNameA(&request)
                                                               : GetOpenFileNameA(&request);
    path[kFileDialogBuffer - 1] = '\0';
    return confirmed != FALSE;
}

}  // namespace tarvik
