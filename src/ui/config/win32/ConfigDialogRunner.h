#pragma once
// How the configuration window runs its three modal dialogs. The program
// uses the resource templates (ResourceDialogRunner); tests script the
// answers.

#include <windows.h>

#include "config/Configuration.h"
#include "ui/config/DialogState.h"

namespace tarvik {

class ConfigDialogRunner {
  public:
    virtual ~ConfigDialogRunner() = default;
    // Each returns true for OK.
    virtual bool runName(HWND owner, DialogState& dialogs) = 0;
    virtual bool runShift(HWND owner, ConfigHeader& header, DialogState& dialogs) = 0;
    virtual bool runCopy(HWND owner, int currentBlock, int deviceCount, DialogState& dialogs) = 0;
};

// The dialogs "NAME", "SHIFT" and "COPY" from the program's resources.
class ResourceDialogRunner final : public ConfigDialogRunner {
  public:
    explicit ResourceDialogRunner(HINSTANCE instance) : instance_(instance) {}
    bool runName(HWND owner, DialogState& dialogs) override;
    bool runShift(HWND owner, ConfigHeader& header, DialogState& dialogs) override;
    bool runCopy(HWND owner, int currentBlock, int deviceCount, DialogState& dialogs) override;

  private:
    HINSTANCE instance_;
};

}  // namespace tarvik
