#pragma once
// What pagePaint draws and loads for the current selection, as data: the
// rectangles to erase, the texts to draw straight onto the window, the
// check marks, enablings and control texts to set, the "copy" button's
// visibility and the mouse action to select. The window applies them in
// list order and then gives itself the keyboard focus.

#include <cstdint>
#include <optional>

#include "config/Configuration.h"
#include "config/SelectionState.h"
#include "ui/config/ControlTables.h"
#include "ui/config/DeviceOverview.h"
#include "ui/config/PageDisplayRules.h"

namespace tarvik {

// kRightEnd: the text ends at x (origin = x minus its measured width).
enum class TextAlign : uint8_t { kLeft, kRightEnd };

struct PaintedText {
    int x, y;  // top-left for kLeft; top-right for kRightEnd
    TextAlign align;
    char text[264];
};

struct CheckMark {
    int id;
    bool checked;
};

struct EnableMark {
    int id;
    bool enabled;
};

struct ControlText {
    ControlRef control;
    char text[1001];
};

// What the previous paint showed; decides what must be erased now.
struct PaintMemory {
    int lastPaintedBlock = 0;
    int lastPaintedEntry = 0;
};

struct PagePaint {
    static constexpr int kMaxErase = 10;
    static constexpr int kMaxTexts = 20;
    static constexpr int kMaxChecks = 16;
    static constexpr int kMaxEnables = 2;
    static constexpr int kMaxControlTexts = 4;

    PaintRect erase[kMaxErase];  // first, with the button-face pen and brush
    int eraseCount = 0;
    PaintedText texts[kMaxTexts];  // then, transparent, with the default font
    int textCount = 0;
    Visibility copyButton = Visibility::kKeep;
    CheckMark checks[kMaxChecks];  // in order: an uncheck may precede a check of the same id
    int checkCount = 0;
    EnableMark enables[kMaxEnables];
    int enableCount = 0;
    ControlText controlTexts[kMaxControlTexts];  // edit texts and captions
    int controlTextCount = 0;
    std::optional<int> mouseActionItem;    // none: leave the list's selection
    std::optional<int> responseCurveItem;  // likewise
};

// The two information lines of the common page.
extern const char kInfoLine1[];
extern const char kInfoLine2[];

// The plan for the current selection. Like painting itself it updates
// `memory` to this selection and, in the block view of a block with
// singleSensitivity set, sets currentLevel to 2.
PagePaint planPagePaint(const Configuration& config, SelectionState& selection, PaintMemory& memory,
                        const DeviceOverview& devices);

// The shift settings below the "shift device" button: the shift device's
// number, "shift button" and the button's number, or "off" when no shift
// button is in use. The erase rectangle is for the repaint after the SHIFT
// dialog; pagePaint draws the texts without it.
struct ShiftSettingsPaint {
    PaintRect erase;
    PaintedText texts[3];
};
// The mouse-action item that filling a new window pre-selects: the current
// entry's action on a device page, none on the common page.
std::optional<int> initialMouseActionItem(const Configuration& config,
                                          const SelectionState& selection);

ShiftSettingsPaint shiftSettingsPaint(const ConfigHeader& header);

}  // namespace tarvik
