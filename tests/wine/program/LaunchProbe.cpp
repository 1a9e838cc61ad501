// Started by Tarvik in the program tests: writes the directory it runs in
// and its command line, one per line, to the file that the environment
// variable TARVIK_PROBE_OUT names, then ends.

#include <windows.h>

#include <cstdio>

int main() {
    char out[MAX_PATH] = {};
    if (GetEnvironmentVariableA("TARVIK_PROBE_OUT", out, sizeof out) == 0) return 1;
    char directory[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof directory, directory);
    std::FILE* file = std::fopen(out, "w");
    if (file == nullptr) return 1;
    std::fprintf(file, "%s\n%s\n", directory, GetCommandLineA());
    std::fclose(file);
    return 0;
}
