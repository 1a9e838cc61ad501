#pragma once
// The options of the command line. Each is found as a case-sensitive
// substring anywhere in the text after the program's name: the text is
// never split into words, so a path that happens to contain "QUIT" counts
// as the option.

#include <cstddef>

namespace tarvik {

// Characters a LOAD: or START: name may have; longer names are cut.
constexpr size_t kCommandLineNameLength = 258;

struct CommandLineOptions {
    bool quit = false;
    bool oneOnly = false;
    bool load = false;
    bool autostart = false;
    bool start = false;
    bool follow = false;  // follow the program in front from the start
    bool scanCodes = false;
    bool wait = false;      // start without a controller and take them as they arrive
    bool noXInput = false;  // DirectInput alone, XInput pads as DirectInput shows them
    bool noRepeat = false;  // held keys do not repeat
    // Pads that signal no reports are read every millisecond between the
    // passes, at the cost of a wake each millisecond.
    bool fastPoll = false;
    // The names after LOAD: and START:, empty when the option is absent.
    char loadName[kCommandLineNameLength + 1] = {};
    char startName[kCommandLineNameLength + 1] = {};
};

// `text` may be null (no arguments at all).
CommandLineOptions parseCommandLine(const char* text);

}  // namespace tarvik
