// tarvik-cfg: configurations as text. Shows a .cfg file, compares two and
// writes one from text, through the program's own record, load and save
// code, so a written file is one the program itself could have saved.

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>

#include "config/ConfigFiles.h"
#include "config/Thresholds.h"
#include "config/text/ConfigText.h"
#include "platform/ForwardingFileSystem.h"
#include "platform/NullPlatform.h"
#ifdef _WIN32
#include "platform/win32/Win32FileSystem.h"
#else
#include "platform/PortableFileSystem.h"
#endif

namespace tarvik::cfgtool {
namespace {

constexpr int kSuccess = 0;
constexpr int kDifferent = 1;
constexpr int kFailure = 2;

constexpr char kHelp[] = R"help(usage:
  tarvik-cfg show [--runtime] FILE.cfg     the configuration as text
  tarvik-cfg diff [--runtime] A.cfg B.cfg  only what differs ("-" A, "+" B)
  tarvik-cfg write TEXT -o FILE.cfg        a .cfg file from such a text ("-": standard input)

The text holds the header (name, number, program, autostart, comment, shift
device and shift button, numbered from 1 as the window shows them), then per
block ("block 0" is device 1, "block 1" device 1 shifted, and so on; the mouse
uses the block of the device after the last joystick) its block-wide settings
and its entries that differ from the defaults, each under its control's name:
"button 3", "X+ level 1", "hat 0 north-east", or "entry 113" for an entry of no
control. Keys are named as in the configuration window's key list, letters and
digits by themselves ("SHIFT+H, E, return"); a key whose scan code or character
is not that of a standard keyboard says so: "left (scan 0x4B)". Flags are
listed by name, "name=N" for a value other than 1. A dynamic move's response
curve is "curve: linear", "curve 1.5", "curve 2" or "curve 3" (or a number for a
curve this version does not know). Lines starting with "#" are comments.

write starts from the defaults, applies the text and saves the file as the
program does: the short form (blocks 0..3) unless blocks beyond 3 are in use,
replacing an existing file only once the new one is complete. show, write and
show again give the same text, and the program reads the same assignments from
both files; the bytes may differ after a text's terminator, in what the program
never reads (reserved bytes, the last recorded key, the extended bit of a key
code, scan-code bits above the extended bit), in the key count the window
keeps, and in the run-time memory (held buttons, axis and hat entries), which
show lists only with --runtime.

exit codes: 0 done (diff: no difference), 1 diff found differences,
2 bad input (a text error, given with its line, or a file the program would
reject) or a file that could not be read or written; then nothing is written.
)help";

// Message boxes become the tool's error text; the save may replace a file.
class ConsolePlatform final : public NullPlatform {
  public:
    std::string message;

    MessageBoxAnswer messageBox(const char* text, const char*, MessageBoxKind kind) override {
        if (kind == MessageBoxKind::kYesNo) return MessageBoxAnswer::kYes;
        if (message.empty()) message = text;
        return MessageBoxAnswer::kOk;
    }
};

#ifdef _WIN32
using SystemFileSystem = Win32FileSystem;
#else
using SystemFileSystem = PortableFileSystem;
#endif

// Refuses, before a byte is written, a save whose length would leave out
// blocks the text uses.
class CoveringFileSystem final : public ForwardingFileSystem {
  public:
    explicit CoveringFileSystem(FileSystem& inner) : ForwardingFileSystem(inner) {}

    size_t requiredLength = 0;
    bool tooShort = false;

    size_t write(FileHandle file, const void* data, size_t count) override {
        if (count < requiredLength) {
            tooShort = true;
            return 0;
        }
        return inner().write(file, data, count);
    }
};

// What the file routines need beside the record.
struct FileRoutines {
    FunctionKeyTable functionKeys{};
    CfgFileList fileList{};
    ConfigHeader headerBuffer{};
    DeviceTable devices{};
    ConsolePlatform platform;
    SystemFileSystem disk;
    CoveringFileSystem files{disk};

    ConfigFileContext context(Configuration& config) {
        return {config, functionKeys, fileList, headerBuffer, devices, platform, files};
    }
};

int fail(std::string_view where, std::string_view what) {
    std::fprintf(stderr, "tarvik-cfg: %.*s: %.*s\n", static_cast<int>(where.size()), where.data(),
                 static_cast<int>(what.size()), what.data());
    return kFailure;
}

std::string oneLine(std::string text) {
    for (char& c : text) {
        if (c == '\n') c = ' ';
    }
    return text;
}

// Loads `path` as the program does, over the defaults; false (reported)
// when the program would show an error.
bool loadFile(const char* path, Configuration& config) {
    auto routines = std::make_unique<FileRoutines>();
    readConfigHeader(routines->files, path, routines->headerBuffer);
    const uint16_t version = routines->headerBuffer.version;
    makeTextBaseline(config);
    config.header.version = 0;  // a file too short to hold a version is rejected
    ConfigFileContext context = routines->context(config);
    loadConfiguration(context, path);
    if (routines->platform.message.empty()) return true;
    std::string message = oneLine(routines->platform.message);
    if (config.header.version != kConfigVersion && routines->files.exists(path)) {
        char detail[96];
        std::snprintf(detail, sizeof detail, " 0x%04X (Tarvik reads only 0x%04X files)", version,
                      kConfigVersion);
        message += detail;
    }
    fail(path, message);
    return false;
}

int show(const char* path, bool runtime) {
    auto config = std::make_unique<Configuration>();
    if (!loadFile(path, *config)) return kFailure;
    std::fputs(formatConfiguration(*config, runtime).c_str(), stdout);
    return kSuccess;
}

int diff(const char* pathA, const char* pathB, bool runtime) {
    auto a = std::make_unique<Configuration>();
    auto b = std::make_unique<Configuration>();
    if (!loadFile(pathA, *a) || !loadFile(pathB, *b)) return kFailure;
    const std::string text = diffConfigurations(*a, *b, runtime);
    if (text.empty()) return kSuccess;
    std::printf("--- %s\n+++ %s\n%s", pathA, pathB, text.c_str());
    return kDifferent;
}

bool readText(const char* path, std::string& text) {
    if (std::strcmp(path, "-") == 0) {
        text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        return true;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
}

int write(const char* textPath, const char* outPath) {
    std::string text;
    if (!readText(textPath, text)) return fail(textPath, "cannot read file!");
    auto config = std::make_unique<Configuration>();
    makeTextBaseline(*config);
    if (const std::optional<TextError> error = readConfigurationText(text, *config)) {
        return fail(std::string(textPath) + ":" + std::to_string(error->line), error->message);
    }
    recomputeThresholds(*config);

    // The save's length follows the joysticks present (it holds the blocks
    // up to the mouse's, 2 * deviceCount, in steps of 0..3, 0..7 and all);
    // stand in for the smallest machine whose save keeps every block the
    // text uses.
    const int lastBlock = lastBlockInUse(*config);
    auto routines = std::make_unique<FileRoutines>();
    const int joysticks = lastBlock <= 3 ? 0 : lastBlock <= 7 ? 2 : 4;
    routines->devices.deviceCount = joysticks;
    routines->devices.lastDeviceIndex = joysticks > 0 ? joysticks - 1 : 0;
    routines->files.requiredLength = sizeof(ConfigHeader) + (lastBlock + 1) * sizeof(LayerBlock);
    ConfigFileContext context = routines->context(*config);
    saveConfiguration(context, outPath);
    if (routines->files.tooShort) {
        return fail(outPath, "block " + std::to_string(lastBlock) +
                                 " is in use, but the file written does not hold it");
    }
    if (!routines->platform.message.empty()) return fail(outPath, routines->platform.message);
    return kSuccess;
}

int usage() {
    std::fputs(kHelp, stderr);
    return kFailure;
}

int run(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string_view command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kHelp, stdout);
        return kSuccess;
    }
    bool runtime = false;
    const char* operands[2] = {};
    const char* output = nullptr;
    int count = 0;
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--runtime" && command != "write") {
            runtime = true;
        } else if (arg == "-o" && command == "write" && i + 1 < argc && output == nullptr) {
            output = argv[++i];
        } else if ((arg.empty() || arg[0] != '-' || arg == "-") && count < 2) {
            operands[count++] = argv[i];
        } else {
            return usage();
        }
    }
    if (command == "show" && count == 1) return show(operands[0], runtime);
    if (command == "diff" && count == 2) return diff(operands[0], operands[1], runtime);
    if (command == "write" && count == 1 && output != nullptr) return write(operands[0], output);
    return usage();
}

}  // namespace
}  // namespace tarvik::cfgtool

int main(int argc, char** argv) {
    return tarvik::cfgtool::run(argc, argv);
}
