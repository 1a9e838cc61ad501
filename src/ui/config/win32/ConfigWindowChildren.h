#pragma once
// The configuration window's children: one handle array per group, filled
// in creation order, so page display and painting address a control by
// its group and position.

#include <windows.h>

#include "ui/config/ControlTables.h"

namespace tarvik {

struct ConfigWindowChildren {
    HWND frameControls[kFrameControlCount];
    int frameControlCount;
    HWND deviceRadios[kMaxDeviceRadios];
    int deviceRadioCount;
    HWND devicePageFrame[kDevicePageFrameCount];
    int devicePageFrameCount;
    HWND controlSelectors[kControlSelectorSlots];  // holes stay null
    int controlSelectorCount;                      // one past the last position created
    HWND entryOptions[kEntryOptionCount];
    int entryOptionCount;
    HWND blockOptions[kBlockOptionCount];
    int blockOptionCount;
    HWND commonPage[kCommonPageCount];
    int commonPageCount;

    // Counts recorded after the up-downs, as the page rules name them.
    int entryCountAfterFirstUpDown;
    int entryCountAfterSecondUpDown;
    int entryCountAfterThirdUpDown;
    int blockCountAfterFirstUpDown;
    int blockCountAfterThirdUpDown;

    // The handle of a group member, or null (not created, a hole, out of
    // range).
    HWND at(ControlRef ref) const;
};

// Window style of a child of `kind`, WS_CHILD and WS_VISIBLE included.
DWORD childControlStyle(ControlKind kind);

// Creates one child from its table row; the result may be null.
HWND createChildControl(HWND parent, HINSTANCE instance, const ChildControl& control,
                        int clientWidth, int clientHeight);

}  // namespace tarvik
