#pragma once
// The configuration window "JoyConfig": its procedure, creation, page
// display and painting. The window edits the program's AppState in place;
// start-up binds one context, registers the class and the tray opens it.

#include <windows.h>

#include "engine/ControlLearning.h"
#include "input/win32/DirectInputTables.h"
#include "platform/FileSystem.h"
#include "platform/Platform.h"
#include "shell/AppState.h"
#include "ui/config/DeviceOverview.h"
#include "ui/config/win32/ConfigDialogRunner.h"
#include "ui/config/win32/ConfigWindowChildren.h"

namespace tarvik {

constexpr char kConfigWindowClass[] = "JoyConfig";

// Everything the window reads and writes. One instance in the program;
// the window fills `devices` and `children` itself when it is created.
struct ConfigWindowContext {
    AppState& state;
    HINSTANCE instance;
    HPEN facePen;  // button-face pen and brush: erase painted texts
    HBRUSH faceBrush;
    Platform& platform;
    FileSystem& fileSystem;
    const DirectInputTables& directInput;
    ConfigDialogRunner& dialogs;

    DeviceOverview devices{};
    ConfigWindowChildren children{};
};

// The context configWindowProc works on; set once before the class is used.
void bindConfigWindow(ConfigWindowContext& context);

LRESULT CALLBACK configWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Registers "JoyConfig" with configWindowProc: one device context for the
// class, byte-aligned client area, `background` (the button-face brush),
// no icon, cursor or menu.
bool registerConfigWindowClass(HINSTANCE instance, HBRUSH background);

// The tray's "&Config ...": binds `context`, creates the window while none
// is open, otherwise brings the open one to the foreground.
void openConfigWindow(ConfigWindowContext& context);

// Shows, hides, enables and disables the children for the selection.
void pageDisplay(ConfigWindowContext& context);
// Paints the texts and loads the controls for the selection, into `dc` or,
// when it is null, into the window's own context; ends by giving the
// window the keyboard focus.
void pagePaint(ConfigWindowContext& context, HDC dc);

// What control learning shows in the window; nothing while it is closed.
class ConfigWindowLearningView final : public LearningView {
  public:
    explicit ConfigWindowLearningView(ConfigWindowContext& context) : context_(context) {}
    void setControlCheck(int control, bool checked) override;
    void setHatCheck(int hat, bool checked) override;
    void redisplayPage() override;

  private:
    ConfigWindowContext& context_;
};

}  // namespace tarvik
