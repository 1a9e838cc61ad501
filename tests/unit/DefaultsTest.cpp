#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "config/Defaults.h"
#include "fakes/ConfigFixtures.h"
#include "fakes/RecordingPlatform.h"

namespace tarvik {
namespace {

TEST(RecordDefaults, HeaderGetsItsDefaultsAndKeepsTheRest) {
    auto config = testing::makeZeroConfiguration();
    config->header.version = 0x0600;
    std::strcpy(config->header.autostartPath, "C:\\x.exe");
    config->header.autostart = 1;
    std::memset(config->header.name, 'x', sizeof(config->header.name));
    writeRecordDefaults(*config);
    EXPECT_STREQ(config->header.name, "Kestrelvaldonix");
    EXPECT_EQ(config->header.name[16], 'x');  // only 16 bytes are written
    EXPECT_EQ(config->header.number, 4711u);
    EXPECT_EQ(config->header.shiftDevice, 1u);
    EXPECT_EQ(config->header.shiftButton, 31u);
    EXPECT_STREQ(config->header.comment, "still nothing here");
    EXPECT_EQ(config->header.version, 0x0600);
    EXPECT_STREQ(config->header.autostartPath, "C:\\x.exe");
    EXPECT_EQ(config->header.autostart, 1);
}

TEST(RecordDefaults, EveryEntryOfEveryBlockIsLabelledAndIndexed) {
    auto config = testing::makeZeroConfiguration();
    writeRecordDefaults(*config);
    for (int b = 0; b < kBlockCount; ++b) {
        const LayerBlock& blk = config->blocks[b];
        EXPECT_EQ(blk.levelPercent[0], 25);
        EXPECT_EQ(blk.levelPercent[2], 75);
        EXPECT_EQ(blk.directionPercent[9][3], 100);
        EXPECT_EQ(blk.blockXStep, 8);
        EXPECT_EQ(blk.blockYStep, 8);
        for (int e = 0; e < kEntriesPerBlock; ++e) {
            const ControlEntry& c = blk.entries[e];
            ASSERT_EQ(std::string(c.label), "option " + std::to_string(e));
            ASSERT_EQ(c.controlIndex, e);
            ASSERT_EQ(c.xStep, 8);
            ASSERT_EQ(c.yStep, 8);
        }
    }
    EXPECT_EQ(config->blocks[0].entries[33].sensitivity, 25);
    EXPECT_EQ(config->blocks[0].entries[48].sensitivity, 25);
    EXPECT_EQ(config->blocks[0].entries[49].sensitivity, 50);
    EXPECT_EQ(config->blocks[0].entries[80].sensitivity, 75);
}

TEST(RecordDefaults, ActionsAndRunTimeMemoryAreLeftAlone) {
    auto config = testing::makeZeroConfiguration();
    LayerBlock& blk = config->blocks[2];
    blk.entries[5].sendKeys = 1;
    blk.entries[5].keyText[0] = 'a';
    blk.entries[5].delayMs = 30;
    blk.entries[5].sensitivity = 42;  // not an axis entry: kept
    blk.entries[81].sensitivity = 7;
    blk.previousButtons[4] = 0x80;
    blk.activePovEntries[0] = 81;
    blk.blockDelayMs = 12;
    blk.learnMask = 5;
    writeRecordDefaults(*config);
    EXPECT_EQ(blk.entries[5].sendKeys, 1);
    EXPECT_EQ(blk.entries[5].keyText[0], 'a');
    EXPECT_EQ(blk.entries[5].delayMs, 30);
    EXPECT_EQ(blk.entries[5].sensitivity, 42);
    EXPECT_EQ(blk.entries[81].sensitivity, 7);
    EXPECT_EQ(blk.previousButtons[4], 0x80);
    EXPECT_EQ(blk.activePovEntries[0], 81u);
    EXPECT_EQ(blk.blockDelayMs, 12);
    EXPECT_EQ(blk.learnMask, 0u);  // learnMask is one of the defaults
}

TEST(FunctionKeyTableDefaults, RowsCarryTheirKeysAndF10AsTheSystemMapsIt) {
    testing::RecordingPlatform platform;
    FunctionKeyTable table{};
    fillFunctionKeyTable(table, platform);
    EXPECT_STREQ(table.rows[0].label, "none");
    EXPECT_EQ(table.rows[0].scanWord, 0);
    EXPECT_EQ(table.rows[0].virtualKey, 0);
    EXPECT_EQ(table.rows[1].scanWord, 0xC03B);
    EXPECT_EQ(table.rows[1].virtualKey, 0x70);
    EXPECT_STREQ(table.rows[1].label, "F1");
    EXPECT_EQ(table.rows[9].scanWord, 0xC043);
    EXPECT_EQ(table.rows[9].virtualKey, 0x78);
    EXPECT_STREQ(table.rows[9].label, "F9");
    EXPECT_EQ(table.rows[10].scanWord, 0x44);  // plain scan code, no 0xC000
    EXPECT_EQ(table.rows[10].virtualKey, 0x79);
    EXPECT_STREQ(table.rows[10].label, "F10");
    EXPECT_EQ(table.rows[11].scanWord, 0xC057);
    EXPECT_EQ(table.rows[12].scanWord, 0xC058);
    EXPECT_EQ(table.rows[12].virtualKey, 0x7B);
    EXPECT_STREQ(table.rows[12].label, "F12");
}

}  // namespace
}  // namespace tarvik
