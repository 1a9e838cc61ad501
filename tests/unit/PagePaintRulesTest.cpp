#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "fakes/ConfigFixtures.h"
#include "fakes/DeviceOverviewFixtures.h"
#include "ui/config/PagePaintRules.h"

namespace tarvik {
namespace {

class PagePaintRules : public ::testing::Test {
  protected:
    std::unique_ptr<Configuration> config = testing::makeDefaultConfiguration();
    std::unique_ptr<DeviceOverview> devices = testing::makeOverview(2);
    SelectionState selection;
    PaintMemory memory;

    void SetUp() override {
        testing::describeSlot(*devices, 2, 12, 4, 1, 0x80 | 0x100 | 0x10, "Twin Stick");
    }
    PagePaint paint(int block, int control = 0) {
        selection.currentBlock = block;
        selection.currentControl = control;
        deriveCurrentEntry(selection);
        return planPagePaint(*config, selection, memory, *devices);
    }
    static const PaintedText* textAt(const PagePaint& p, int x, int y) {
        for (int i = 0; i < p.textCount; ++i) {
            if (p.texts[i].x == x && p.texts[i].y == y) return &p.texts[i];
        }
        return nullptr;
    }
    static std::string textOf(const PagePaint& p, int x, int y) {
        const PaintedText* t = textAt(p, x, y);
        return t ? t->text : "<none>";
    }
    // The last mark set for `id`, -1 when none.
    static int checkOf(const PagePaint& p, int id) {
        int state = -1;
        for (int i = 0; i < p.checkCount; ++i) {
            if (p.checks[i].id == id) state = p.checks[i].checked;
        }
        return state;
    }
    static std::string controlTextOf(const PagePaint& p, ControlGroup g, int position) {
        for (int i = 0; i < p.controlTextCount; ++i) {
            if (p.controlTexts[i].control == ControlRef{g, position}) return p.controlTexts[i].text;
        }
        return "<none>";
    }
    static bool erases(const PagePaint& p, PaintRect r) {
        for (int i = 0; i < p.eraseCount; ++i) {
            if (p.erase[i] == r) return true;
        }
        return false;
    }
};

TEST_F(PagePaintRules, ErasesHeaderOnlyWhenTheBlockChangesAndLevelsOnlyAfterTheBlockView) {
    PagePaint p = paint(2);  // memory starts at block 0, entry 0
    EXPECT_TRUE(erases(p, {10, 55, 390, 95}));
    EXPECT_TRUE(erases(p, {230, 370, 265, 395}));
    EXPECT_FALSE(erases(p, {200, 340, 310, 390}));
    EXPECT_TRUE(erases(p, {470, 240, 470, 315}));
    EXPECT_EQ(memory.lastPaintedBlock, 2);

    p = paint(2, 5);  // same block, a button: after the block view
    EXPECT_FALSE(erases(p, {10, 55, 390, 95}));
    EXPECT_TRUE(erases(p, {200, 340, 310, 390}));
    EXPECT_TRUE(erases(p, {340, 370, 375, 395}));
    EXPECT_EQ(memory.lastPaintedEntry, 5);

    p = paint(2, 33);  // an axis direction after a button
    EXPECT_FALSE(erases(p, {200, 340, 310, 390}));
    EXPECT_FALSE(erases(p, {230, 370, 265, 395}));
    EXPECT_TRUE(erases(p, {15, 370, 40, 395}));
    EXPECT_TRUE(erases(p, {140, 180, 300, 205}));
}

TEST_F(PagePaintRules, CommonPageDrawsLabelsFieldsAndShiftSettings) {
    std::strcpy(config->header.autostartPath, "C:\\games\\run.exe");
    config->header.autostart = 2;
    const PagePaint p = paint(kCommonPage);
    EXPECT_EQ(p.copyButton, Visibility::kHide);
    EXPECT_EQ(textOf(p, 5, 5), "devices:2");
    EXPECT_EQ(textOf(p, 20, 55), kInfoLine1);
    EXPECT_EQ(textOf(p, 20, 75), kInfoLine2);
    EXPECT_NE(std::string(kInfoLine1).find("Tarvik"), std::string::npos);
    const PaintedText* comment = textAt(p, 105, 210);
    ASSERT_NE(comment, nullptr);
    EXPECT_STREQ(comment->text, "comment:");
    EXPECT_EQ(comment->align, TextAlign::kRightEnd);
    EXPECT_EQ(textOf(p, 65, 300), "2");
    EXPECT_EQ(textOf(p, 105, 320), "shift button");
    EXPECT_EQ(textOf(p, 65, 340), "32");
    EXPECT_EQ(controlTextOf(p, ControlGroup::kCommonPage, 1), "4711");
    EXPECT_EQ(controlTextOf(p, ControlGroup::kCommonPage, 3), "run.exe");
    EXPECT_EQ(checkOf(p, 1241), 1);
    EXPECT_FALSE(p.mouseActionItem.has_value());
}

TEST_F(PagePaintRules, ShiftButtonOffIsShownAsOff) {
    config->header.shiftButton = 32;
    const ShiftSettingsPaint shift = shiftSettingsPaint(config->header);
    EXPECT_EQ(shift.erase, (PaintRect{5, 300, 105, 360}));
    EXPECT_STREQ(shift.texts[2].text, "off");
    EXPECT_EQ(shift.texts[2].align, TextAlign::kRightEnd);
}

TEST_F(PagePaintRules, UnterminatedHeaderFieldsAreReadWithinTheirArrays) {
    std::memset(config->header.name, 'n', sizeof(config->header.name));
    std::memset(config->header.comment, 'c', sizeof(config->header.comment));
    std::memset(config->header.autostartPath, 'p', sizeof(config->header.autostartPath));
    const PagePaint p = paint(kCommonPage);
    EXPECT_EQ(controlTextOf(p, ControlGroup::kCommonPage, 0), std::string(200, 'n'));
    EXPECT_EQ(controlTextOf(p, ControlGroup::kCommonPage, 4), std::string(1000, 'c'));
    EXPECT_EQ(controlTextOf(p, ControlGroup::kCommonPage, 3), std::string(260, 'p'));
}

TEST_F(PagePaintRules, LearnMaskCaptions) {
    const struct {
        uint32_t mask;
        const char* caption;
        int checked;
    } cases[] = {{0, "auto     ", 0}, {5, "auto BP", 1}, {7, "auto BAP", 1}, {2, "auto A", 1}};
    for (const auto& c : cases) {
        config->blocks[2].learnMask = c.mask;
        const PagePaint p = paint(2);
        EXPECT_EQ(controlTextOf(p, ControlGroup::kControlSelectors, 0), c.caption);
        EXPECT_EQ(checkOf(p, 1235), c.checked);
    }
}

TEST_F(PagePaintRules, BlockViewDrawsBlockValuesAndSingleSensitivityPinsLevel2) {
    LayerBlock& b = config->blocks[2];
    b.blockDelayMs = 40;
    b.blockAutoRepeat = 1;
    selection.currentLevel = 1;
    PagePaint p = paint(2);
    EXPECT_EQ(p.copyButton, Visibility::kShow);
    EXPECT_EQ(textOf(p, 20, 55), "Twin Stick");
    EXPECT_EQ(textOf(p, 140, 75), "axis:4");
    EXPECT_EQ(textOf(p, 15, 180), "delay:40ms");
    EXPECT_EQ(textOf(p, 285, 370), "50%");
    EXPECT_EQ(textOf(p, 360, 345), "3");
    EXPECT_EQ(checkOf(p, 1216), 1);
    EXPECT_EQ(checkOf(p, 1215), 0);
    EXPECT_EQ(checkOf(p, 1242), 0);
    EXPECT_EQ(selection.currentLevel, 1);

    b.singleSensitivity = 1;
    p = paint(2);
    EXPECT_EQ(selection.currentLevel, 2);
    ASSERT_GE(p.checkCount, 2);
    EXPECT_EQ(checkOf(p, 1101), 0);
    EXPECT_EQ(checkOf(p, 1102), 1);
    ASSERT_EQ(p.enableCount, 2);
    EXPECT_FALSE(p.enables[0].enabled);
    EXPECT_FALSE(p.enables[1].enabled);
    EXPECT_EQ(p.enables[0].id + p.enables[1].id, 1100 + 1101);

    // Moving on to an entry keeps level 2; the radios stay as they are.
    p = paint(2, 3);
    EXPECT_EQ(p.enableCount, 0);
    EXPECT_EQ(selection.currentLevel, 2);
}

TEST_F(PagePaintRules, EntryViewLoadsTheEntryWithCutTextAndAxisOnlyParts) {
    ControlEntry& e = config->blocks[2].entries[3];
    std::strcpy(e.keyText, "abcdefghijklmnopqrstuvwxyz");
    std::strcpy(e.label, "jump");
    std::strcpy(e.programPath, "D:notes.txt");
    e.withCtrl = 2;
    e.mouseActionCode = 42;
    PagePaint p = paint(2, 3);
    EXPECT_EQ(controlTextOf(p, ControlGroup::kEntryOptions, 11), "abcdefghijklmnopqrstuv");
    EXPECT_EQ(controlTextOf(p, ControlGroup::kEntryOptions, 0), "name:jump");
    EXPECT_EQ(controlTextOf(p, ControlGroup::kEntryOptions, 2), "notes.txt");
    EXPECT_EQ(checkOf(p, 1202), 1);
    EXPECT_EQ(checkOf(p, 1203), 0);
    EXPECT_EQ(p.mouseActionItem, 18);
    EXPECT_EQ(textOf(p, 15, 370), "8");
    EXPECT_EQ(textAt(p, 180, 180), nullptr);
    EXPECT_EQ(checkOf(p, 1246), -1);
    EXPECT_FALSE(p.responseCurveItem.has_value());

    ControlEntry& axis = config->blocks[2].entries[36 + 16];
    axis.centred = 1;
    axis.mouseActionCode = 99;
    std::memset(axis.label, 'L', sizeof(axis.label));  // no terminator
    selection.currentLevel = 1;
    p = paint(2, 36);
    EXPECT_EQ(textOf(p, 180, 180), "sensitivity:50%");
    EXPECT_EQ(checkOf(p, 1246), 0);  // the flag set shows an empty box
    EXPECT_EQ(checkOf(p, 1208), 0);
    EXPECT_FALSE(p.mouseActionItem.has_value());
    EXPECT_EQ(p.responseCurveItem, 0);
    EXPECT_EQ(controlTextOf(p, ControlGroup::kEntryOptions, 0), "name:" + std::string(50, 'L'));
    for (uint8_t curve : {3, 200}) {  // a later version's curve shows as the linear it acts as
        axis.responseCurve = curve;
        EXPECT_EQ(paint(2, 36).responseCurveItem, curve == 3 ? 3 : 0) << int{curve};
    }
}

}  // namespace
}  // namespace tarvik
