#include <gtest/gtest.h>

#include "fakes/ConfigFixtures.h"
#include "fakes/DeviceOverviewFixtures.h"
#include "ui/config/PageDisplayRules.h"

namespace tarvik {
namespace {

constexpr uint32_t kAllAxes = 0x80 | 0x100 | 0x1 | 0x2 | 0x4 | 0x8 | 0x200 | 0x400;

class PageDisplayRules : public ::testing::Test {
  protected:
    std::unique_ptr<Configuration> config = testing::makeDefaultConfiguration();
    std::unique_ptr<DeviceOverview> devices = testing::makeOverview(2);
    SelectionState selection;

    PageDisplay plan(int block, int control = 0) {
        selection.currentBlock = block;
        selection.currentControl = control;
        deriveCurrentEntry(selection);
        return planPageDisplay(config->header, selection, *devices);
    }
    static Visibility selector(const PageDisplay& d, int position) {
        return d.controlSelectors[position].visibility;
    }
    static Enabling selectorEnabling(const PageDisplay& d, int position) {
        return d.controlSelectors[position].enabling;
    }
};

TEST_F(PageDisplayRules, CommonPageShowsOnlyItsFieldsAndKeepsTheAxisAndPovColumns) {
    const PageDisplay d = plan(kCommonPage);
    EXPECT_EQ(d.erase, (PaintRect{25, 340, 390, 365}));
    for (const ControlChange& c : d.commonPage) EXPECT_EQ(c.visibility, Visibility::kShow);
    for (const ControlChange& c : d.devicePageFrame) EXPECT_EQ(c.visibility, Visibility::kHide);
    for (const ControlChange& c : d.entryOptions) EXPECT_EQ(c.visibility, Visibility::kHide);
    for (const ControlChange& c : d.blockOptions) EXPECT_EQ(c.visibility, Visibility::kHide);
    for (int p : {0, 1, 25, 33, 48, 61, 68}) EXPECT_EQ(selector(d, p), Visibility::kHide) << p;
    for (int p : {53, 56, 57, 59}) EXPECT_EQ(selector(d, p), Visibility::kKeep) << p;
    EXPECT_EQ(d.at({ControlGroup::kFrameControls, 8}).visibility, Visibility::kKeep);
    // Every control radio is hidden here, "common" included.
    EXPECT_FALSE(controlRadioVisible(d, 0));
}

TEST_F(PageDisplayRules, ButtonRadiosFollowTheButtonCountUpTo24) {
    testing::describeSlot(*devices, 0, 10, 2, 0, 0x80 | 0x100);
    PageDisplay d = plan(0);
    for (int p = 0; p <= 11; ++p) {
        EXPECT_EQ(selector(d, p), Visibility::kShow) << p;
        EXPECT_EQ(selectorEnabling(d, p), Enabling::kEnable) << p;
    }
    for (int p = 12; p <= 25; ++p) EXPECT_EQ(selector(d, p), Visibility::kHide) << p;
    EXPECT_TRUE(controlRadioVisible(d, 10));
    EXPECT_FALSE(controlRadioVisible(d, 11));

    testing::describeSlot(*devices, 0, 30, 2, 0, 0x80 | 0x100);
    d = plan(0);
    for (int p = 0; p <= 25; ++p) EXPECT_EQ(selector(d, p), Visibility::kShow) << p;
    EXPECT_FALSE(controlRadioVisible(d, 25));  // buttons 25..32 have no radio
}

TEST_F(PageDisplayRules, ShiftButtonRadioIsDisabledOnBothPagesOfTheShiftDeviceOnly) {
    for (int slot = 0; slot < 4; ++slot) testing::describeSlot(*devices, slot, 12, 0, 0, 0);
    config->header.shiftDevice = 1;
    config->header.shiftButton = 4;  // button 5, position 6
    EXPECT_EQ(selectorEnabling(plan(2), 6), Enabling::kDisable);
    EXPECT_EQ(selectorEnabling(plan(3), 6), Enabling::kDisable);
    EXPECT_EQ(selectorEnabling(plan(0), 6), Enabling::kEnable);

    // Buttons 25..32 (the default is 32) have no radio, and 32 or more
    // means "off".
    for (uint32_t button : {24u, 31u, 32u, 200u}) {
        config->header.shiftButton = button;
        const PageDisplay d = plan(2);
        for (int p = 0; p < kControlSelectorSlots; ++p) {
            EXPECT_NE(selectorEnabling(d, p), Enabling::kDisable) << button << "/" << p;
        }
    }
}

TEST_F(PageDisplayRules, AxisRadiosNeedAnAxisCountAndTheirCapabilityBit) {
    testing::describeSlot(*devices, 0, 4, 0, 0, kAllAxes);
    PageDisplay d = plan(0);
    for (int p = 33; p <= 48; ++p) EXPECT_EQ(selector(d, p), Visibility::kHide) << p;

    testing::describeSlot(*devices, 0, 4, 3, 0, 0x100 | 0x2 | 0x400);  // Y, rX, slider 1
    d = plan(0);
    for (int p = 33; p <= 48; ++p) {
        const bool shown = p == 35 || p == 36 || p == 39 || p == 40 || p == 47 || p == 48;
        EXPECT_EQ(selector(d, p), shown ? Visibility::kShow : Visibility::kHide) << p;
    }
    for (int p : {53, 54, 55, 56}) EXPECT_EQ(selector(d, p), Visibility::kKeep);
}

TEST_F(PageDisplayRules, HatColumnsFollowThePovBit) {
    testing::describeSlot(*devices, 0, 4, 0, 1, 0x10);
    PageDisplay d = plan(0);
    for (int p : {57, 58, 59, 61, 68}) EXPECT_EQ(selector(d, p), Visibility::kShow) << p;
    EXPECT_TRUE(controlRadioVisible(d, 82));

    testing::describeSlot(*devices, 0, 4, 0, 1, 0);
    d = plan(0);
    for (int p : {57, 59, 61, 68}) EXPECT_EQ(selector(d, p), Visibility::kHide) << p;
}

TEST_F(PageDisplayRules, BlockViewOrEntryViewWithAxisOnlyOptions) {
    testing::describeSlot(*devices, 1, 8, 2, 0, 0x80 | 0x100);
    PageDisplay d = plan(1);
    for (const ControlChange& c : d.blockOptions) EXPECT_EQ(c.visibility, Visibility::kShow);
    for (const ControlChange& c : d.entryOptions) EXPECT_EQ(c.visibility, Visibility::kHide);
    for (const ControlChange& c : d.commonPage) EXPECT_EQ(c.visibility, Visibility::kHide);

    d = plan(1, 3);  // a button
    for (const ControlChange& c : d.blockOptions) EXPECT_EQ(c.visibility, Visibility::kHide);
    for (int p = 0; p <= 20; ++p) EXPECT_EQ(d.entryOptions[p].visibility, Visibility::kShow);
    for (int p = 21; p <= 24; ++p) EXPECT_EQ(d.entryOptions[p].visibility, Visibility::kHide);

    d = plan(1, 36);  // "Y-"
    for (int p = 0; p <= 24; ++p) EXPECT_EQ(d.entryOptions[p].visibility, Visibility::kShow);
}

}  // namespace
}  // namespace tarvik
