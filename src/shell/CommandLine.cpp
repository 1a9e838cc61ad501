#include "shell/CommandLine.h"

#include <cstring>

namespace tarvik {

namespace {

// The name after an option: one character is skipped (normally the opening
// quote, whatever it is), then the name runs to the next quote or the end.
// An option at the very end has nothing to skip and gives an empty name.
void extractName(const char* afterOption, char (&name)[kCommandLineNameLength + 1]) {
    const char* p = afterOption;
    if (*p != '\0') ++p;
    size_t n = 0;
    while (n < kCommandLineNameLength && p[n] != '\0' && p[n] != '"') {
        name[n] = p[n];
        ++n;
    }
    name[n] = '\0';
}

bool findOption(const char* text, const char* option, const char** after = nullptr) {
    const char* found = std::strstr(text, option);
    if (found == nullptr) return false;
    if (after != nullptr) *after = found + std::strlen(option);
    return true;
}

}  // namespace

CommandLineOptions parseCommandLine(const char* text) {
    CommandLineOptions options;
    if (text == nullptr) return options;
    options.quit = findOption(text, "QUIT");
    options.oneOnly = findOption(text, "ONEONLY");
    options.autostart = findOption(text, "AUTOSTART");
    options.follow = findOption(text, "FOLLOW");
    options.scanCodes = findOption(text, "SCANCODES");
    options.wait = findOption(text, "WAIT");
    options.noXInput = findOption(text, "NOXINPUT");
    options.noRepeat = findOption(text, "NOREPEAT");
    options.fastPoll = findOption(text, "FASTPOLL");
    const char* after = nullptr;
    if (findOption(text, "LOAD:", &after)) {
        options.load = true;
        extractName(after, options.loadName);
    }
    if (findOption(text, "START:", &after)) {
        options.start = true;
        extractName(after, options.startName);
    }
    return options;
}

}  // namespace tarvik
