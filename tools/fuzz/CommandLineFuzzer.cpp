// The command line is whatever the starting program or user typed. An input
// is one flag byte and the text: the text goes through option search and
// name extraction, the start configuration is loaded by the name found, and
// the program asked for is split into the directory it would run in and
// the name the tray would show. The flag byte decides whether the LOAD:
// file exists (bit 0) and whether the program starts (bit 1). The text's
// first 260 bytes are also the loaded record's autostartPath, terminated or
// not, for AUTOSTART. The same bytes are then handed over as a second
// start's block would be, raw and behind the block's magic: bit 2 of the flag
// byte ends the directory early, so the command line starts inside them.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "OneFileSystem.h"
#include "QuietPlatform.h"
#include "config/ConfigFiles.h"
#include "platform/FileSystem.h"
#include "shell/CommandLine.h"
#include "shell/Handover.h"
#include "shell/ProgramPath.h"
#include "shell/StartConfiguration.h"

namespace tarvik::fuzz {
namespace {

// Every file but a missing LOAD: file exists and holds a bare version word,
// so a load costs next to nothing; the name opened is kept.
class NamesFileSystem final : public ReadOnlyFileSystem {
  public:
    bool loadFileExists = true;
    std::string opened;

    bool exists(const char* path) override {
        return loadFileExists || std::strcmp(path, kDefaultConfigFile) == 0;
    }
    FileHandle openForRead(const char* path) override {
        opened = path;
        position_ = 0;
        return 1;
    }
    size_t read(FileHandle, void* buffer, size_t count) override {
        static const uint8_t kVersion[2] = {0x00, 0x07};
        size_t n = 0;
        for (; n < count && position_ < sizeof kVersion; ++n) {
            static_cast<uint8_t*>(buffer)[n] = kVersion[position_++];
        }
        return n;
    }
    bool close(FileHandle) override { return true; }

  private:
    size_t position_ = 0;
};

class CountingPlatform final : public QuietPlatform {
  public:
    int programNotFound = 0;

    MessageBoxAnswer messageBox(const char* text, const char*, MessageBoxKind) override {
        if (std::strcmp(text, "program not found") == 0) ++programNotFound;
        return MessageBoxAnswer::kOk;
    }
};

// Splits the path as the process launcher and the tray menu do and checks
// that the pieces are the path's own: the directory a prefix of it, the
// name what follows, neither beyond the closing quote.
class SplittingLauncher final : public ProgramLauncher {
  public:
    bool succeeds = false;
    int launches = 0;

    bool launchProgram(const char* path) override {
        ++launches;
        char directory[kMaxPathLength];
        char name[kMaxPathLength];
        programDirectory(path, directory);
        programFileName(path, name);

        const char* inner = path[0] == '"' ? path + 1 : path;
        const char* closing = path[0] == '"' ? std::strchr(inner, '"') : nullptr;
        const size_t innerLength = closing ? closing - inner : std::strlen(inner);
        const size_t directoryLength = std::strlen(directory);
        const size_t nameLength = std::strlen(name);
        if (directoryLength > innerLength) std::abort();
        if (std::memcmp(directory, inner, directoryLength) != 0) std::abort();
        if (std::strpbrk(name, "\\/") != nullptr) std::abort();
        if (directoryLength + 1 < kMaxPathLength) {
            if (nameLength > innerLength - directoryLength) std::abort();
            if (std::memcmp(name, inner + directoryLength, nameLength) != 0) std::abort();
        }
        return succeeds;
    }
};

// The name after LOAD: or START: as the command-line syntax defines it:
// one character skipped, then up to 258 characters that end at a quote or
// at the end of the text.
void checkName(const char* text, const char* option, bool present,
               const char (&name)[kCommandLineNameLength + 1]) {
    const char* found = std::strstr(text, option);
    if (present != (found != nullptr)) std::abort();
    const size_t length = strnlen(name, sizeof name);
    if (length > kCommandLineNameLength) std::abort();
    if (found == nullptr) {
        if (length != 0) std::abort();
        return;
    }
    const char* after = found + std::strlen(option);
    const char* start = *after != '\0' ? after + 1 : after;
    if (std::memcmp(name, start, length) != 0) std::abort();
    if (std::memchr(name, '"', length) != nullptr) std::abort();
    const char next = start[length];
    if (length < kCommandLineNameLength && next != '\0' && next != '"') std::abort();
}

// What a read handover block gives: paths terminated within their arrays,
// and a load path only for a LOAD: that names something.
void checkHandover(const Handover& handover) {
    if (strnlen(handover.loadPath, sizeof handover.loadPath) == sizeof handover.loadPath) {
        std::abort();
    }
    if (strnlen(handover.startPath, sizeof handover.startPath) == sizeof handover.startPath) {
        std::abort();
    }
    if (handover.loadPath[0] != '\0' && !handover.options.load) std::abort();
    if (handover.loadPath[0] != '\0' && namesADevice(handover.options.loadName)) std::abort();
}

void fuzzHandover(const uint8_t* bytes, size_t length, bool earlyDirectoryEnd, FileSystem& files) {
    std::unique_ptr<Handover> handover(new Handover);
    // Raw: nearly always refused, never read beyond its end.
    std::unique_ptr<char[]> raw(new char[length]);
    std::memcpy(raw.get(), bytes, length);
    if (readHandover(kHandoverTag, raw.get(), length, files, *handover)) checkHandover(*handover);

    std::string block(kHandoverMagic, sizeof kHandoverMagic);
    if (earlyDirectoryEnd) block += "C:\\dir" + std::string(1, '\0');
    block.append(reinterpret_cast<const char*>(bytes), length);
    std::unique_ptr<char[]> framed(new char[block.size()]);
    std::memcpy(framed.get(), block.data(), block.size());
    if (readHandover(kHandoverTag, framed.get(), block.size(), files, *handover)) {
        checkHandover(*handover);
    } else if (earlyDirectoryEnd) {
        std::abort();  // a block with its magic and directory is always read
    }
}

Configuration config;
FunctionKeyTable functionKeys;
CfgFileList fileList;
ConfigHeader headerBuffer;
DeviceTable devices;

}  // namespace
}  // namespace tarvik::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const tarvik::CommandLineOptions none = tarvik::parseCommandLine(nullptr);
    if (none.quit || none.load || none.start || none.autostart || none.oneOnly) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tarvik;
    using namespace tarvik::fuzz;
    if (size == 0) return 0;
    const uint8_t flags = data[0];
    // A heap copy of exactly the text and its terminator, so that a read
    // past the end is caught.
    const size_t length = size - 1;
    std::unique_ptr<char[]> text(new char[length + 1]);
    std::memcpy(text.get(), data + 1, length);
    text[length] = '\0';

    const CommandLineOptions options = parseCommandLine(text.get());
    checkName(text.get(), "LOAD:", options.load, options.loadName);
    checkName(text.get(), "START:", options.start, options.startName);

    CountingPlatform platform;
    NamesFileSystem files;
    files.loadFileExists = (flags & 1) != 0;
    ConfigFileContext context{config,  functionKeys, fileList, headerBuffer,
                              devices, platform,     files};
    loadStartConfiguration(context, options);
    const bool loadsItsName = options.load && options.loadName[0] != '\0' && files.loadFileExists;
    if (files.opened != (loadsItsName ? options.loadName : kDefaultConfigFile)) std::abort();

    std::memset(config.header.autostartPath, 0, sizeof config.header.autostartPath);
    std::memcpy(
        config.header.autostartPath, data + 1,
        length < sizeof config.header.autostartPath ? length : sizeof config.header.autostartPath);
    SplittingLauncher launcher;
    launcher.succeeds = (flags & 2) != 0;
    startRequestedProgram(options, config.header, launcher, platform);
    const bool launches = options.autostart || options.start;
    if (launcher.launches != (launches ? 1 : 0)) std::abort();
    const bool reported = !options.autostart && options.start && !launcher.succeeds;
    if (platform.programNotFound != (reported ? 1 : 0)) std::abort();

    fuzzHandover(data + 1, length, (flags & 4) != 0, files);
    return 0;
}
