#include <gtest/gtest.h>

#include <map>

#include "shell/ElevationWarnings.h"

namespace tarvik {
namespace {

// The system's answer for each window, and how often it was asked.
class FakeElevation final : public ProcessElevation {
  public:
    std::map<WindowHandle, Elevation> answers;
    int asked = 0;
    Elevation ofWindow(WindowHandle window) override {
        ++asked;
        const auto found = answers.find(window);
        return found == answers.end() ? Elevation::kUnknown : found->second;
    }
};

TEST(ElevationWarnings, OnceForEachElevatedWindowAndNeverForOthers) {
    FakeElevation system;
    system.answers = {
        {1, Elevation::kElevated}, {2, Elevation::kNotElevated}, {3, Elevation::kElevated}};
    ElevationWarnings warnings;
    EXPECT_TRUE(warnAboutForeground(warnings, 1, system));
    EXPECT_FALSE(warnAboutForeground(warnings, 2, system));
    EXPECT_FALSE(warnAboutForeground(warnings, 1, system));  // back to the front
    EXPECT_FALSE(warnAboutForeground(warnings, 4, system));  // its process unreadable
    EXPECT_FALSE(warnAboutForeground(warnings, kNoWindow, system));
    EXPECT_TRUE(warnAboutForeground(warnings, 3, system));

    // Only the newest windows are remembered.
    for (WindowHandle w = 100; w < 100 + kWarnedWindows; ++w) {
        system.answers[w] = Elevation::kElevated;
        EXPECT_TRUE(warnAboutForeground(warnings, w, system));
    }
    EXPECT_TRUE(warnAboutForeground(warnings, 1, system));
    EXPECT_FALSE(warnAboutForeground(warnings, 100 + kWarnedWindows - 1, system));
}

TEST(ElevationWarnings, ElevatedTarvikNeverWarnsNorAsks) {
    FakeElevation system;
    system.answers = {{1, Elevation::kElevated}};
    ElevationWarnings warnings;
    warnings.selfElevated = true;
    EXPECT_FALSE(warnAboutForeground(warnings, 1, system));
    EXPECT_EQ(system.asked, 0);
}

}  // namespace
}  // namespace tarvik
