#include "shell/win32/StartupShortcut.h"

#include <windows.h>
#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <string>

namespace tarvik {

namespace {

constexpr char kTemporaryName[] = "Tarvik.lnk.tmp";
constexpr char kArguments[] = "WAIT";
constexpr char kDescription[] = "Tarvik: game controllers as keyboard and mouse";

std::string startupFolder() {
    char folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_STARTUP | CSIDL_FLAG_CREATE, nullptr,
                                SHGFP_TYPE_CURRENT, folder))) {
        return {};
    }
    return folder;
}

std::string shortcutPath(const char* name) {
    const std::string folder = startupFolder();
    return folder.empty() ? folder : folder + "\\" + name;
}

// COM for this thread for the length of one shortcut, unless it already
// ran (then it is left as it was).
class ComScope {
  public:
    ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    bool usable() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }

  private:
    HRESULT result_;
};

bool writeShortcut(const char* target, const char* directory, const std::string& path) {
    ComScope com;
    if (!com.usable()) return false;
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link)))) {
        return false;
    }
    bool written = SUCCEEDED(link->SetPath(target)) && SUCCEEDED(link->SetArguments(kArguments)) &&
                   SUCCEEDED(link->SetWorkingDirectory(directory)) &&
                   SUCCEEDED(link->SetDescription(kDescription)) &&
                   SUCCEEDED(link->SetIconLocation(target, 0));
    IPersistFile* file = nullptr;
    if (written &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t widePath[MAX_PATH] = {};
        written = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath, MAX_PATH) != 0 &&
                  SUCCEEDED(file->Save(widePath, TRUE));
        file->Release();
    } else {
        written = false;
    }
    link->Release();
    return written;
}

}  // namespace

bool startupShortcutExists() {
    const std::string path = shortcutPath(kStartupShortcutName);
    return !path.empty() && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool setStartupShortcut(bool on) {
    const std::string path = shortcutPath(kStartupShortcutName);
    if (path.empty()) return false;
    if (!on) return DeleteFileA(path.c_str()) != 0 || GetLastError() == ERROR_FILE_NOT_FOUND;

    // Always this very program, never a name the search path would resolve.
    char target[MAX_PATH] = {};
    const DWORD targetLength = GetModuleFileNameA(nullptr, target, sizeof target);
    char directory[MAX_PATH] = {};
    const DWORD directoryLength = GetCurrentDirectoryA(sizeof directory, directory);
    if (targetLength == 0 || targetLength >= sizeof target || directoryLength == 0 ||
        directoryLength >= sizeof directory) {
        return false;
    }
    const std::string temporary = shortcutPath(kTemporaryName);
    if (!writeShortcut(target, directory, temporary)) {
        DeleteFileA(temporary.c_str());
        return false;
    }
    if (MoveFileExA(temporary.c_str(), path.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0) {
        DeleteFileA(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace tarvik
