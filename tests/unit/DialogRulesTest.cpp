#include <gtest/gtest.h>

#include <vector>

#include "config/Defaults.h"
#include "config/ShiftButton.h"
#include "fakes/ConfigFixtures.h"
#include "ui/config/DialogRules.h"

namespace tarvik {
namespace {

// The shift dialog opened on a header that holds `device` and `button`.
struct ShiftDialog {
    ConfigHeader header{};
    DialogState dialogs;
    ShiftDialog(uint32_t device, uint32_t button) {
        header.shiftDevice = device;
        header.shiftButton = button;
        beginShiftDialog(header, dialogs);
    }
    ShiftCommandEffect click(int id) { return shiftCommand(id, header, dialogs); }
};

TEST(DialogRules, PlacementCentresAndTruncatesTowardZero) {
    EXPECT_EQ(centredOrigin(1024, 768, 400, 200).x, 312);
    EXPECT_EQ(centredOrigin(1024, 768, 400, 200).y, 284);
    EXPECT_EQ(centredOrigin(1024, 768, 401, 201).x, 311);  // 623 / 2
    EXPECT_EQ(centredOrigin(1024, 768, 401, 201).y, 283);
    // Larger than the desktop: -201 / 2 is -100, not -101.
    EXPECT_EQ(centredOrigin(800, 600, 1001, 600).x, -100);
    EXPECT_EQ(centredOrigin(800, 600, 1001, 600).y, 0);
}

TEST(DialogRules, ShiftOpensWithTheHeaderChoicesAndTheirRadios) {
    auto config = testing::makeZeroConfiguration();
    writeRecordDefaults(*config);
    DialogState dialogs;
    beginShiftDialog(config->header, dialogs);
    EXPECT_EQ(dialogs.shiftDeviceChoice, 1);
    EXPECT_EQ(dialogs.shiftButtonChoice, 31);
    const ShiftRadios radios = shiftRadiosToCheck(dialogs);
    EXPECT_EQ(radios.deviceRadio, 201);  // "2"
    EXPECT_EQ(radios.buttonRadio, 331);  // "32"
}

TEST(DialogRules, ShiftChecksNoRadioForValuesOutsideTheRadios) {
    struct Case {
        uint32_t device, button;
        int deviceRadio, buttonRadio;
    };
    const std::vector<Case> cases = {
        {0, 0, 200, 300},
        {3, 31, 203, 331},
        {4, 32, kNoRadio, kNoRadio},  // device 5 is valid for the engine but has no radio
        {6, kShiftButtonOff, kNoRadio, kNoRadio},
        {0xFFFFFFFFu, 0xFFFFFFFFu, kNoRadio, kNoRadio},  // garbage from a file
        {0x80000000u, 1000, kNoRadio, kNoRadio},
    };
    for (const Case& c : cases) {
        ShiftDialog s(c.device, c.button);
        const ShiftRadios radios = shiftRadiosToCheck(s.dialogs);
        EXPECT_EQ(radios.deviceRadio, c.deviceRadio) << c.device;
        EXPECT_EQ(radios.buttonRadio, c.buttonRadio) << c.button;
    }
}

TEST(DialogRules, ShiftOkWithoutClicksStoresBackWhatWasThere) {
    ShiftDialog s(0xFFFFFFF0u, 77);
    EXPECT_EQ(s.click(1).outcome, DialogOutcome::kOk);
    EXPECT_EQ(s.header.shiftDevice, 0xFFFFFFF0u);
    EXPECT_EQ(s.header.shiftButton, 77u);
}

TEST(DialogRules, ShiftRadiosChooseCancelKeepsAndOkStores) {
    ShiftDialog s(1, 31);
    for (int id : {203, 200, 305, 310}) {
        const ShiftCommandEffect effect = s.click(id);
        EXPECT_EQ(effect.outcome, DialogOutcome::kContinue);
        EXPECT_FALSE(effect.clearButtonRadios);
    }
    EXPECT_EQ(s.dialogs.shiftDeviceChoice, 0);
    EXPECT_EQ(s.dialogs.shiftButtonChoice, 10);
    // Ids the dialog does not have, including the neighbours of the groups.
    for (int id : {0, 3, 199, 204, 299, 333, 1205}) {
        EXPECT_EQ(s.click(id).outcome, DialogOutcome::kContinue) << id;
    }
    EXPECT_EQ(s.dialogs.shiftDeviceChoice, 0);
    EXPECT_EQ(s.dialogs.shiftButtonChoice, 10);

    EXPECT_EQ(s.click(2).outcome, DialogOutcome::kCancel);
    EXPECT_EQ(s.header.shiftDevice, 1u);
    EXPECT_EQ(s.header.shiftButton, 31u);
    EXPECT_EQ(s.click(1).outcome, DialogOutcome::kOk);
    EXPECT_EQ(s.header.shiftDevice, 0u);
    EXPECT_EQ(s.header.shiftButton, 10u);
}

TEST(DialogRules, DeactivateSwitchesTheShiftButtonOffNotToButtonOne) {
    ShiftDialog s(2, 4);
    const ShiftCommandEffect effect = s.click(332);
    EXPECT_EQ(effect.outcome, DialogOutcome::kContinue);
    EXPECT_TRUE(effect.clearButtonRadios);
    EXPECT_EQ(shiftRadiosToCheck(s.dialogs).buttonRadio, kNoRadio);
    EXPECT_EQ(shiftRadiosToCheck(s.dialogs).deviceRadio, 202);
    EXPECT_EQ(s.header.shiftButton, 4u);  // nothing stored before OK
    s.click(1);
    EXPECT_EQ(s.header.shiftButton, kShiftButtonOff);
    EXPECT_EQ(s.header.shiftDevice, 2u);
    EXPECT_FALSE(shiftButtonActive(s.header));

    // A button clicked after "deactivate" wins again.
    beginShiftDialog(s.header, s.dialogs);
    s.click(332);
    s.click(300);
    s.click(1);
    EXPECT_EQ(s.header.shiftButton, 0u);
    EXPECT_TRUE(shiftButtonActive(s.header));
}

TEST(DialogRules, CopyCaptionCountsBlocksNotDevices) {
    EXPECT_STREQ(copyCaption(0).text, "copy configuration of device 1");
    EXPECT_STREQ(copyCaption(3).text, "copy configuration of device 4");
    EXPECT_STREQ(copyCaption(13).text, "copy configuration of device 14");
}

std::vector<int> visibleCopyBlocks(int currentBlock, int deviceCount) {
    std::vector<int> visible;
    for (int block = 0; block < 8; ++block) {
        if (!copyRadioHidden(block, currentBlock, deviceCount)) visible.push_back(block);
    }
    return visible;
}

TEST(DialogRules, CopyHidesTheOwnBlockAndTheBlocksOfAbsentJoysticks) {
    EXPECT_EQ(visibleCopyBlocks(3, 2), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(visibleCopyBlocks(0, 2), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(visibleCopyBlocks(6, 4), (std::vector<int>{0, 1, 2, 3, 4, 5, 7}));
    EXPECT_EQ(visibleCopyBlocks(8, 7), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(visibleCopyBlocks(1, 1), (std::vector<int>{0}));
    EXPECT_TRUE(visibleCopyBlocks(0, 0).empty());
    // The rule runs up to radio 227 and no further.
    EXPECT_TRUE(copyRadioHidden(27, 0, 2));
    EXPECT_FALSE(copyRadioHidden(28, 0, 2));
}

TEST(DialogRules, CopyRadiosChooseTheTargetAndOnlyOkOrCancelEnd) {
    DialogState dialogs;
    dialogs.copyTargetBlock = 3;  // the last dialog's choice is never offered again
    beginCopyDialog(dialogs);
    EXPECT_FALSE(copyTargetChosen(dialogs));
    EXPECT_EQ(copyCommand(1, dialogs), DialogOutcome::kCancel) << "OK with no target";
    EXPECT_EQ(copyCommand(205, dialogs), DialogOutcome::kContinue);
    EXPECT_TRUE(copyTargetChosen(dialogs));
    EXPECT_EQ(dialogs.copyTargetBlock, 5);
    EXPECT_EQ(copyCommand(200, dialogs), DialogOutcome::kContinue);
    EXPECT_EQ(dialogs.copyTargetBlock, 0);
    copyCommand(207, dialogs);
    for (int id : {199, 208, 214, 227, 0, 3}) {
        EXPECT_EQ(copyCommand(id, dialogs), DialogOutcome::kContinue) << id;
    }
    EXPECT_EQ(dialogs.copyTargetBlock, 7);
    EXPECT_EQ(copyCommand(1, dialogs), DialogOutcome::kOk);
    EXPECT_EQ(copyCommand(2, dialogs), DialogOutcome::kCancel);
    EXPECT_EQ(dialogs.copyTargetBlock, 7);
}

}  // namespace
}  // namespace tarvik
