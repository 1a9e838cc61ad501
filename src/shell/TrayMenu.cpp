#include "shell/TrayMenu.h"

#include "config/BoundedString.h"
#include "shell/ProgramPath.h"
#include "shell/StartConfiguration.h"

namespace tarvik {

namespace {

void launchAutostart(TrayCommandContext& context) {
    char path[sizeof(ConfigHeader::autostartPath) + 1];
    autostartPathOf(context.files.config.header, path);
    context.launcher.launchProgram(path);
}

}  // namespace

void buildTrayMenu(const ConfigHeader& header, const CfgFileList& files, TrayMenuModel& menu) {
    char path[sizeof(ConfigHeader::autostartPath) + 1];
    autostartPathOf(header, path);
    menu.program.id = TrayCommand::kProgram;
    programFileName(path, menu.program.text);

    menu.configFileCount = 0;
    const int count = files.cfgFileCount < kMaxCfgFiles ? files.cfgFileCount : kMaxCfgFiles;
    if (count <= 1) return;
    for (int row = 0; row < count; ++row) {
        TrayMenuItem& item = menu.configFiles[row];
        item.id = TrayCommand::kFirstConfigFile + row;
        char text[sizeof(CfgFileEntry::programText) + 1];
        copyBounded(text, boundedText(files.rows[row].programText));
        programFileName(text, item.text);
        // A configuration that starts no program would be a blank line;
        // its file name tells it apart instead.
        if (item.text[0] == '\0') copyBounded(item.text, boundedText(files.rows[row].fileName));
    }
    menu.configFileCount = count;
}

void runTrayCommand(TrayCommandContext& context, int id) {
    ConfigFileContext& files = context.files;
    const int row = id - TrayCommand::kFirstConfigFile;
    if (row >= 0 && row < kMaxCfgFiles) {
        if (row >= files.fileList.cfgFileCount) return;
        char fileName[sizeof(CfgFileEntry::fileName) + 1];
        copyBounded(fileName, boundedText(files.fileList.rows[row].fileName));
        loadConfiguration(files, fileName);
        if (files.config.header.autostart != 0) launchAutostart(context);
        return;
    }
    switch (id) {
        case TrayCommand::kProgram:
            launchAutostart(context);
            break;
        case TrayCommand::kConfig:
            context.actions.openConfigWindow();
            break;
        case TrayCommand::kAbout:
            context.actions.showAbout();
            break;
        case TrayCommand::kExit:
            context.actions.exitProgram();
            break;
        default:
            break;
    }
}

}  // namespace tarvik
