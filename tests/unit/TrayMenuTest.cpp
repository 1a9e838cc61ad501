#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "fakes/ConfigFileRig.h"
#include "fakes/RecordingLauncher.h"
#include "fakes/TempDirectory.h"
#include "shell/LetGoEvents.h"
#include "shell/TrayMenu.h"

namespace tarvik {
namespace {

using Log = std::vector<std::string>;

void setRow(CfgFileList& list, int row, const char* program, const char* file) {
    std::snprintf(list.rows[row].programText, sizeof list.rows[row].programText, "%s", program);
    std::snprintf(list.rows[row].fileName, sizeof list.rows[row].fileName, "%s", file);
}

class TrayMenu : public ::testing::Test {
  protected:
    ConfigHeader header{};
    std::unique_ptr<CfgFileList> list = std::make_unique<CfgFileList>();
    std::unique_ptr<TrayMenuModel> menu = std::make_unique<TrayMenuModel>();
};

TEST_F(TrayMenu, ProgramEntryShowsTheAutostartFileName) {
    std::strcpy(header.autostartPath, "C:\\Games\\Race\\race.exe");
    buildTrayMenu(header, *list, *menu);
    EXPECT_EQ(menu->program.id, 2000);
    EXPECT_STREQ(menu->program.text, "race.exe");

    header.autostartPath[0] = '\0';
    buildTrayMenu(header, *list, *menu);
    EXPECT_STREQ(menu->program.text, "");
}

TEST_F(TrayMenu, NoSubmenuWithNoneOrOneListedFile) {
    buildTrayMenu(header, *list, *menu);
    EXPECT_EQ(menu->configFileCount, 0);
    setRow(*list, 0, "C:\\a\\a.exe", "a.cfg");
    list->cfgFileCount = 1;
    buildTrayMenu(header, *list, *menu);
    EXPECT_EQ(menu->configFileCount, 0);
}

TEST_F(TrayMenu, SubmenuListsTheProgramOfEveryFile) {
    setRow(*list, 0, "C:\\a\\alpha.exe", "a.cfg");
    setRow(*list, 1, "beta.exe", "b.cfg");
    setRow(*list, 2, "", "c.cfg");  // starts nothing: its file name stands in
    list->cfgFileCount = 3;
    buildTrayMenu(header, *list, *menu);
    ASSERT_EQ(menu->configFileCount, 3);
    EXPECT_EQ(menu->configFiles[0].id, 2001);
    EXPECT_STREQ(menu->configFiles[0].text, "alpha.exe");
    EXPECT_EQ(menu->configFiles[1].id, 2002);
    EXPECT_STREQ(menu->configFiles[1].text, "beta.exe");
    EXPECT_EQ(menu->configFiles[2].id, 2003);
    EXPECT_STREQ(menu->configFiles[2].text, "c.cfg");
}

TEST_F(TrayMenu, DamagedCountAndUnterminatedRowsStayInsideTheList) {
    for (int row = 0; row < kMaxCfgFiles; ++row) {
        std::memset(list->rows[row].programText, 'x', sizeof list->rows[row].programText);
    }
    list->cfgFileCount = 1000;
    buildTrayMenu(header, *list, *menu);
    EXPECT_EQ(menu->configFileCount, kMaxCfgFiles);
    EXPECT_EQ(std::strlen(menu->configFiles[31].text), kMaxPathLength - 1);
}

class RecordingActions : public TrayActions {
  public:
    explicit RecordingActions(Log& log) : log_(log) {}
    void openConfigWindow() override { log_.push_back("config window"); }
    void showAbout() override { log_.push_back("about"); }
    void exitProgram() override { log_.push_back("exit"); }

  private:
    Log& log_;
};

// A configuration file whose record names its program and autostart flag.
void writeConfigFile(const std::string& file, const char* program, uint16_t autostart) {
    auto config = testing::makeDefaultConfiguration();
    config->header.version = kConfigVersion;
    std::snprintf(config->header.autostartPath, sizeof config->header.autostartPath, "%s", program);
    config->header.autostart = autostart;
    testing::writeBytes(file, config.get(), kShortFileLength);
}

class TrayCommands : public ::testing::Test {
  protected:
    testing::TempDirectory dir;
    testing::ConfigFileRig rig;
    Log log;
    testing::RecordingLauncher launcher{log};
    RecordingActions actions{log};
    TrayCommandContext context{rig.context, launcher, actions};

    void SetUp() override {
        writeConfigFile("auto.cfg", "C:\\auto\\auto.exe", 1);
        writeConfigFile("manual.cfg", "C:\\manual\\manual.exe", 0);
        setRow(*rig.fileList, 0, "C:\\auto\\auto.exe", "auto.cfg");
        setRow(*rig.fileList, 1, "C:\\manual\\manual.exe", "manual.cfg");
        rig.fileList->cfgFileCount = 2;
        std::strcpy(rig.config->header.autostartPath, "C:\\now\\now.exe");
    }
};

TEST_F(TrayCommands, FixedEntriesReachTheirActions) {
    runTrayCommand(context, 102);
    runTrayCommand(context, 101);
    runTrayCommand(context, 100);
    runTrayCommand(context, 2000);
    EXPECT_EQ(log, (Log{"config window", "about", "exit", "launch \"C:\\now\\now.exe\""}));
}

TEST_F(TrayCommands, LoadingAListedFileStartsItsProgramOnlyWithAutostart) {
    runTrayCommand(context, 2002);
    EXPECT_STREQ(rig.config->header.autostartPath, "C:\\manual\\manual.exe");
    EXPECT_TRUE(log.empty());

    runTrayCommand(context, 2001);
    EXPECT_STREQ(rig.config->header.autostartPath, "C:\\auto\\auto.exe");
    EXPECT_EQ(log, Log{"launch \"C:\\auto\\auto.exe\""});
    EXPECT_TRUE(rig.platform.log.empty());
}

TEST_F(TrayCommands, AfterARejectedFileTheAutostartTestReadsWhateverRecordResulted) {
    // A missing file leaves autostart and its path as they were.
    rig.config->header.autostart = 1;
    std::filesystem::remove("auto.cfg");
    runTrayCommand(context, 2001);
    EXPECT_EQ(rig.platform.log, Log{"messageBox \"file not found!\" \"ERROR!\" 0"});
    EXPECT_EQ(log, Log{"launch \"C:\\now\\now.exe\""});
}

TEST_F(TrayCommands, UnknownIdsAndRowsPastTheListDoNothing) {
    for (int id : {0, 99, 103, 1999, 2003, 2032, 2033, 5000, -1}) runTrayCommand(context, id);
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(rig.platform.log.empty());
    EXPECT_STREQ(rig.config->header.autostartPath, "C:\\now\\now.exe");
}

TEST(LetGoEvents, SuspendLockAndSwitchingAwayLetGoOfHeldInputResumeAndUnlockDoNot) {
    // PBT_APMSUSPEND; not PBT_APMQUERYSUSPEND 0, PBT_APMRESUMESUSPEND 7,
    // PBT_APMRESUMEAUTOMATIC 18.
    EXPECT_TRUE(powerEventLetsGo(4));
    for (uintptr_t event : {0u, 7u, 10u, 18u}) EXPECT_FALSE(powerEventLetsGo(event)) << event;
    // Lock, console and remote disconnect; not the connects, logon or unlock.
    for (uintptr_t change : {2u, 4u, 7u}) EXPECT_TRUE(sessionChangeLetsGo(change)) << change;
    for (uintptr_t change : {1u, 3u, 5u, 8u}) EXPECT_FALSE(sessionChangeLetsGo(change)) << change;
}

}  // namespace
}  // namespace tarvik
