#include <gtest/gtest.h>

#include <cstring>

#include "config/Thresholds.h"
#include "fakes/ConfigFixtures.h"

namespace tarvik {
namespace {

TEST(RecomputeThresholds, TenTimesThePercentUnclampedWithOpenFourthColumn) {
    auto config = testing::makeZeroConfiguration();
    LayerBlock& b = config->blocks[3];
    b.directionPercent[0][0] = 0;
    b.directionPercent[0][1] = 99;
    b.directionPercent[0][2] = 255;
    b.axisThresholds[0][3] = 1234;  // whatever a file held there
    b.axisThresholds[7][3] = 0;
    recomputeThresholds(*config);
    EXPECT_EQ(b.axisThresholds[0][0], 0);
    EXPECT_EQ(b.axisThresholds[0][1], 990);
    EXPECT_EQ(b.axisThresholds[0][2], 2550);
    for (const LayerBlock& blk : config->blocks) {
        for (int k = 0; k < kDirections; ++k) ASSERT_EQ(blk.axisThresholds[k][3], 0xFFFF);
    }
}

TEST(RecomputeThresholds, UsesDirectionPercentNotTheEntries) {
    auto config = testing::makeDefaultConfiguration();
    config->blocks[0].entries[33].sensitivity = 90;
    config->blocks[0].directionPercent[0][0] = 30;
    recomputeThresholds(*config);
    EXPECT_EQ(config->blocks[0].axisThresholds[0][0], 300);
}

struct LevelCase {
    uint8_t in[3];
    uint8_t out[3];
};

void PrintTo(const LevelCase& c, std::ostream* os) {
    *os << int{c.in[0]} << "," << int{c.in[1]} << "," << int{c.in[2]};
}

class ApplySensitivityLevels : public ::testing::TestWithParam<LevelCase> {};

TEST_P(ApplySensitivityLevels, OrdersClampsAndPropagates) {
    const LevelCase& c = GetParam();
    auto config = testing::makeDefaultConfiguration();
    const int blockIndex = 4;
    LayerBlock& b = config->blocks[blockIndex];
    std::copy(c.in, c.in + 3, b.levelPercent);
    applySensitivityLevels(*config, blockIndex);
    EXPECT_EQ(b.levelPercent[0], c.out[0]);
    EXPECT_EQ(b.levelPercent[1], c.out[1]);
    EXPECT_EQ(b.levelPercent[2], c.out[2]);
    for (int j = 0; j < 3; ++j) {
        for (int k = 0; k < kDirections; ++k) {
            EXPECT_EQ(b.entries[33 + 16 * j + k].sensitivity, c.out[j]);
            EXPECT_EQ(b.directionPercent[k][j], c.out[j]);
            EXPECT_EQ(b.axisThresholds[k][j], c.out[j] * 10);
        }
        EXPECT_EQ(b.directionPercent[j][3], 100);  // column 3 untouched
        EXPECT_EQ(b.axisThresholds[j][3], 0xFFFF);
    }
    // Other blocks are not touched.
    EXPECT_EQ(config->blocks[blockIndex + 1].levelPercent[0], 25);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ApplySensitivityLevels,
    ::testing::Values(LevelCase{{25, 50, 75}, {25, 50, 75}},
                      // Equal neighbours stay: the ordering tests strictly less.
                      LevelCase{{50, 50, 75}, {50, 50, 75}}, LevelCase{{51, 50, 75}, {40, 50, 75}},
                      // A level lowered below zero wraps to 255 and is pulled back.
                      LevelCase{{25, 255, 75}, {25, 65, 75}}, LevelCase{{3, 2, 75}, {65, 2, 75}},
                      LevelCase{{0, 0, 0}, {0, 0, 0}},
                      // 100 and above clamp to 99 after ordering.
                      LevelCase{{100, 120, 130}, {99, 99, 99}}));

TEST(ApplySensitivityLevelsBounds, IgnoresTheCommonPage) {
    auto config = testing::makeDefaultConfiguration();
    auto before = std::make_unique<Configuration>(*config);
    applySensitivityLevels(*config, kCommonPage);
    EXPECT_EQ(std::memcmp(before.get(), config.get(), sizeof(Configuration)), 0);
}

}  // namespace
}  // namespace tarvik
