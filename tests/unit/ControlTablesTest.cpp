#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "config/KeyAndActionLists.h"
#include "ui/config/ControlTables.h"
#include "ui/config/FileDialogs.h"
#include "ui/config/PageDisplayRules.h"

namespace tarvik {
namespace {

constexpr int kW = 784;  // a client area of an 800 x 480 window
constexpr int kH = 441;

void expectPlace(const ChildControl& control, int x, int y, int w, int h) {
    const ControlPlace p = placeOf(control, kW, kH);
    EXPECT_EQ(p.x, x) << control.caption;
    EXPECT_EQ(p.y, y) << control.caption;
    EXPECT_EQ(p.w, w) << control.caption;
    EXPECT_EQ(p.h, h) << control.caption;
}

TEST(ControlTables, RelativeCoordinatesResolveAgainstTheClientArea) {
    expectPlace(frameControls[0], 0, 30, kW, 2);
    expectPlace(frameControls[4], kW - 195, kH - 40, 60, 35);
    EXPECT_STREQ(frameControls[4].caption, "help");
    EXPECT_EQ(frameControls[4].id, 1227);
    expectPlace(frameControls[6], kW - 65, kH - 40, 60, 35);
    expectPlace(devicePageFrame[0], 410, 105, kW - 415, kH - 150);
    EXPECT_STREQ(devicePageFrame[0].caption, "select or press button");
}

TEST(ControlTables, SelectorsSitAtTheirPositionsWithTheDuplicatedAxisId) {
    const ChildControl* b7 = findChildControl({ControlGroup::kControlSelectors, 8});
    ASSERT_NE(b7, nullptr);
    EXPECT_STREQ(b7->caption, "7");
    EXPECT_EQ(b7->id, 1057);
    expectPlace(*b7, 420, 175, 50, 25);  // second row, first column
    const ChildControl* b24 = findChildControl({ControlGroup::kControlSelectors, 25});
    ASSERT_NE(b24, nullptr);
    EXPECT_STREQ(b24->caption, "24");
    expectPlace(*b24, 720, 215, 50, 25);

    const ChildControl* i = findChildControl({ControlGroup::kControlSelectors, 55});
    const ChildControl* s = findChildControl({ControlGroup::kControlSelectors, 56});
    ASSERT_TRUE(i && s);
    EXPECT_STREQ(s->caption, "S");
    EXPECT_EQ(i->id, 1102);
    EXPECT_EQ(s->id, 1102);

    const ChildControl* fr = findChildControl({ControlGroup::kControlSelectors, 62});
    ASSERT_NE(fr, nullptr);
    EXPECT_EQ(fr->id, 1132);
    expectPlace(*fr, 600, 330, 40, 25);
    EXPECT_STREQ(findChildControl({ControlGroup::kControlSelectors, 61})->caption, "f ");
    EXPECT_STREQ(findChildControl({ControlGroup::kControlSelectors, 46})->caption, "S1-");

    for (int empty : {26, 32, 49, 52, 60, 69}) {
        EXPECT_EQ(findChildControl({ControlGroup::kControlSelectors, empty}), nullptr) << empty;
    }
}

TEST(ControlTables, IdsAreUniqueExceptTheAxisColumnAndRadiosMatchTheirNumbers) {
    std::map<int, int> uses;
    auto count = [&](const ChildControl* table, int n) {
        for (int k = 0; k < n; ++k) {
            if (table[k].id != ControlId::kNone) ++uses[table[k].id];
        }
    };
    count(frameControls, kFrameControlCount);
    count(devicePageFrame, kDevicePageFrameCount);
    count(controlSelectors, kControlSelectorCount);
    count(entryOptions, kEntryOptionCount);
    count(blockOptions, kBlockOptionCount);
    count(commonPage, kCommonPageCount);
    for (const auto& [id, n] : uses) EXPECT_EQ(n, id == 1102 ? 2 : 1) << id;
    // A control radio's id names its control; the page rules find it there.
    int controlRadios = 0;
    for (const ChildControl& control : controlSelectors) {
        if ((control.id >= 1050 && control.id <= 1098) ||
            (control.id >= 1131 && control.id <= 1138)) {
            ++controlRadios;
            EXPECT_EQ(controlRadioPosition(control.id - 1050), control.position) << control.id;
        }
    }
    EXPECT_EQ(controlRadios, 1 + 24 + 16 + 8);
    // Named up-down positions.
    EXPECT_EQ(entryOptions[EntryPosition::kCountAfterFirstUpDown - 1].id, 1230);
    EXPECT_EQ(entryOptions[EntryPosition::kCountAfterThirdUpDown - 1].id, 1212);
    EXPECT_EQ(blockOptions[BlockPosition::kCountAfterFirstUpDown - 1].id, 1231);
    EXPECT_EQ(blockOptions[BlockPosition::kCountAfterThirdUpDown - 1].id, 1218);
    EXPECT_EQ(entryOptions[12].kind, ControlKind::kDropDownList);
    EXPECT_STREQ(controlClassName(entryOptions[21].kind), "msctls_updown32");
    EXPECT_STREQ(controlClassName(commonPage[4].kind), "edit");
}

TEST(ControlTables, DeviceRowFollowsTheJoystickCount) {
    EXPECT_EQ(deviceRadioCount(0), 1);
    const ChildControl onlyMouse = deviceRadio(0, 0);
    EXPECT_STREQ(onlyMouse.caption, "Mouse");
    EXPECT_EQ(onlyMouse.id, 1002);  // the block the mouse maps from while waiting
    expectPlace(onlyMouse, 200, 5, 100, 25);

    EXPECT_EQ(deviceRadioCount(2), 5);
    const ChildControl s2 = deviceRadio(2, 3);
    EXPECT_STREQ(s2.caption, "S2");
    EXPECT_EQ(s2.id, 1003);
    expectPlace(s2, 330, 5, 50, 25);
    const ChildControl one = deviceRadio(2, 0);
    EXPECT_STREQ(one.caption, "1");
    expectPlace(one, 200, 5, 40, 25);
    const ChildControl mouse = deviceRadio(2, 4);
    EXPECT_STREQ(mouse.caption, "Mouse");
    EXPECT_EQ(mouse.id, 1004);
    expectPlace(mouse, 400, 5, 100, 25);
    EXPECT_EQ(deviceRadio(2, 5).id, ControlId::kNone);
    // Never the common page's id, whatever the count.
    EXPECT_EQ(deviceRadio(7, deviceRadioCount(7) - 1).id, 1012);
}

TEST(ControlTables, CreationSequenceCreatesEveryFixedControlOnceInTheWindowsOrder) {
    std::set<std::pair<int, int>> created;
    std::vector<std::string> order;
    for (const CreationItem& item : creationSequence) {
        if (item.step == CreationStep::kCheckLevelRadio) order.push_back("checkLevel");
        if (item.step == CreationStep::kCheckPovRadio) order.push_back("checkPov");
        if (item.step != CreationStep::kControls) continue;
        for (int p = item.firstPosition; p <= item.lastPosition; ++p) {
            const ChildControl* control = findChildControl({item.group, p});
            ASSERT_NE(control, nullptr) << static_cast<int>(item.group) << "/" << p;
            EXPECT_TRUE(created.insert({static_cast<int>(item.group), p}).second);
            order.push_back(control->caption);
        }
    }
    EXPECT_EQ(created.size(),
              size_t{kFrameControlCount + kDevicePageFrameCount + kControlSelectorCount +
                     kEntryOptionCount + kBlockOptionCount + kCommonPageCount});
    // The AXIS column is checked before the separator above the POV column.
    auto at = [&](const std::string& s) {
        return std::find(order.begin(), order.end(), s) - order.begin();
    };
    EXPECT_LT(at("S"), at("checkLevel"));
    EXPECT_LT(at("V"), at("checkPov"));
    EXPECT_LT(at("checkPov"), at("fl"));
}

TEST(KeyAndActionLists, ItemsInTheirOrderWithTheirCodes) {
    EXPECT_STREQ(mouseActionListItems[9].text, "left button down");
    EXPECT_EQ(mouseActionListItems[9].code, 28);
    EXPECT_STREQ(mouseActionListItems[24].text, "y absolute");
    EXPECT_EQ(mouseActionListItems[24].code, 18);
    EXPECT_STREQ(mouseActionListItems[25].text, "next configuration");
    EXPECT_EQ(mouseActionListItems[25].code, 50);
    EXPECT_STREQ(mouseActionListItems[26].text, "previous configuration");
    EXPECT_EQ(mouseActionListItems[26].code, 51);
    EXPECT_STREQ(keyListItems[0].text, "left button");
    EXPECT_STREQ(keyListItems[12].text, "capital CL");
    EXPECT_STREQ(keyListItems[46].text, "substract");
    EXPECT_EQ(keyListItems[46].code, 109);
    EXPECT_STREQ(keyListItems[49].text, "F1");
    EXPECT_STREQ(keyListItems[72].text, "F24");
    EXPECT_EQ(keyListItems[72].code, 135);
    EXPECT_STREQ(keyListItems[90].text, "oem clear");
    std::set<int> keyCodes;
    for (const ListItem& item : keyListItems) keyCodes.insert(item.code);
    EXPECT_EQ(keyCodes.size(), size_t{kKeyItemCount});
}

TEST(KeyAndActionLists, SelectMouseActionFindsTheItemOrNone) {
    EXPECT_EQ(selectMouseAction(38), 10);
    EXPECT_EQ(selectMouseAction(0), 0);
    for (int code : {19, 27, 29, 41, 43, 255}) EXPECT_FALSE(selectMouseAction(code).has_value());
}

TEST(FileDialogs, FiltersArePairsEndingInTwoNuls) {
    const char* f = saveConfigDialog.filter;
    EXPECT_STREQ(f, "cfg files ");
    EXPECT_STREQ(f + 11, "*.CFG");
    EXPECT_EQ(f[saveConfigDialog.filterSize - 2], '\0');
    EXPECT_EQ(f[saveConfigDialog.filterSize - 1], '\0');
    EXPECT_STREQ(saveConfigDialog.defaultExtension, "cfg");
    EXPECT_EQ(loadConfigDialog.defaultExtension, nullptr);
    EXPECT_STREQ(selectProgramDialog.filter, "programs  ");
    EXPECT_STREQ(selectProgramDialog.title, "select program");
}

}  // namespace
}  // namespace tarvik
