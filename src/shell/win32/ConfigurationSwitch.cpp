#include "shell/win32/ConfigurationSwitch.h"

#include <cstdio>
#include <cstring>

#include "config/BoundedString.h"
#include "engine/ControlEvaluation.h"
#include "engine/win32/MappingPause.h"
#include "shell/ConfigurationStep.h"
#include "shell/ProgramFollowing.h"
#include "shell/win32/ProgramFollower.h"
#include "shell/win32/TrayIcon.h"

namespace tarvik {

namespace {

// A step that found its file broken stays there, so that the next press
// goes on past it instead of failing on the same file again; it counts
// only while the configuration in use is still the one it started from.
char failedStepFile[kMaxPathLength] = {};
char inUseAtFailedStep[kMaxPathLength] = {};

}  // namespace

void showSwitchBalloon(const TrayControllerContext& tray, const char* text) {
    showTrayBalloon(tray.shell->controllerWindow, kTrayIconId, "Tarvik", text);
}

bool switchConfiguration(const TrayControllerContext& tray, const char* path, const char* name,
                         bool askedByControl) {
    ConfigFileContext& files = *tray.files;
    // A load would throw away the edits of an open configuration window and
    // leave it showing the old record, as following knows too.
    const char* problem =
        tray.state->configWindow.load() != kNoWindow ? "the configuration window is open"
        : path[0] == '\0'                            ? "file not found!"
                          : configFileProblem(files.fileSystem, path, files.headerBuffer);
    if (problem != nullptr) {
        char text[256];
        loadProblemText(name, problem, text);
        showSwitchBalloon(tray, text);
        return false;
    }
    {
        // As the tray's "Load config": nothing held by the old record stays
        // down, and nothing half-loaded is evaluated.
        MappingPause pause(tray.state->engine, tray.state->runFlag);
        loadConfiguration(files, path);
        if (askedByControl) takeHeldControlsAsRemembered(files.config, tray.state->devices);
    }
    configurationChosenByHand(path);
    return true;
}

void stepConfiguration(const TrayControllerContext& tray, int step) {
    const CfgFileList& list = tray.files->fileList;
    const char* inUse = configurationInUse();
    const bool fromFailure =
        failedStepFile[0] != '\0' && std::strcmp(inUse, inUseAtFailedStep) == 0;
    const int row = steppedRow(list, fromFailure ? failedStepFile : inUse, step);
    if (row < 0) {
        showSwitchBalloon(tray, "no configuration file to switch to");
        return;
    }
    char name[sizeof(CfgFileEntry::fileName) + 1];
    copyBounded(name, boundedText(list.rows[row].fileName));
    char kept[kMaxPathLength];
    copyBounded(kept, boundedText(inUse, kMaxPathLength));
    if (!switchConfiguration(tray, name, name, true)) {
        copyBounded(failedStepFile, boundedText(name));
        copyBounded(inUseAtFailedStep, boundedText(kept));
        return;
    }
    failedStepFile[0] = '\0';
    char text[256];
    std::snprintf(text, sizeof text, "configuration in use: %s", name);
    showSwitchBalloon(tray, text);
}

}  // namespace tarvik
