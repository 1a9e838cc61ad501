#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "config/Defaults.h"
#include "fakes/RecordingPlatform.h"
#include "ui/text_input/SelectorCaption.h"

namespace tarvik {
namespace {

std::string captionOf(const FunctionKeyTable& table, int32_t index) {
    char caption[kSelectorCaptionSize];
    std::memset(caption, 'x', sizeof(caption));
    selectorCaption(table, index, caption);
    return caption;
}

TEST(SelectorCaption, ShowsTheRowOnOfferAndNoneOutsideTheTable) {
    testing::RecordingPlatform platform;
    FunctionKeyTable table{};
    fillFunctionKeyTable(table, platform);
    EXPECT_EQ(captionOf(table, 0), "none");
    EXPECT_EQ(captionOf(table, 1), "F1");
    EXPECT_EQ(captionOf(table, 12), "F12");
    for (int32_t outside : {13, -1, INT_MAX, INT_MIN}) {
        EXPECT_EQ(captionOf(table, outside), "none") << outside;
    }
}

TEST(SelectorCaption, AnUnterminatedLabelIsCutAtItsField) {
    FunctionKeyTable table{};
    std::memset(table.rows[2].label, 'F', sizeof(table.rows[2].label));
    table.rows[3].scanWord = 0x5A5A;  // "ZZ" would follow if the read ran on
    EXPECT_EQ(captionOf(table, 2), std::string(16, 'F'));
}

}  // namespace
}  // namespace tarvik
