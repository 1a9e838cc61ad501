#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>

#include "shell/ProgramFollowing.h"

namespace tarvik {
namespace {

TEST(ProgramFollowing, ProgramTextMatchesTheImagePath) {
    const char* image = "C:\\Games\\Race\\Race.exe";
    EXPECT_TRUE(programTextMatches("c:\\games\\race\\RACE.EXE", image));
    EXPECT_TRUE(programTextMatches("\"C:\\Games\\Race\\Race.exe\" -window", image));
    EXPECT_TRUE(programTextMatches("C:/Games/Race/Race.exe", image));
    EXPECT_TRUE(programTextMatches("race.exe", image));
    EXPECT_TRUE(programTextMatches("\"RACE.exe\"", image));
    // A directory in the text must be the program's own.
    EXPECT_FALSE(programTextMatches("D:\\Games\\Race\\Race.exe", image));
    EXPECT_FALSE(programTextMatches("Race\\Race.exe", image));
    EXPECT_FALSE(programTextMatches("Race", image));
    EXPECT_FALSE(programTextMatches("ace.exe", image));
    // A configuration that starts nothing belongs to no program.
    EXPECT_FALSE(programTextMatches("", image));
    EXPECT_FALSE(programTextMatches("\"\"", image));
    EXPECT_FALSE(programTextMatches("race.exe", ""));
    EXPECT_FALSE(programTextMatches("race.exe", nullptr));
}

TEST(ProgramFollowing, TheProgramsConfigurationOrTheOneBeforeComesBack) {
    auto list = std::make_unique<CfgFileList>();
    std::snprintf(list->rows[0].programText, sizeof list->rows[0].programText, "%s", "");
    std::snprintf(list->rows[0].fileName, sizeof list->rows[0].fileName, "%s", "tarvik7.cfg");
    std::snprintf(list->rows[1].programText, sizeof list->rows[1].programText, "%s", "race.exe");
    std::snprintf(list->rows[1].fileName, sizeof list->rows[1].fileName, "%s", "race.cfg");
    list->cfgFileCount = 2;
    auto state = std::make_unique<FollowingState>();
    state->on = true;
    chooseByHand(*state, "tarvik7.cfg");

    char file[kMaxPathLength];
    ASSERT_TRUE(fileToFollow(*state, *list, "C:\\Race\\race.exe", file));
    EXPECT_STREQ(file, "race.cfg");
    followedTo(*state, file, false);
    EXPECT_FALSE(fileToFollow(*state, *list, "C:\\Race\\race.exe", file));
    ASSERT_TRUE(fileToFollow(*state, *list, "C:\\Windows\\notepad.exe", file));
    EXPECT_STREQ(file, "tarvik7.cfg");
    ASSERT_TRUE(fileToFollow(*state, *list, nullptr, file));
    EXPECT_STREQ(file, "tarvik7.cfg");

    // A failed file is passed over: its program gets the one before.
    followedTo(*state, "race.cfg", true);
    ASSERT_TRUE(fileToFollow(*state, *list, "C:\\Race\\race.exe", file));
    EXPECT_STREQ(file, "tarvik7.cfg");

    // A file chosen by hand is what comes back from then on.
    chooseByHand(*state, "other.cfg");
    EXPECT_FALSE(fileToFollow(*state, *list, "C:\\Windows\\notepad.exe", file));

    ConfigHeader header{};
    std::memset(header.name, 'n', sizeof header.name);  // no terminator
    char tip[64];
    trayTip(*state, header, tip);
    EXPECT_EQ(std::strlen(tip), 63u);
    EXPECT_EQ(std::strncmp(tip, "Tarvik 8.4 VRN/SE/NOMORANDA - nnn", 33), 0);
    state->on = false;
    trayTip(*state, header, tip);
    EXPECT_STREQ(tip, "Tarvik 8.4 VRN/SE/NOMORANDA");
}

}  // namespace
}  // namespace tarvik
