// Loads arbitrary bytes as a configuration file, then evaluates every block
// for a few passes with device states drawn from the input and carries out
// the actions that fire (against a platform that injects and sleeps
// nothing): whatever a file holds must never lead the engine outside the
// record.

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "OneFileSystem.h"
#include "config/ConfigFiles.h"
#include "engine/ActionExecution.h"
#include "engine/ControlEvaluation.h"
#include "platform/Platform.h"

namespace tarvik::fuzz {
namespace {

class QuietPlatform final : public Platform {
  public:
    void injectKeyboard(const KeyboardRecord&) override {}
    void injectMouse(const MouseRecord&) override {}
    void sleepMs(uint32_t) override {}
    ScreenPoint cursorPosition() override { return {0, 0}; }
    void setCursorPosition(ScreenPoint) override {}
    ScreenRect desktopClientRect() override { return {0, 0, 1024, 768}; }
    uint32_t doubleClickTime() override { return 500; }
    uint32_t mapVirtualKeyToScanCode(uint32_t) override { return 0x44; }
    uint32_t mapScanCodeToVirtualKey(uint32_t) override { return 0x79; }
    uint32_t oemKeyScan(uint8_t character) override { return character; }
    void shellOpen(const char*) override {}
    MessageBoxAnswer messageBox(const char*, const char*, MessageBoxKind) override {
        return MessageBoxAnswer::kOk;
    }
};

class NoDevices final : public DeviceSource {
  public:
    int32_t pollJoystick(int) override { return 0; }
    int32_t pollMouse() override { return 0; }
};

class NoWindows final : public EngineWindows {
  public:
    WindowHandle openStringWindow() override { return kNoWindow; }
    WindowHandle openFSelectWindow() override { return kNoWindow; }
};

// Checks that every entry handed on lies inside its block, then carries it
// out as the program would.
class CheckingExecutor final : public ActionExecutor {
  public:
    CheckingExecutor(const Configuration& config, ActionExecutor& inner)
        : config_(config), inner_(inner) {}

    void executeAction(int block, ControlEntry& entry, ActionMode mode) override {
        if (block < 0 || block >= kBlockCount) std::abort();
        const ControlEntry* first = config_.blocks[block].entries;
        if (&entry < first || &entry >= first + kEntriesPerBlock) std::abort();
        inner_.executeAction(block, entry, mode);
    }

  private:
    const Configuration& config_;
    ActionExecutor& inner_;
};

// Device states from the input's own bytes, so a crash replays exactly.
class Noise {
  public:
    Noise(const uint8_t* data, size_t size) {
        for (size_t i = 0; i < size && i < 64; ++i) state_ = state_ * 31 + data[i];
        if (state_ == 0) state_ = 1;
    }
    uint32_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return static_cast<uint32_t>(state_ >> 16);
    }

  private:
    uint64_t state_ = 0x9E3779B97F4A7C15ull;
};

void randomState(DeviceState& state, Noise& noise) {
    for (int32_t& axis : state.axes) {
        axis = static_cast<int32_t>(noise.next() % 2001) - 1000;
    }
    for (uint32_t& pov : state.pov) {
        const uint32_t pick = noise.next() % 4;
        pov = pick == 0 ? kPovCentred : pick == 1 ? noise.next() : noise.next() % 36000;
    }
    for (uint8_t& button : state.buttons) button = (noise.next() % 3 == 0) ? kButtonPressed : 0;
}

Configuration config;
FunctionKeyTable functionKeys;
CfgFileList fileList;
ConfigHeader headerBuffer;
DeviceTable devices;

}  // namespace
}  // namespace tarvik::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tarvik;
    using namespace tarvik::fuzz;
    std::memset(&config, 0, sizeof(config));
    std::memset(&devices, 0, sizeof(devices));
    Noise noise(data, size);
    devices.deviceCount = static_cast<int32_t>(noise.next() % 8);
    devices.lastDeviceIndex = devices.deviceCount > 0 ? devices.deviceCount - 1 : 0;

    QuietPlatform platform;
    OneFileSystem files;
    files.setFile("fuzz.cfg", data, size);
    ConfigFileContext context{config,  functionKeys, fileList, headerBuffer,
                              devices, platform,     files};
    loadConfiguration(context, "fuzz.cfg");

    NoDevices source;
    EngineState engine;
    NoWindows windows;
    SyntheticInput input(platform, engine, devices);
    ActionExecution actions({input, engine, functionKeys, devices, platform, windows});
    CheckingExecutor executor(config, actions);
    EvaluationContext evaluation{config, devices, source, executor};
    for (int pass = 0; pass < 4; ++pass) {
        for (DeviceState& state : devices.states) randomState(state, noise);
        for (int block = 0; block < kBlockCount; ++block) evaluateBlock(evaluation, block);
    }
    return 0;
}
