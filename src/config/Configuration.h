#pragma once
// The one configuration record. Its byte image is the .cfg file format, so
// every field, reserved byte and offset is pinned by static_assert.

#include <cstddef>
#include <cstdint>

#include "config/ControlEntry.h"

namespace tarvik {

constexpr int kBlockCount = 14;
constexpr int kCommonPage = 14;  // currentBlock value of the header page
constexpr uint16_t kConfigVersion = 0x0700;

struct ConfigHeader {
    uint16_t version;
    char name[200];
    uint8_t reserved0[2];
    uint32_t number;
    char autostartPath[260];
    char comment[1000];
    uint16_t autostart;
    uint8_t reserved1[2];
    uint32_t shiftButton;
    uint32_t shiftDevice;
    uint8_t reserved2[12];
};

static_assert(sizeof(ConfigHeader) == 1492);
static_assert(offsetof(ConfigHeader, version) == 0x000);
static_assert(offsetof(ConfigHeader, name) == 0x002);
static_assert(offsetof(ConfigHeader, reserved0) == 0x0CA);
static_assert(offsetof(ConfigHeader, number) == 0x0CC);
static_assert(offsetof(ConfigHeader, autostartPath) == 0x0D0);
static_assert(offsetof(ConfigHeader, comment) == 0x1D4);
static_assert(offsetof(ConfigHeader, autostart) == 0x5BC);
static_assert(offsetof(ConfigHeader, reserved1) == 0x5BE);
static_assert(offsetof(ConfigHeader, shiftButton) == 0x5C0);
static_assert(offsetof(ConfigHeader, shiftDevice) == 0x5C4);
static_assert(offsetof(ConfigHeader, reserved2) == 0x5C8);

constexpr int kDirections = 16;
constexpr int kThresholdColumns = 4;

struct LayerBlock {
    uint8_t levelPercent[3];
    uint8_t directionPercent[kDirections][kThresholdColumns];
    uint8_t reserved0;
    uint16_t axisThresholds[kDirections][kThresholdColumns];
    uint8_t activeAxisEntries[kDirections][kThresholdColumns];
    uint16_t blockXStep;
    uint16_t blockYStep;
    uint32_t learnMask;
    int32_t blockDelayMs;
    uint8_t previousButtons[32];
    uint8_t reserved1[96];
    uint32_t activePovEntries[4];
    uint8_t blockToggleLock;
    uint8_t blockAutoRepeat;
    uint8_t blockAutoRelease;
    uint8_t singleSensitivity;
    uint8_t reserved2[12];
    ControlEntry entries[kEntriesPerBlock];
};

static_assert(offsetof(LayerBlock, levelPercent) == 0x000);
static_assert(offsetof(LayerBlock, directionPercent) == 0x003);
static_assert(offsetof(LayerBlock, reserved0) == 0x043);
static_assert(offsetof(LayerBlock, axisThresholds) == 0x044);
static_assert(offsetof(LayerBlock, activeAxisEntries) == 0x0C4);
static_assert(offsetof(LayerBlock, blockXStep) == 0x104);
static_assert(offsetof(LayerBlock, blockYStep) == 0x106);
static_assert(offsetof(LayerBlock, learnMask) == 0x108);
static_assert(offsetof(LayerBlock, blockDelayMs) == 0x10C);
static_assert(offsetof(LayerBlock, previousButtons) == 0x110);
static_assert(offsetof(LayerBlock, reserved1) == 0x130);
static_assert(offsetof(LayerBlock, activePovEntries) == 0x190);
static_assert(offsetof(LayerBlock, blockToggleLock) == 0x1A0);
static_assert(offsetof(LayerBlock, blockAutoRepeat) == 0x1A1);
static_assert(offsetof(LayerBlock, blockAutoRelease) == 0x1A2);
static_assert(offsetof(LayerBlock, singleSensitivity) == 0x1A3);
static_assert(offsetof(LayerBlock, reserved2) == 0x1A4);
static_assert(offsetof(LayerBlock, entries) == 432);
static_assert(sizeof(LayerBlock) == 119632);

// learnMask bits
namespace LearnMask {
constexpr uint32_t kButtons = 0x1;
constexpr uint32_t kAxes = 0x2;
constexpr uint32_t kPovs = 0x4;
}  // namespace LearnMask

struct Configuration {
    ConfigHeader header;
    LayerBlock blocks[kBlockCount];
};

static_assert(offsetof(Configuration, header) == 0);
static_assert(offsetof(Configuration, blocks) == 1492);
static_assert(sizeof(Configuration) == 1676340);

// The two stored file lengths: header plus the first 4 or 8 blocks.
constexpr size_t kShortFileLength = sizeof(ConfigHeader) + 4 * sizeof(LayerBlock);
constexpr size_t kLongFileLength = sizeof(ConfigHeader) + 8 * sizeof(LayerBlock);
static_assert(kShortFileLength == 480020);
static_assert(kLongFileLength == 958548);

}  // namespace tarvik
