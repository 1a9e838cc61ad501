#pragma once
// Which children the configuration window shows, hides, enables or
// disables for the current selection. The window applies the result to its
// handle arrays; members marked kKeep are left as they are (the frame, the
// device row, the AXIS column always, the POV column on the common page).

#include <cstdint>

#include "config/Configuration.h"
#include "ui/config/ControlTables.h"
#include "ui/config/DeviceOverview.h"
#include "config/SelectionState.h"

namespace tarvik {

enum class Visibility : uint8_t { kKeep, kShow, kHide };
enum class Enabling : uint8_t { kKeep, kEnable, kDisable };

struct ControlChange {
    Visibility visibility = Visibility::kKeep;
    Enabling enabling = Enabling::kKeep;
};

// A filled rectangle with the button-face pen and brush, (left, top) to
// (right, bottom) as the platform's rectangle call takes them.
struct PaintRect {
    int left, top, right, bottom;
    friend constexpr bool operator==(const PaintRect&, const PaintRect&) = default;
};

struct PageDisplay {
    PaintRect erase;  // always erased first
    ControlChange devicePageFrame[kDevicePageFrameCount];
    ControlChange controlSelectors[kControlSelectorSlots];
    ControlChange entryOptions[kEntryOptionCount];
    ControlChange blockOptions[kBlockOptionCount];
    ControlChange commonPage[kCommonPageCount];

    // The change for any group member; kKeep for the frame, the device row
    // and positions out of range.
    ControlChange at(ControlRef ref) const;
};

// True for currentBlock 0..13; every other value shows the common page.
constexpr bool isDevicePage(int block) {
    return block >= 0 && block < kBlockCount;
}

// pageDisplay's decisions for the selection and the slot currentBlock.
PageDisplay planPageDisplay(const ConfigHeader& header, const SelectionState& selection,
                            const DeviceOverview& devices);

// Position in ControlSelectors of control number `control`'s radio, or -1
// when it has none (buttons 25..32, hats 1 and 2, anything else).
int controlRadioPosition(int control);

// Whether the radio of `control` is visible after `display`; a control
// without a radio counts as not visible.
bool controlRadioVisible(const PageDisplay& display, int control);

}  // namespace tarvik
