// Translates the configuration window's commands, notifications and key
// messages into the command rules and applies what they ask for.

#include <windows.h>

#include <commctrl.h>
#include <htmlhelp.h>

#include "config/BoundedString.h"
#include "config/ConfigFiles.h"
#include "ui/config/BlockCommands.h"
#include "ui/config/CommonPageCommands.h"
#include "ui/config/ControlIds.h"
#include "ui/config/EntryCommands.h"
#include "ui/config/FieldText.h"
#include "ui/config/KeyRecording.h"
#include "ui/config/PageDisplayRules.h"
#include "ui/config/SelectionCommands.h"
#include "ui/config/UpDownSteps.h"
#include "ui/config/win32/ConfigWindowHandlers.h"
#include "ui/config/win32/FileDialogRunner.h"

namespace tarvik {

namespace {

KeyboardSnapshot readKeyboard() {
    BYTE keys[256] = {};
    KeyboardSnapshot snapshot;
    snapshot.readable = GetKeyboardState(keys) != FALSE;
    if (snapshot.readable) {
        snapshot.shiftDown = (keys[VK_SHIFT] & 0x80) != 0;
        snapshot.tabDown = (keys[VK_TAB] & 0x80) != 0;
        snapshot.ctrlDown = (keys[VK_CONTROL] & 0x80) != 0;
    }
    return snapshot;
}

// The datum of a drop-down list's current item, or false when none is
// selected.
bool selectedDatum(HWND list, intptr_t& datum) {
    const LRESULT item = SendMessageA(list, CB_GETCURSEL, 0, 0);
    if (item == CB_ERR) return false;
    datum = static_cast<intptr_t>(SendMessageA(list, CB_GETITEMDATA, static_cast<WPARAM>(item), 0));
    return true;
}

ConfigFileContext fileContext(ConfigWindowContext& context) {
    SharedState& s = context.state;
    ConfigWindowState& w = context.windowState;
    return {s.config,  s.functionKeys,   w.cfgFiles,        w.headerBuffer,
            s.devices, context.platform, context.fileSystem};
}

// Commands that paint nothing still hand the keyboard back to the window,
// so key strokes keep arriving there rather than at the clicked button.
void takeFocusBack(HWND window) {
    SetFocus(window);
}

void loadOrSave(ConfigWindowContext& context, HWND window, bool save) {
    char path[kFileDialogBuffer] = {};
    const FileDialogSetup& setup = save ? saveConfigDialog : loadConfigDialog;
    if (runFileDialog(window, context.instance, setup, path)) {
        ConfigFileContext files = fileContext(context);
        if (save) {
            saveConfiguration(files, path);
        } else {
            loadConfiguration(files, path);
            // Following brings this one back for programs without their own.
            HandChoice& choice = context.windowState.handChoice;
            copyBounded(choice.file, path, sizeof path);
            ++choice.count;
        }
    }
    takeFocusBack(window);
}

void chooseAutostartProgram(ConfigWindowContext& context, HWND window) {
    char path[kFileDialogBuffer] = {};
    if (runFileDialog(window, context.instance, selectProgramDialog, path)) {
        const std::string_view shown = storeAutostartPath(context.state.config.header, path);
        char text[kFileDialogBuffer];
        copyBounded(text, shown);
        HWND edit = GetDlgItem(window, ControlId::kAutostartPathEdit);
        SetWindowTextA(edit, text);
        // The short name stands for the stored path until the user edits it.
        SendMessageA(edit, EM_SETMODIFY, FALSE, 0);
    }
    takeFocusBack(window);
}

void startProgram(ConfigWindowContext& context, HWND window) {
    Configuration& config = context.state.config;
    const SelectionState& selection = context.state.selection;
    const FollowUp toggled = toggleStartProgram(config, selection);
    applyFollowUp(context, toggled);
    if (!toggled.chooseEntryProgram) return;
    char path[kFileDialogBuffer];
    entryProgramInitialName(config, selection, path);
    if (runFileDialog(window, context.instance, selectProgramDialog, path)) {
        applyFollowUp(context, storeEntryProgramPath(config, selection, path));
    } else {
        takeFocusBack(window);
    }
}

void nameEntry(ConfigWindowContext& context, HWND window) {
    SharedState& s = context.state;
    ConfigWindowState& w = context.windowState;
    if (currentEntryOf(s.config, s.selection) == nullptr) return;
    loadNameBuffer(s.config, s.selection, w.dialogs.nameBuffer);
    const bool accepted = context.dialogs.runName(window, w.dialogs);
    applyFollowUp(context, finishNameDialog(s.config, s.selection, accepted, w.dialogs.nameBuffer));
}

void chooseShiftButton(ConfigWindowContext& context, HWND window) {
    SharedState& s = context.state;
    ConfigWindowState& w = context.windowState;
    if (context.dialogs.runShift(window, s.config.header, w.dialogs)) paintShiftSettings(context);
    takeFocusBack(window);
}

void copyBlock(ConfigWindowContext& context, HWND window) {
    SharedState& s = context.state;
    ConfigWindowState& w = context.windowState;
    if (!isDevicePage(s.selection.currentBlock)) return;
    if (context.dialogs.runCopy(window, s.selection.currentBlock, s.devices.deviceCount,
                                w.dialogs)) {
        copyCurrentBlock(s.config, s.selection, w.dialogs.copyTargetBlock);
    }
    takeFocusBack(window);
}

// Only text the user changed is stored: edit 1224 shows just the file name
// of autostartPath, and an edit not touched since a load shows the old
// record.
void storeEdit(ConfigWindowContext& context, int id, HWND edit) {
    if (SendMessageA(edit, EM_GETMODIFY, 0, 0) == 0) return;
    SendMessageA(edit, EM_SETMODIFY, FALSE, 0);
    char text[1024] = {};
    const int length = GetWindowTextA(edit, text, sizeof(text));
    storeCommonEdit(context.state.config.header, id,
                    std::string_view(text, static_cast<size_t>(length > 0 ? length : 0)));
}

void quit(ConfigWindowContext& context) {
    const MessageBoxAnswer answer =
        context.platform.messageBox(kQuitQuestion, kQuitCaption, MessageBoxKind::kYesNo);
    if (answer == MessageBoxAnswer::kNo) return;
    context.state.configWindow = kNoWindow;
    PostQuitMessage(0);
}

}  // namespace

bool handleCommand(ConfigWindowContext& context, HWND window, WPARAM wParam, LPARAM lParam,
                   LRESULT& result) {
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    SharedState& s = context.state;
    Configuration& config = s.config;
    SelectionState& selection = s.selection;
    result = 0;
    intptr_t datum = 0;

    switch (routeCommand(id)) {
        case CommandRoute::kUnhandled:
            return false;
        case CommandRoute::kClose:
            s.configWindow = kNoWindow;
            DestroyWindow(window);
            break;
        case CommandRoute::kQuit:
            quit(context);
            break;
        case CommandRoute::kLoad:
            loadOrSave(context, window, false);
            break;
        case CommandRoute::kSave:
            loadOrSave(context, window, true);
            break;
        case CommandRoute::kShiftDialog:
            chooseShiftButton(context, window);
            break;
        case CommandRoute::kSelectBlock:
            applyFollowUp(context, selectBlock(config.header, selection, id, context.devices));
            break;
        case CommandRoute::kSelectControl:
            applyFollowUp(context, selectControl(selection, id));
            break;
        case CommandRoute::kSelectLevel:
            applyFollowUp(context, selectLevel(selection, id));
            break;
        case CommandRoute::kSelectPov:
            applyFollowUp(context, selectPov(selection, id));
            break;
        case CommandRoute::kToggleEntryFlag:
            applyFollowUp(context, toggleEntryFlag(config, selection, id));
            break;
        case CommandRoute::kNameDialog:
            nameEntry(context, window);
            break;
        case CommandRoute::kClearKeys:
            applyFollowUp(context, clearKeys(config, selection));
            break;
        case CommandRoute::kMouseAction:
            if (code == CBN_SELCHANGE && selectedDatum(control, datum)) {
                applyFollowUp(context, chooseMouseAction(config, selection, datum));
            }
            break;
        case CommandRoute::kResponseCurve:
            if (code == CBN_SELCHANGE) {
                const LRESULT item = SendMessageA(control, CB_GETCURSEL, 0, 0);
                applyFollowUp(context, chooseResponseCurve(config, selection, item));
            }
            break;
        case CommandRoute::kToggleBlockFlag:
            applyFollowUp(context, toggleBlockFlag(config, selection, id));
            break;
        case CommandRoute::kCommonEdit:
            if (code == EN_KILLFOCUS) storeEdit(context, id, control);
            break;
        case CommandRoute::kChooseAutostartProgram:
            chooseAutostartProgram(context, window);
            break;
        case CommandRoute::kHelp:
            HtmlHelpA(window, kHelpFile, HH_DISPLAY_TOPIC, 0);
            break;
        case CommandRoute::kStartProgram:
            startProgram(context, window);
            break;
        case CommandRoute::kStepLearnMask:
            applyFollowUp(context, stepLearnMask(config, selection));
            break;
        case CommandRoute::kToggleAutostart:
            applyFollowUp(context, toggleAutostart(config.header));
            break;
        case CommandRoute::kAppendKey:
            if (code == CBN_SELCHANGE && selectedDatum(control, datum)) {
                applyFollowUp(context, appendKeyFromList(config, selection, datum, readKeyboard(),
                                                         context.platform));
            }
            break;
        case CommandRoute::kCentred:
            applyFollowUp(context, toggleCentred(config, selection));
            break;
        case CommandRoute::kCopyDialog:
            copyBlock(context, window);
            break;
    }
    return true;
}

void handleNotify(ConfigWindowContext& context, LPARAM lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header == nullptr || header->code != UDN_DELTAPOS) return;
    const auto* step = reinterpret_cast<const NMUPDOWN*>(lParam);
    applyFollowUp(context, stepUpDown(context.state.config, context.state.selection,
                                      static_cast<int>(header->idFrom), step->iDelta));
}

bool handleKeyRelease(ConfigWindowContext& context, UINT message, WPARAM wParam, LPARAM lParam,
                      LRESULT& result) {
    // F10 is the one key the system reports as a system key without ALT;
    // it is recorded like any other. Releases with ALT held stay with the
    // default procedure.
    constexpr LPARAM kAltHeld = LPARAM{1} << 29;
    if (message == WM_SYSKEYUP && (wParam != VK_F10 || (lParam & kAltHeld) != 0)) return false;
    SharedState& s = context.state;
    ConfigWindowState& w = context.windowState;
    applyFollowUp(context, recordKeyRelease(s.config, s.selection, w.keyRecording,
                                            static_cast<uint32_t>(wParam),
                                            static_cast<uint32_t>(lParam), readKeyboard()));
    result = 0;
    return true;
}

void handleCharacter(ConfigWindowContext& context, WPARAM wParam) {
    SharedState& s = context.state;
    ConfigWindowState& w = context.windowState;
    recordCharacter(s.config, s.selection, w.keyRecording, static_cast<char>(wParam));
}

}  // namespace tarvik
