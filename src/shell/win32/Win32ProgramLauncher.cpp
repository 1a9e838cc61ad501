#include "shell/win32/Win32ProgramLauncher.h"

#include <windows.h>

#include <cstring>

#include "shell/ProgramPath.h"

namespace tarvik {

bool Win32ProgramLauncher::launchProgram(const char* path) {
    if (path == nullptr || path[0] == '\0') return false;

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    static_assert(sizeof(STARTUPINFOA) == 104, "the 64-bit form of the 68-byte record");
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_FORCEOFFFEEDBACK | STARTF_USESTDHANDLES;
    startup.wShowWindow = SW_SHOW;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);

    char directory[kMaxPathLength];
    programDirectory(path, directory);

    // CreateProcessA may write into its command line.
    char commandLine[kMaxPathLength + 8];
    const size_t length = strnlen(path, sizeof commandLine - 1);
    std::memcpy(commandLine, path, length);
    commandLine[length] = '\0';

    PROCESS_INFORMATION process{};
    // A bare file name has no directory of its own: it then runs in this
    // process's current directory instead of failing on an empty one.
    const BOOL created =
        CreateProcessA(nullptr, commandLine, nullptr, nullptr, TRUE, NORMAL_PRIORITY_CLASS, nullptr,
                       directory[0] != '\0' ? directory : nullptr, &startup, &process);
    if (!created) return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

}  // namespace tarvik
