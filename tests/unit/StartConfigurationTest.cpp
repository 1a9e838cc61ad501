#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "fakes/ConfigFileRig.h"
#include "fakes/RecordingLauncher.h"
#include "fakes/TempDirectory.h"
#include "shell/StartConfiguration.h"

namespace tarvik {
namespace {

using testing::TempDirectory;
using Log = std::vector<std::string>;

const std::string kMissingLoadMessage =
    "messageBox \"configuration file not found\r\nusing default file tarvik7.cfg\" \"ERROR!\" 0";

// A valid short file whose record carries `name`.
void writeConfigFile(const std::string& file, const char* name) {
    auto config = testing::makeDefaultConfiguration();
    config->header.version = kConfigVersion;
    std::snprintf(config->header.name, sizeof config->header.name, "%s", name);
    testing::writeBytes(file, config.get(), kShortFileLength);
}

class StartConfiguration : public ::testing::Test {
  protected:
    TempDirectory dir;
    testing::ConfigFileRig rig;

    void SetUp() override {
        writeConfigFile("tarvik7.cfg", "default file");
        writeConfigFile("race.cfg", "race file");
    }
    std::string loadedName() const { return rig.config->header.name; }
};

TEST_F(StartConfiguration, WithoutLoadTheDefaultFileIsLoaded) {
    loadStartConfiguration(rig.context, parseCommandLine("AUTOSTART"));
    EXPECT_EQ(loadedName(), "default file");
    EXPECT_TRUE(rig.platform.log.empty());
}

TEST_F(StartConfiguration, LoadOfAnExistingFileLoadsItSilently) {
    loadStartConfiguration(rig.context, parseCommandLine("LOAD:\"race.cfg\""));
    EXPECT_EQ(loadedName(), "race file");
    EXPECT_TRUE(rig.platform.log.empty());

    const std::string full = "LOAD:\"" + (dir.path() / "race.cfg").string() + "\"";
    loadStartConfiguration(rig.context, parseCommandLine("LOAD:\"tarvik7.cfg\""));
    loadStartConfiguration(rig.context, parseCommandLine(full.c_str()));
    EXPECT_EQ(loadedName(), "race file");
    EXPECT_TRUE(rig.platform.log.empty());
}

TEST_F(StartConfiguration, MissingLoadFileIsReportedAndTheDefaultLoaded) {
    // Without a quote the first letter is skipped: "ace.cfg" does not exist.
    for (const char* line : {"LOAD:race.cfg", "LOAD:", "LOAD:\"nothing.cfg\""}) {
        SCOPED_TRACE(line);
        rig.platform.log.clear();
        std::strcpy(rig.config->header.name, "before");
        loadStartConfiguration(rig.context, parseCommandLine(line));
        EXPECT_EQ(rig.platform.log, Log{kMissingLoadMessage});
        EXPECT_EQ(loadedName(), "default file");
    }
}

TEST_F(StartConfiguration, MissingLoadAndMissingDefaultReportBoth) {
    std::filesystem::remove("tarvik7.cfg");
    loadStartConfiguration(rig.context, parseCommandLine("LOAD:\"gone.cfg\""));
    ASSERT_EQ(rig.platform.log.size(), 2u);
    EXPECT_EQ(rig.platform.log[0], kMissingLoadMessage);
    EXPECT_EQ(rig.platform.log[1], "messageBox \"file not found!\" \"ERROR!\" 0");
}

class StartProgram : public ::testing::Test {
  protected:
    Log log;
    testing::RecordingLauncher launcher{log};
    testing::RecordingPlatform platform;
    ConfigHeader header{};

    void SetUp() override { std::strcpy(header.autostartPath, "C:\\Games\\race.exe"); }
    void start(const char* line) {
        startRequestedProgram(parseCommandLine(line), header, launcher, platform);
    }
};

TEST_F(StartProgram, AutostartWinsOverStartAndFailsSilently) {
    launcher.succeeds = false;
    start("START:\"C:\\other.exe\" AUTOSTART");
    EXPECT_EQ(log, Log{"launch \"C:\\Games\\race.exe\""});
    EXPECT_TRUE(platform.log.empty());
}

TEST_F(StartProgram, StartLaunchesItsNameAndReportsAFailure) {
    start("START:\"C:\\other.exe\"");
    EXPECT_EQ(log, Log{"launch \"C:\\other.exe\""});
    EXPECT_TRUE(platform.log.empty());

    launcher.succeeds = false;
    start("START:\"C:\\missing.exe\"");
    EXPECT_EQ(platform.log, Log{"messageBox \"program not found\" \"ERROR!\" 0"});
}

TEST_F(StartProgram, NeitherOptionStartsNothing) {
    start("ONEONLY LOAD:\"x.cfg\"");
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(platform.log.empty());
}

TEST_F(StartProgram, UnterminatedAutostartPathIsTakenUpToItsEnd) {
    std::memset(header.autostartPath, 'p', sizeof header.autostartPath);
    start("AUTOSTART");
    EXPECT_EQ(log, Log{"launch \"" + std::string(sizeof header.autostartPath, 'p') + "\""});
}

}  // namespace
}  // namespace tarvik
