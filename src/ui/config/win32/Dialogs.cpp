#include "ui/config/win32/Dialogs.h"

#include "config/BoundedString.h"
#include "ui/config/DialogIds.h"
#include "ui/config/DialogRules.h"

namespace tarvik {

namespace {

struct ShiftContext {
    ConfigHeader& header;
    DialogState& dialogs;
};

struct CopyContext {
    int currentBlock;
    int deviceCount;
    DialogState& dialogs;
};

// Middle of the screen and above every window, so the dialog is never lost
// behind the application the user is mapping for.
void placeCentredOnTop(HWND dialog) {
    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    RECT own{};
    GetWindowRect(dialog, &own);
    const DialogOrigin origin =
        centredOrigin(desktop.right, desktop.bottom, own.right - own.left, own.bottom - own.top);
    SetWindowPos(dialog, HWND_TOPMOST, origin.x, origin.y, 0, 0, SWP_NOSIZE);
}

// WM_INITDIALOG hands over the context; later messages find it here.
template <typename Context>
Context* rememberContext(HWND dialog, LPARAM param) {
    SetWindowLongPtrA(dialog, DWLP_USER, param);
    return reinterpret_cast<Context*>(param);
}

template <typename Context>
Context* contextOf(HWND dialog) {
    return reinterpret_cast<Context*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void finish(HWND dialog, DialogOutcome outcome) {
    if (outcome == DialogOutcome::kOk) EndDialog(dialog, 1);
    if (outcome == DialogOutcome::kCancel) EndDialog(dialog, 0);
}

void checkRadio(HWND dialog, int id, bool checked) {
    SendDlgItemMessageA(dialog, id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

INT_PTR CALLBACK nameProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        placeCentredOnTop(dialog);
        DialogState& dialogs = *rememberContext<DialogState>(dialog, lParam);
        // The caller's buffer need not be terminated; the edit gets at most 255.
        char text[sizeof(dialogs.nameBuffer.text)];
        copyBounded(text, boundedText(dialogs.nameBuffer.text));
        SetDlgItemTextA(dialog, ID_NAME_EDIT, text);
        return TRUE;
    }
    DialogState* dialogs = contextOf<DialogState>(dialog);
    if (message != WM_COMMAND || dialogs == nullptr) return FALSE;
    const DialogOutcome outcome = okCancelOutcome(LOWORD(wParam));
    if (outcome == DialogOutcome::kOk) {
        GetDlgItemTextA(dialog, ID_NAME_EDIT, dialogs->nameBuffer.text,
                        sizeof(dialogs->nameBuffer.text));
    }
    finish(dialog, outcome);
    return FALSE;
}

INT_PTR CALLBACK shiftProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        placeCentredOnTop(dialog);
        ShiftContext& context = *rememberContext<ShiftContext>(dialog, lParam);
        beginShiftDialog(context.header, context.dialogs);
        const ShiftRadios radios = shiftRadiosToCheck(context.dialogs);
        if (radios.deviceRadio != kNoRadio) checkRadio(dialog, radios.deviceRadio, true);
        if (radios.buttonRadio != kNoRadio) checkRadio(dialog, radios.buttonRadio, true);
        return TRUE;
    }
    ShiftContext* context = contextOf<ShiftContext>(dialog);
    if (message != WM_COMMAND || context == nullptr) return FALSE;
    const ShiftCommandEffect effect =
        shiftCommand(LOWORD(wParam), context->header, context->dialogs);
    if (effect.clearButtonRadios) {
        for (int k = 0; k < SHIFT_BUTTON_COUNT; ++k) {
            checkRadio(dialog, ID_SHIFT_BUTTON_FIRST + k, false);
        }
    }
    finish(dialog, effect.outcome);
    return FALSE;
}

INT_PTR CALLBACK copyProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        placeCentredOnTop(dialog);
        CopyContext& context = *rememberContext<CopyContext>(dialog, lParam);
        beginCopyDialog(context.dialogs);
        EnableWindow(GetDlgItem(dialog, IDOK), FALSE);
        SetWindowTextA(dialog, copyCaption(context.currentBlock).text);
        for (int block = 0; block < COPY_BLOCK_COUNT; ++block) {
            if (copyRadioHidden(block, context.currentBlock, context.deviceCount)) {
                ShowWindow(GetDlgItem(dialog, ID_COPY_BLOCK_FIRST + block), SW_HIDE);
            }
        }
        return TRUE;
    }
    CopyContext* context = contextOf<CopyContext>(dialog);
    if (message != WM_COMMAND || context == nullptr) return FALSE;
    const DialogOutcome outcome = copyCommand(LOWORD(wParam), context->dialogs);
    if (outcome == DialogOutcome::kContinue) {
        EnableWindow(GetDlgItem(dialog, IDOK), copyTargetChosen(context->dialogs));
    }
    finish(dialog, outcome);
    return FALSE;
}

}  // namespace

bool runNameDialog(HINSTANCE instance, HWND owner, DialogState& dialogs) {
    return DialogBoxParamA(instance, DIALOG_NAME, owner, nameProcedure,
                           reinterpret_cast<LPARAM>(&dialogs)) == 1;
}

bool runShiftDialog(HINSTANCE instance, HWND owner, ConfigHeader& header, DialogState& dialogs) {
    ShiftContext context{header, dialogs};
    return DialogBoxParamA(instance, DIALOG_SHIFT, owner, shiftProcedure,
                           reinterpret_cast<LPARAM>(&context)) == 1;
}

bool runCopyDialog(HINSTANCE instance, HWND owner, int currentBlock, int deviceCount,
                   DialogState& dialogs) {
    CopyContext context{currentBlock, deviceCount, dialogs};
    return DialogBoxParamA(instance, DIALOG_COPY, owner, copyProcedure,
                           reinterpret_cast<LPARAM>(&context)) == 1;
}

}  // namespace tarvik
