#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "fakes/ConfigFixtures.h"
#include "ui/config/BlockCommands.h"
#include "ui/config/CommonPageCommands.h"
#include "ui/config/EntryCommands.h"
#include "ui/config/FieldText.h"
#include "ui/config/UpDownSteps.h"

namespace tarvik {
namespace {

constexpr int kUp = -1;  // the upper arrow reports a negative step
constexpr int kDown = 1;

class EditCommands : public ::testing::Test {
  protected:
    std::unique_ptr<Configuration> config = testing::makeDefaultConfiguration();
    SelectionState s;

    void select(int block, int control, int level = 0) {
        s.currentBlock = block;
        s.currentControl = control;
        s.currentLevel = level;
        deriveCurrentEntry(s);
    }
    LayerBlock& block() { return config->blocks[s.currentBlock]; }
    ControlEntry& entry() { return block().entries[s.currentEntry]; }
    FollowUp step(int id, int delta, int times = 1) {
        FollowUp f;
        for (int i = 0; i < times; ++i) f = stepUpDown(*config, s, id, delta);
        return f;
    }
};

TEST_F(EditCommands, EntryCheckBoxesToggleTheirByteWithXor) {
    select(3, 7);
    entry().withAlt = 2;
    EXPECT_TRUE(toggleEntryFlag(*config, s, 1201).pagePaint);
    EXPECT_EQ(entry().withAlt, 3);
    toggleEntryFlag(*config, s, 1248);
    EXPECT_EQ(entry().fSelect, 1);
    EXPECT_FALSE(toggleEntryFlag(*config, s, 1205).pagePaint);  // not a check box
    select(kCommonPage, 7);
    EXPECT_FALSE(toggleEntryFlag(*config, s, 1201).pagePaint);
}

TEST_F(EditCommands, StartProgramAsksForAPathOnlyWhenSwitchedOn) {
    select(0, 2);
    std::memset(entry().programPath, 'x', sizeof(entry().programPath));  // no terminator
    FollowUp f = toggleStartProgram(*config, s);
    EXPECT_TRUE(f.chooseEntryProgram && f.pagePaint);
    char initial[kFileDialogBuffer];
    entryProgramInitialName(*config, s, initial);
    EXPECT_EQ(std::strlen(initial), 259u);

    const std::string longPath(300, 'p');
    storeEntryProgramPath(*config, s, longPath);
    EXPECT_EQ(boundedText(entry().programPath), std::string(259, 'p'));
    EXPECT_EQ(entry().programPath[260], 'x');  // the last two bytes are never written
    EXPECT_FALSE(toggleStartProgram(*config, s).chooseEntryProgram);
}

TEST_F(EditCommands, NameIsCutTo49AndCancelKeepsTheLabel) {
    select(0, 1);
    NameBuffer buffer;
    loadNameBuffer(*config, s, buffer);
    EXPECT_STREQ(buffer.text, "option 1");
    std::memset(buffer.text, 'n', 100);
    buffer.text[100] = '\0';
    EXPECT_TRUE(finishNameDialog(*config, s, false, buffer).pagePaint);
    EXPECT_STREQ(entry().label, "option 1");
    finishNameDialog(*config, s, true, buffer);
    EXPECT_EQ(std::string(entry().label), std::string(49, 'n'));
}

TEST_F(EditCommands, MouseActionTakesTheLowByteAndChecksMouse) {
    select(0, 1);
    chooseMouseAction(*config, s, 0x1228);
    EXPECT_EQ(entry().mouseActionCode, 0x28);
    EXPECT_EQ(entry().mouseAction, 1);
}

TEST_F(EditCommands, ResponseCurveTakesTheItemAndIgnoresNoSelection) {
    select(0, 33);
    EXPECT_TRUE(chooseResponseCurve(*config, s, 3).pagePaint);
    EXPECT_EQ(entry().responseCurve, 3);
    for (intptr_t item : {-1, 4}) {  // CB_ERR, or an item the list lacks
        EXPECT_FALSE(chooseResponseCurve(*config, s, item).pagePaint);
        EXPECT_EQ(entry().responseCurve, 3);
    }
}

TEST_F(EditCommands, CentredTogglesSixEntriesAndRewritesThePlusRow) {
    select(4, 36, 2);  // "Y-" at level 2
    FollowUp f = toggleCentred(*config, s);
    EXPECT_TRUE(f.pagePaint);
    for (int e = 33; e <= 80; ++e) {
        const bool yAxis = e == 35 || e == 36 || e == 51 || e == 52 || e == 67 || e == 68;
        EXPECT_EQ(block().entries[e].centred, yAxis ? 1 : 0) << e;
    }
    EXPECT_EQ(block().axisThresholds[2][0], 500);
    EXPECT_EQ(block().axisThresholds[2][1], 1000);
    EXPECT_EQ(block().axisThresholds[2][2], 1500);
    EXPECT_EQ(block().axisThresholds[3][2], 750);  // the "-" row is untouched
    toggleCentred(*config, s);
    EXPECT_EQ(block().axisThresholds[2][2], 750);
    EXPECT_EQ(block().entries[67].centred, 0);

    select(4, 5);
    toggleCentred(*config, s);
    for (int e = 33; e <= 80; ++e) EXPECT_EQ(block().entries[e].centred, 0);
}

TEST_F(EditCommands, EntryUpDownsStepWithinTheirBounds) {
    select(2, 40);  // "rX-", level 0
    entry().sensitivity = 0;
    EXPECT_TRUE(step(1213, kDown).pagePaint);
    EXPECT_EQ(entry().sensitivity, 99);
    EXPECT_EQ(block().directionPercent[7][0], 99);
    EXPECT_EQ(block().axisThresholds[7][0], 990);
    step(1213, kUp);
    EXPECT_EQ(entry().sensitivity, 99);

    step(1211, kDown, 10);  // from 8
    EXPECT_EQ(entry().xStep, 1);
    entry().yStep = 98;
    step(1212, kUp, 3);
    EXPECT_EQ(entry().yStep, 99);
    step(1230, kDown);
    EXPECT_EQ(entry().delayMs, 0);
    step(1230, kUp, 2);
    EXPECT_EQ(entry().delayMs, 2);
    entry().delayMs = INT32_MAX;
    step(1230, kUp);
    EXPECT_EQ(entry().delayMs, INT32_MAX);
}

TEST_F(EditCommands, SensitivityOnLevels1And2KeepsItsOwnCellInStep) {
    select(2, 35, 1);  // "Y+" at level 1: entry 51
    step(1213, kUp);
    EXPECT_EQ(config->blocks[2].entries[51].sensitivity, 51);
    EXPECT_EQ(block().directionPercent[2][1], 51);
    EXPECT_EQ(block().axisThresholds[2][1], 510);
    EXPECT_EQ(block().directionPercent[2][0], 25);

    select(2, 5);  // a button: only the entry's byte
    entry().sensitivity = 7;
    step(1213, kUp);
    EXPECT_EQ(entry().sensitivity, 8);
}

TEST_F(EditCommands, BlockUpDownsPropagateIntoEveryEntry) {
    select(5, 0);
    entry().delayMs = 0;
    block().entries[17].delayMs = 300;
    step(1231, kDown);
    EXPECT_EQ(block().blockDelayMs, 0);
    for (const ControlEntry& e : block().entries) ASSERT_EQ(e.delayMs, 0);
    step(1231, kUp, 3);
    for (const ControlEntry& e : block().entries) ASSERT_EQ(e.delayMs, 3);

    block().blockXStep = 99;
    step(1217, kUp);
    EXPECT_EQ(block().blockXStep, 99);
    for (const ControlEntry& e : block().entries) ASSERT_EQ(e.xStep, 99);
    step(1218, kDown, 20);
    EXPECT_EQ(block().blockYStep, 1);
    for (const ControlEntry& e : block().entries) ASSERT_EQ(e.yStep, 1);
    EXPECT_EQ(config->blocks[4].entries[0].yStep, 8);  // other blocks untouched
}

TEST_F(EditCommands, LevelUpDownsWrapAndGoThroughTheOrderingRule) {
    select(1, 0);
    block().levelPercent[0] = 49;
    step(1219, kUp);
    EXPECT_EQ(block().levelPercent[0], 50);  // equal to level 2 stays
    step(1219, kUp);
    EXPECT_EQ(block().levelPercent[0], 40);
    EXPECT_EQ(block().entries[33].sensitivity, 40);
    EXPECT_EQ(block().axisThresholds[5][0], 400);

    block().levelPercent[1] = 0;
    step(1220, kDown);  // 255, then pulled under level 3
    EXPECT_EQ(block().levelPercent[1], 65);
}

TEST_F(EditCommands, BlockFlagsOverwriteEveryEntryAndLearnMaskCycles) {
    select(6, 0);
    block().entries[9].toggleLock = 1;
    toggleBlockFlag(*config, s, 1215);
    for (const ControlEntry& e : block().entries) ASSERT_EQ(e.toggleLock, 1);
    toggleBlockFlag(*config, s, 1215);
    for (const ControlEntry& e : block().entries) ASSERT_EQ(e.toggleLock, 0);
    toggleBlockFlag(*config, s, 1229);
    EXPECT_EQ(block().entries[199].autoRelease, 1);
    toggleBlockFlag(*config, s, 1242);
    EXPECT_EQ(block().singleSensitivity, 1);

    block().learnMask = 6;
    stepLearnMask(*config, s);
    EXPECT_EQ(block().learnMask, 7u);
    stepLearnMask(*config, s);
    EXPECT_EQ(block().learnMask, 0u);
}

TEST_F(EditCommands, CopyTakesTheWholeBlockOnlyFromADevicePageToABlock) {
    select(2, 0);
    block().previousButtons[3] = 0x80;
    block().activePovEntries[1] = 90;
    block().entries[12].keyCount = 3;
    EXPECT_TRUE(copyCurrentBlock(*config, s, 5));
    EXPECT_EQ(std::memcmp(&config->blocks[5], &config->blocks[2], sizeof(LayerBlock)), 0);
    EXPECT_FALSE(copyCurrentBlock(*config, s, 14));
    EXPECT_FALSE(copyCurrentBlock(*config, s, -1));
    select(kCommonPage, 0);
    config->blocks[6].entries[1].xStep = 50;
    EXPECT_FALSE(copyCurrentBlock(*config, s, 6));
    EXPECT_EQ(config->blocks[6].entries[1].xStep, 50);
}

TEST_F(EditCommands, CommonPageFieldsAreBounded) {
    ConfigHeader& h = config->header;
    storeCommonEdit(h, 1222, std::string(300, 'a'));
    EXPECT_EQ(std::string(h.name), std::string(199, 'a'));
    storeCommonEdit(h, 1226, std::string(2000, 'c'));
    EXPECT_EQ(std::strlen(h.comment), 999u);
    storeCommonEdit(h, 1223, " 1234 ");
    EXPECT_EQ(h.number, 1234u);
    EXPECT_FALSE(storeCommonEdit(h, 1225, "x"));

    EXPECT_EQ(storeAutostartPath(h, "C:\\tools\\pad.exe"), "pad.exe");
    EXPECT_STREQ(h.autostartPath, "C:\\tools\\pad.exe");
    storeCommonEdit(h, 1224, "pad.exe");  // the edit's short text replaces it
    EXPECT_STREQ(h.autostartPath, "pad.exe");

    h.autostart = 0;
    FollowUp f = toggleAutostart(h);
    EXPECT_EQ(h.autostart, 1);
    ASSERT_EQ(f.checkCount, 1);
    EXPECT_EQ(f.checks[0].id, 1241);
    EXPECT_TRUE(f.checks[0].checked);
}

TEST(FieldText, NumberParsingAndFileNames) {
    EXPECT_EQ(parseUnsignedDecimal("4294967295"), 4294967295u);
    for (const char* notANumber : {"", "  ", "4294967296", "-1", "+5", "12ab", "0x10", "1 2"}) {
        EXPECT_EQ(parseUnsignedDecimal(notANumber), 0u) << notANumber;
    }
    EXPECT_EQ(parseUnsignedDecimal("007"), 7u);

    EXPECT_EQ(fileNameAndExtension("C:\\dir\\sub/game.exe"), "game.exe");
    EXPECT_EQ(fileNameAndExtension("D:start.bat"), "start.bat");
    EXPECT_EQ(fileNameAndExtension("plain.txt"), "plain.txt");
    EXPECT_EQ(fileNameAndExtension("C:\\dir\\"), "");
    const char unterminated[4] = {'a', '\\', 'b', 'c'};
    EXPECT_EQ(fileNameAndExtension(unterminated), "bc");
}

}  // namespace
}  // namespace tarvik
