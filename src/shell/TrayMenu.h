#pragma once
// The tray icon's menu and what its commands do, apart from the windows
// that show them.

#include "config/CfgFileList.h"
#include "config/ConfigFiles.h"
#include "platform/FileSystem.h"
#include "shell/ProgramLauncher.h"

namespace tarvik {

namespace TrayCommand {
constexpr int kExit = 100;
constexpr int kAbout = 101;
constexpr int kConfig = 102;
constexpr int kFollowPrograms = 103;  // checked while following
// The two checked items, switched by the tray itself.
constexpr int kSendScanCodes = 110;
constexpr int kPauseMapping = 111;
constexpr int kStartWithWindows = 112;  // checked while the Startup shortcut exists
constexpr int kProgram = 2000;
constexpr int kFirstConfigFile = 2001;  // + row of the configuration file list

// The commands that replace the record: the mapping stands still for them.
constexpr bool loadsConfiguration(int id) {
    return id >= kFirstConfigFile && id < kFirstConfigFile + kMaxCfgFiles;
}
}  // namespace TrayCommand

struct TrayMenuItem {
    int id;
    char text[kMaxPathLength];
};

// The menu as it is shown: the program entry, then the "Load config"
// submenu (only with more than one listed file), then a separator and the
// three fixed entries, which need no model.
struct TrayMenuModel {
    TrayMenuItem program;
    int configFileCount;  // 0 when there is no submenu
    TrayMenuItem configFiles[kMaxCfgFiles];
};

void buildTrayMenu(const ConfigHeader& header, const CfgFileList& files, TrayMenuModel& menu);

// The parts of the program the commands reach that are not files.
class TrayActions {
  public:
    virtual ~TrayActions() = default;
    virtual void openConfigWindow() = 0;
    virtual void showAbout() = 0;
    virtual void exitProgram() = 0;
};

struct TrayCommandContext {
    ConfigFileContext& files;
    ProgramLauncher& launcher;
    TrayActions& actions;
};

// Carries out one menu command; unknown ids, and rows past the end of the
// list, do nothing.
void runTrayCommand(TrayCommandContext& context, int id);

}  // namespace tarvik
