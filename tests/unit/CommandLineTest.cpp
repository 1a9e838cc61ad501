#include <gtest/gtest.h>

#include <string>

#include "shell/CommandLine.h"

namespace tarvik {
namespace {

TEST(CommandLine, NoTextAndEmptyTextSetNothing) {
    for (const char* text : {static_cast<const char*>(nullptr), ""}) {
        const CommandLineOptions o = parseCommandLine(text);
        EXPECT_FALSE(o.quit || o.oneOnly || o.load || o.autostart || o.start);
        EXPECT_STREQ(o.loadName, "");
        EXPECT_STREQ(o.startName, "");
    }
}

TEST(CommandLine, OptionsAreCaseSensitiveSubstringsAnywhere) {
    const CommandLineOptions o =
        parseCommandLine("xONEONLYyAUTOSTARTzFOLLOWwSCANCODESvWAITuNOXINPUTtNOREPEATsFASTPOLL");
    EXPECT_TRUE(o.oneOnly);
    EXPECT_TRUE(o.wait);
    EXPECT_TRUE(o.noXInput);
    EXPECT_TRUE(o.follow);
    EXPECT_TRUE(o.autostart);
    EXPECT_TRUE(o.scanCodes);
    EXPECT_TRUE(o.noRepeat);
    EXPECT_TRUE(o.fastPoll);
    EXPECT_FALSE(o.start);  // "START" without the colon is not START:
    EXPECT_FALSE(o.quit);

    const CommandLineOptions lower = parseCommandLine(
        "quit oneonly load:\"a\" autostart start:\"b\" follow scancodes wait noxinput norepeat "
        "fastpoll");
    EXPECT_FALSE(lower.quit || lower.oneOnly || lower.load || lower.autostart || lower.start ||
                 lower.follow || lower.scanCodes || lower.wait || lower.noXInput ||
                 lower.noRepeat || lower.fastPoll);
}

TEST(CommandLine, QuitInsideAPathCountsAsQuit) {
    EXPECT_TRUE(parseCommandLine("LOAD:\"C:\\QUITE\\race.cfg\"").quit);
}

TEST(CommandLine, QuotedLoadNameEndsAtTheClosingQuote) {
    const CommandLineOptions o = parseCommandLine("LOAD:\"C:\\Games\\my race.cfg\" AUTOSTART");
    EXPECT_TRUE(o.load);
    EXPECT_STREQ(o.loadName, "C:\\Games\\my race.cfg");
    EXPECT_TRUE(o.autostart);
}

TEST(CommandLine, TheCharacterAfterTheColonIsAlwaysSkipped) {
    EXPECT_STREQ(parseCommandLine("LOAD:race.cfg").loadName, "ace.cfg");
    EXPECT_STREQ(parseCommandLine("START:xC:\\a.exe").startName, "C:\\a.exe");
}

TEST(CommandLine, NameRunsToTheEndWithoutAClosingQuote) {
    EXPECT_STREQ(parseCommandLine("START:\"C:\\a b\\c.exe ONEONLY").startName,
                 "C:\\a b\\c.exe ONEONLY");
}

TEST(CommandLine, OptionAtTheVeryEndGivesAnEmptyName) {
    CommandLineOptions o = parseCommandLine("ONEONLY LOAD:");
    EXPECT_TRUE(o.load);
    EXPECT_STREQ(o.loadName, "");
    o = parseCommandLine("LOAD:\"");
    EXPECT_TRUE(o.load);
    EXPECT_STREQ(o.loadName, "");
    o = parseCommandLine("START:\"\"");
    EXPECT_TRUE(o.start);
    EXPECT_STREQ(o.startName, "");
}

TEST(CommandLine, NamesAreCutAfter258Characters) {
    const std::string longName(300, 'n');
    const CommandLineOptions o = parseCommandLine(("LOAD:\"" + longName + "\"").c_str());
    EXPECT_EQ(std::string(o.loadName), std::string(258, 'n'));
}

TEST(CommandLine, LoadAndStartEachTakeTheirOwnName) {
    const CommandLineOptions o =
        parseCommandLine("START:\"C:\\x\\game.exe\" LOAD:\"C:\\x\\game.cfg\"");
    EXPECT_STREQ(o.startName, "C:\\x\\game.exe");
    EXPECT_STREQ(o.loadName, "C:\\x\\game.cfg");
}

}  // namespace
}  // namespace tarvik
