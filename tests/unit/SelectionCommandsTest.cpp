#include <gtest/gtest.h>

#include <string>

#include "fakes/ConfigFixtures.h"
#include "fakes/DeviceOverviewFixtures.h"
#include "ui/config/ConfigCommands.h"
#include "ui/config/SelectionCommands.h"

namespace tarvik {
namespace {

std::string checksOf(const FollowUp& f) {
    std::string s;
    for (int i = 0; i < f.checkCount; ++i) {
        s += (f.checks[i].checked ? "+" : "-") + std::to_string(f.checks[i].id) + " ";
    }
    return s;
}

class SelectionCommands : public ::testing::Test {
  protected:
    std::unique_ptr<Configuration> config = testing::makeDefaultConfiguration();
    std::unique_ptr<DeviceOverview> devices = testing::makeOverview(2);
    SelectionState s;

    void SetUp() override {
        testing::describeSlot(*devices, 0, 12, 2, 1, 0x80 | 0x100 | 0x10);
        testing::describeSlot(*devices, 2, 6, 2, 0, 0x80 | 0x100);
        s.currentBlock = 0;
    }
};

TEST_F(SelectionCommands, LevelAndHatRadiosDeriveTheEntry) {
    FollowUp f = selectControl(s, 1083);  // "X+"
    EXPECT_EQ(checksOf(f), "-1050 +1083 ");
    EXPECT_TRUE(f.pageDisplay && f.pagePaint);
    f = selectLevel(s, 1101);  // "X": level 1
    EXPECT_EQ(s.currentEntry, 49);
    EXPECT_EQ(checksOf(f), "-1100 +1101 ");
    EXPECT_FALSE(f.pageDisplay);

    selectControl(s, 1132);  // "fr"
    f = selectPov(s, 1151);  // "O": hat 1
    EXPECT_EQ(s.currentControl, 82);
    EXPECT_EQ(s.currentEntry, 90);
    EXPECT_EQ(checksOf(f), "-1150 +1151 ");
    EXPECT_TRUE(f.pagePaint);

    selectControl(s, 1085);  // "Y+"
    selectLevel(s, 1102);    // "I" or "S"
    EXPECT_EQ(s.currentEntry, 67);
}

TEST_F(SelectionCommands, DeviceChangeKeepsAControlThatHasAVisibleRadio) {
    selectControl(s, 1055);  // button 5
    const FollowUp f = selectBlock(config->header, s, 1002, *devices);
    EXPECT_EQ(s.currentBlock, 2);
    EXPECT_EQ(s.currentEntry, 5);
    EXPECT_EQ(checksOf(f), "-1000 +1002 ");
    EXPECT_TRUE(f.pageDisplay && f.pagePaint);
}

TEST_F(SelectionCommands, DeviceChangeResetsToCommonWhenTheRadioIsHiddenOrMissing) {
    selectControl(s, 1060);  // button 10; device 1 has 6
    FollowUp f = selectBlock(config->header, s, 1002, *devices);
    EXPECT_EQ(s.currentControl, 0);
    EXPECT_EQ(s.currentEntry, 0);
    EXPECT_EQ(checksOf(f), "-1000 +1002 -1060 +1050 ");

    // A hat sector on a device without hats.
    s.currentBlock = 0;
    selectControl(s, 1131);
    selectBlock(config->header, s, 1002, *devices);
    EXPECT_EQ(s.currentControl, 0);

    // Button 28, chosen by learning, has no radio anywhere.
    s = SelectionState{};
    s.currentBlock = 2;
    s.currentControl = 28;
    deriveCurrentEntry(s);
    selectBlock(config->header, s, 1000, *devices);
    EXPECT_EQ(s.currentEntry, 0);

    // The common page shows no control radio at all.
    selectControl(s, 1053);
    f = selectBlock(config->header, s, 1014, *devices);
    EXPECT_EQ(s.currentBlock, kCommonPage);
    EXPECT_EQ(s.currentControl, 0);
    EXPECT_EQ(checksOf(f), "-1000 +1014 -1053 +1050 ");
}

TEST(CommandRoutes, IdsReachTheirCommands) {
    EXPECT_EQ(routeCommand(1014), CommandRoute::kSelectBlock);
    EXPECT_EQ(routeCommand(1098), CommandRoute::kSelectControl);
    EXPECT_EQ(routeCommand(1099), CommandRoute::kUnhandled);
    EXPECT_EQ(routeCommand(1138), CommandRoute::kSelectControl);
    EXPECT_EQ(routeCommand(1102), CommandRoute::kSelectLevel);
    EXPECT_EQ(routeCommand(1248), CommandRoute::kToggleEntryFlag);
    EXPECT_EQ(routeCommand(1242), CommandRoute::kToggleBlockFlag);
    EXPECT_EQ(routeCommand(1224), CommandRoute::kCommonEdit);
    EXPECT_EQ(routeCommand(1233), CommandRoute::kStartProgram);
    EXPECT_EQ(routeCommand(1211), CommandRoute::kUnhandled);  // up-downs notify, not command
    EXPECT_EQ(routeCommand(1234), CommandRoute::kUnhandled);
}

}  // namespace
}  // namespace tarvik
