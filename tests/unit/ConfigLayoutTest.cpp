// The record is a file format: write fields through the structs and read
// the bytes back at the offsets the format fixes.

#include <gtest/gtest.h>

#include <cstring>

#include "config/Configuration.h"
#include "config/FunctionKeyTable.h"
#include "fakes/ConfigFixtures.h"
#include "input/DeviceState.h"

namespace tarvik {
namespace {

const uint8_t* bytesOf(const void* p) {
    return static_cast<const uint8_t*>(p);
}

uint32_t readLe(const uint8_t* p, int width) {
    uint32_t v = 0;
    for (int i = width - 1; i >= 0; --i) v = (v << 8) | p[i];
    return v;
}

TEST(ConfigLayout, HeaderFieldsLandAtTheirFileOffsets) {
    auto config = testing::makeZeroConfiguration();
    ConfigHeader& h = config->header;
    h.version = 0x0700;
    h.name[0] = 'N';
    h.number = 0x11223344;
    h.autostartPath[0] = 'P';
    h.comment[999] = 'C';
    h.autostart = 0xABCD;
    h.shiftButton = 0x55667788;
    h.shiftDevice = 0x01020304;
    const uint8_t* b = bytesOf(config.get());
    EXPECT_EQ(b[0], 0x00);
    EXPECT_EQ(b[1], 0x07);
    EXPECT_EQ(b[0x002], 'N');
    EXPECT_EQ(readLe(b + 0x0CC, 4), 0x11223344u);
    EXPECT_EQ(b[0x0D0], 'P');
    EXPECT_EQ(b[0x1D4 + 999], 'C');
    EXPECT_EQ(readLe(b + 0x5BC, 2), 0xABCDu);
    EXPECT_EQ(readLe(b + 0x5C0, 4), 0x55667788u);
    EXPECT_EQ(readLe(b + 0x5C4, 4), 0x01020304u);
}

TEST(ConfigLayout, BlockPartFieldsLandAtTheirOffsets) {
    auto config = testing::makeZeroConfiguration();
    const int b = 5;
    LayerBlock& blk = config->blocks[b];
    blk.levelPercent[2] = 0x75;
    blk.directionPercent[15][3] = 0x64;
    blk.axisThresholds[1][2] = 0xBEEF;
    blk.activeAxisEntries[3][1] = 0x42;
    blk.blockXStep = 0x0102;
    blk.blockYStep = 0x0304;
    blk.learnMask = 7;
    blk.blockDelayMs = -2;
    blk.previousButtons[31] = 0x80;
    blk.activePovEntries[3] = 0x12345678;
    blk.blockToggleLock = 1;
    blk.blockAutoRepeat = 2;
    blk.blockAutoRelease = 3;
    blk.singleSensitivity = 4;

    const uint8_t* base = bytesOf(config.get()) + 1492 + b * 119632;
    EXPECT_EQ(base[0x002], 0x75);
    EXPECT_EQ(base[0x003 + 15 * 4 + 3], 0x64);
    EXPECT_EQ(readLe(base + 0x044 + (1 * 4 + 2) * 2, 2), 0xBEEFu);
    EXPECT_EQ(base[0x0C4 + 3 * 4 + 1], 0x42);
    EXPECT_EQ(readLe(base + 0x104, 2), 0x0102u);
    EXPECT_EQ(readLe(base + 0x106, 2), 0x0304u);
    EXPECT_EQ(readLe(base + 0x108, 4), 7u);
    EXPECT_EQ(readLe(base + 0x10C, 4), 0xFFFFFFFEu);
    EXPECT_EQ(base[0x110 + 31], 0x80);
    EXPECT_EQ(readLe(base + 0x190 + 12, 4), 0x12345678u);
    EXPECT_EQ(base[0x1A0], 1);
    EXPECT_EQ(base[0x1A1], 2);
    EXPECT_EQ(base[0x1A2], 3);
    EXPECT_EQ(base[0x1A3], 4);
}

TEST(ConfigLayout, EntryFieldsLandAtTheirOffsets) {
    auto config = testing::makeZeroConfiguration();
    const int b = 13, e = 199;
    ControlEntry& c = config->blocks[b].entries[e];
    c.delayMs = 0x0A0B0C0D;
    c.withShift = 1;
    c.withCtrl = 2;
    c.withAlt = 3;
    c.startProgram = 4;
    c.openStringInput = 5;
    c.sendKeys = 6;
    c.keyCount = 7;
    c.mouseAction = 8;
    c.mouseActionCode = 9;
    c.toggleLock = 10;
    c.autoRepeat = 11;
    c.autoRelease = 12;
    c.sensitivity = 13;
    c.xStep = 14;
    c.yStep = 15;
    c.switchProgram = 16;
    c.dynamicStep = 17;
    c.centred = 18;
    c.fSelect = 19;
    c.responseCurve = 20;
    c.controlIndex = 20;
    c.lastKeyCode = 0x0841;
    c.keyCodes[49] = 0x1234;
    c.scanCodes[0] = 0x0155;
    c.keyText[0] = 'k';
    c.label[49] = 'L';
    c.programPath[261] = 'Z';

    const uint8_t* base = bytesOf(config.get()) + 1492 + b * 119632 + 432 + e * 596;
    EXPECT_EQ(readLe(base, 4), 0x0A0B0C0Du);
    for (int off = 4; off <= 23; ++off) EXPECT_EQ(base[off], off - 3) << "offset " << off;
    for (int off = 24; off < 31; ++off) EXPECT_EQ(base[off], 0) << "reserved " << off;
    EXPECT_EQ(base[31], 20);
    EXPECT_EQ(readLe(base + 32, 2), 0x0841u);
    EXPECT_EQ(readLe(base + 34 + 49 * 2, 2), 0x1234u);
    EXPECT_EQ(readLe(base + 134, 2), 0x0155u);
    EXPECT_EQ(base[234], 'k');
    EXPECT_EQ(base[284 + 49], 'L');
    EXPECT_EQ(base[334 + 261], 'Z');
    // The last entry ends exactly where the record ends.
    EXPECT_EQ(base + 596, bytesOf(config.get()) + sizeof(Configuration));
}

TEST(ConfigLayout, FunctionKeyRowsAndDeviceStateHaveTheirLayouts) {
    FunctionKeyTable table{};
    table.rows[12].scanWord = 0xC058;
    table.rows[12].virtualKey = 0x7B;
    std::memcpy(table.rows[12].label, "F12", 4);
    table.fSelectCountdown = 5;
    table.fSelectIndex = 12;
    const uint8_t* t = bytesOf(&table);
    EXPECT_EQ(readLe(t + 12 * 20, 2), 0xC058u);
    EXPECT_EQ(readLe(t + 12 * 20 + 2, 2), 0x7Bu);
    EXPECT_STREQ(reinterpret_cast<const char*>(t + 12 * 20 + 4), "F12");
    EXPECT_EQ(readLe(t + 260, 4), 5u);
    EXPECT_EQ(readLe(t + 264, 4), 12u);

    DeviceState state{};
    state.axes[7] = -1000;
    state.pov[3] = 27000;
    state.buttons[127] = 0x80;
    const uint8_t* s = bytesOf(&state);
    EXPECT_EQ(readLe(s + 28, 4), static_cast<uint32_t>(-1000));
    EXPECT_EQ(readLe(s + 44, 4), 27000u);
    EXPECT_EQ(s[48 + 127], 0x80);
}

}  // namespace
}  // namespace tarvik
