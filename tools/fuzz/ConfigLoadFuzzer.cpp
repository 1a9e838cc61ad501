// What a configuration holds must never lead the engine outside the record.
// The low four bits of the first byte choose one of two kinds of input:
//
// 0: the rest is a configuration file of any length, loaded through
//    loadConfiguration; then the blocks it reached are evaluated for a few
//    passes with device states drawn from the file's own bytes.
// else: a compact block description (below), placed as a long file would
//    place it into an otherwise default record, then evaluated pass by pass
//    with the device states the input gives. Mutations of this form land
//    on the fields the engine reads instead of on megabytes of file.
//
// Either way the actions that fire are carried out against a platform that
// injects and sleeps nothing. Between inputs only what the previous one
// touched is put back from a pristine copy, never the whole record.

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "InputReader.h"
#include "OneFileSystem.h"
#include "QuietPlatform.h"
#include "config/ConfigFiles.h"
#include "config/Thresholds.h"
#include "engine/ActionExecution.h"
#include "engine/ControlEvaluation.h"

namespace tarvik::fuzz {
namespace {

// Compact form, after the first byte; missing bytes read as zero:
//   block index, device count, shiftButton, shiftDevice (one byte each),
//   placed entry count, the 432-byte block part, per placed entry its index
//   and its 596 bytes, then one 28-byte device state per pass.
constexpr int kMaxPlacedEntries = 4;
constexpr int kMaxPasses = 16;
constexpr int kRawPasses = 4;
constexpr size_t kBlockPartSize = offsetof(LayerBlock, entries);
static_assert(kBlockPartSize == 432);

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
    void repeatHeldKey() override { inner_.repeatHeldKey(); }

  private:
    const Configuration& config_;
    ActionExecutor& inner_;
};

// Device states for raw files, from the input's own bytes, so a crash
// replays exactly.
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

void noiseState(DeviceState& state, Noise& noise) {
    for (int32_t& axis : state.axes) {
        axis = static_cast<int32_t>(noise.next() % 2001) - 1000;
    }
    for (uint32_t& pov : state.pov) {
        const uint32_t pick = noise.next() % 4;
        pov = pick == 0 ? kPovCentred : pick == 1 ? noise.next() : noise.next() % 36000;
    }
    for (uint8_t& button : state.buttons) button = (noise.next() % 3 == 0) ? kButtonPressed : 0;
}

// 8 axes (16-bit, so also beyond the joystick range, as mouse deltas can
// be), 4 hats (16-bit; 0xFFFF stands for the centred 0xFFFFFFFF) and the
// 32 evaluated buttons as bits.
void readState(DeviceState& state, InputReader& in) {
    for (int32_t& axis : state.axes) axis = in.read<int16_t>();
    for (uint32_t& pov : state.pov) {
        const uint16_t value = in.read<uint16_t>();
        pov = value == 0xFFFF ? kPovCentred : value;
    }
    const uint32_t buttons = in.read<uint32_t>();
    for (int i = 0; i < 32; ++i) state.buttons[i] = (buttons >> i) & 1 ? kButtonPressed : 0;
}

Configuration config;
Configuration pristine;
FunctionKeyTable functionKeys;
FunctionKeyTable pristineFunctionKeys;
CfgFileList fileList;
ConfigHeader headerBuffer;
DeviceTable devices;
bool dirtyBlocks[kBlockCount];

QuietPlatform platform;
OneFileSystem files;
ConfigFileContext fileContext{config,  functionKeys, fileList, headerBuffer,
                              devices, platform,     files};

// The pristine record is what an empty file makes of a zeroed record: the
// wrong-version reset. A raw file with a wrong version takes the same reset
// and so leaves exactly this record behind.
void makePristine() {
    static const uint8_t kNothing = 0;
    files.setFile("empty.cfg", &kNothing, 0);
    loadConfiguration(fileContext, "empty.cfg");
    pristine = config;
    pristineFunctionKeys = functionKeys;
}

void restoreTouched() {
    config.header = pristine.header;
    for (int b = 0; b < kBlockCount; ++b) {
        if (dirtyBlocks[b]) config.blocks[b] = pristine.blocks[b];
        dirtyBlocks[b] = false;
    }
    functionKeys = pristineFunctionKeys;
    std::memset(&devices, 0, sizeof devices);
}

struct Engine {
    EngineState state;
    NoDevices source;
    NoWindows windows;
    SyntheticInput input{platform, state, devices};
    ActionExecution actions{{input, state, functionKeys, devices, platform, windows}};
    CheckingExecutor executor{config, actions};
    EvaluationContext evaluation{config, devices, source, executor};

    void evaluate(int block) {
        dirtyBlocks[block] = true;
        evaluateBlock(evaluation, block);
    }
};

void setDeviceCount(int count) {
    devices.deviceCount = count;
    devices.lastDeviceIndex = count > 0 ? count - 1 : 0;
}

void runRawFile(const uint8_t* data, size_t size) {
    files.setFile("fuzz.cfg", data, size);
    loadConfiguration(fileContext, "fuzz.cfg");
    const size_t blockBytes = size > sizeof(ConfigHeader) ? size - sizeof(ConfigHeader) : 0;
    size_t reached = (blockBytes + sizeof(LayerBlock) - 1) / sizeof(LayerBlock);
    if (reached > kBlockCount) reached = kBlockCount;
    // A wrong version word reset the record to the pristine one (checked:
    // the restoring of only what was touched rests on it); otherwise the
    // file overwrote the blocks it reached.
    if (config.header.version == kConfigVersion) {
        for (size_t b = 0; b < reached; ++b) dirtyBlocks[b] = true;
    } else if (std::memcmp(&config, &pristine, sizeof config) != 0) {
        std::abort();
    }

    Noise noise(data, size);
    setDeviceCount(static_cast<int>(noise.next() % 8));
    Engine engine;
    const int evaluated = reached > 0 ? static_cast<int>(reached) : 1;
    for (int pass = 0; pass < kRawPasses; ++pass) {
        for (int b = 0; b < evaluated; ++b) {
            noiseState(devices.states[b], noise);
            engine.evaluate(b);
        }
    }
}

void runCompactBlock(const uint8_t* data, size_t size) {
    InputReader in(data, size);
    const int block = in.byte() % kBlockCount;
    setDeviceCount(in.byte() % 8);
    config.header.version = kConfigVersion;
    config.header.shiftButton = in.byte();
    config.header.shiftDevice = in.byte();
    const int placed = in.byte() % (kMaxPlacedEntries + 1);
    LayerBlock& target = config.blocks[block];
    dirtyBlocks[block] = true;
    in.copy(&target, kBlockPartSize);
    for (int i = 0; i < placed; ++i) {
        const int entry = in.byte() % kEntriesPerBlock;
        in.copy(&target.entries[entry], sizeof(ControlEntry));
    }
    // Every load ends so.
    recomputeThresholds(config);

    Engine engine;
    for (int pass = 0; pass < kMaxPasses && in.remaining() > 0; ++pass) {
        readState(devices.states[block], in);
        engine.evaluate(block);
    }
}

}  // namespace
}  // namespace tarvik::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    tarvik::fuzz::makePristine();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tarvik::fuzz;
    restoreTouched();
    if (size == 0) return 0;
    if ((data[0] & 0x0F) == 0) {
        runRawFile(data + 1, size - 1);
    } else {
        runCompactBlock(data + 1, size - 1);
    }
    return 0;
}
