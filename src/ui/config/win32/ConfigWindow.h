#pragma once
// The configuration window "JoyConfig": its procedure, creation, page
// display and painting. The window edits the shared state and its own in
// place; start-up registers the class and the tray opens it with one context.

#include <windows.h>

#include "engine/ControlLearning.h"
#include "input/win32/DirectInputTables.h"
#include "platform/FileSystem.h"
#include "platform/Platform.h"
#include "engine/SharedState.h"
#include "ui/config/ConfigWindowState.h"
#include "ui/config/DeviceOverview.h"
#include "ui/config/win32/ConfigDialogRunner.h"
#include "ui/config/win32/ConfigWindowChildren.h"

namespace tarvik {

constexpr char kConfigWindowClass[] = "JoyConfig";

// Everything the window reads and writes. One instance in the program;
// the window fills `devices` and `children` itself when it is created.
struct ConfigWindowContext {
    SharedState& state;
    ConfigWindowState& windowState;
    const char* title;  // the caption, the program's name and version
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

LRESULT CALLBACK configWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Registers "JoyConfig" with configWindowProc: one device context for the
// class, byte-aligned client area, `background` (the button-face brush),
// no icon, cursor or menu.
bool registerConfigWindowClass(HINSTANCE instance, HBRUSH background);

// The tray's "&Config ...": creates the window on `context`, which must
// outlive it, while none is open; otherwise brings the open one to the
// foreground.
void openConfigWindow(ConfigWindowContext& context);

// After the devices changed under the open window: describes them again,
// builds the device row anew and keeps the selection on the same device
// (the mouse's page follows the mouse to its new block). Nothing while the
// window is closed.
void showDevicesAgain(ConfigWindowContext& context, int previousMouseSlot);

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
