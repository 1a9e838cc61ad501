#include "ui/config/win32/ConfigDialogRunner.h"
#include "ui/config/win32/Dialogs.h"

namespace tarvik {

bool ResourceDialogRunner::runName(HWND owner, DialogState& dialogs) {
    return runNameDialog(instance_, owner, dialogs);
}

bool ResourceDialogRunner::runShift(HWND owner, ConfigHeader& header, DialogState& dialogs) {
    return runShiftDialog(instance_, owner, header, dialogs);
}

bool ResourceDialogRunner::runCopy(HWND owner, int currentBlock, int deviceCount,
                                   DialogState& dialogs) {
    return runCopyDialog(instance_, owner, currentBlock, deviceCount, dialogs);
}

}  // namespace tarvik
