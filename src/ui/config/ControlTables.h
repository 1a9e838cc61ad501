#pragma once
// Every child control of the configuration window as data: group, position,
// id, kind, caption and place. The window walks these tables to create its
// children and keeps one handle array per group, indexed by position, so the
// page rules can address controls by (group, position).

#include <cstdint>

#include "ui/config/ControlIds.h"

namespace tarvik {

enum class ControlGroup : uint8_t {
    kFrameControls,
    kDeviceRadios,
    kDevicePageFrame,
    kControlSelectors,
    kEntryOptions,
    kBlockOptions,
    kCommonPage,
};

// Handle-array sizes. ControlSelectors has holes (26..32, 49..52, 60).
constexpr int kFrameControlCount = 10;
constexpr int kMaxDeviceRadios = 13;  // six joysticks and the mouse
constexpr int kDevicePageFrameCount = 4;
constexpr int kControlSelectorSlots = 69;
constexpr int kEntryOptionCount = 25;
constexpr int kBlockOptionCount = 10;
constexpr int kCommonPageCount = 7;

// Named positions inside the groups.
namespace SelectorPosition {
constexpr int kAuto = 0;
constexpr int kCommon = 1;
constexpr int kFirstButton = 2;  // button k (1..24) at k + 1
constexpr int kLastButton = 25;
constexpr int kFirstAxisDirection = 33;  // control number 33..48 = position
constexpr int kLastAxisDirection = 48;
constexpr int kFirstLevel = 53;  // "A", "X", "I", "S"
constexpr int kLastLevel = 56;
constexpr int kFirstPov = 57;  // "P", "O", "V"
constexpr int kLastPov = 59;
constexpr int kFirstPovDirection = 61;  // control 81..88 at control - 20
constexpr int kLastPovDirection = 68;
}  // namespace SelectorPosition

namespace EntryPosition {
constexpr int kNameButton = 0;
constexpr int kProgramText = 2;  // static: the entry's program file
constexpr int kKeyText = 11;     // static: the recorded text
constexpr int kSensitivityUpDown = 21;
constexpr int kCentred = 23;
constexpr int kResponseCurve = 24;  // shown with the axis-only options above
// Handle counts recorded after the first, second and third up-down.
constexpr int kCountAfterFirstUpDown = 19;
constexpr int kCountAfterSecondUpDown = 20;
constexpr int kCountAfterThirdUpDown = 21;
}  // namespace EntryPosition

namespace BlockPosition {
constexpr int kCountAfterFirstUpDown = 5;
constexpr int kCountAfterThirdUpDown = 7;
}  // namespace BlockPosition

namespace FramePosition {
constexpr int kCopy = 8;
constexpr int kCommonPageRadio = 9;
}  // namespace FramePosition

namespace CommonPosition {
constexpr int kNameEdit = 0;
constexpr int kNumberEdit = 1;
constexpr int kAutostartPathEdit = 3;
constexpr int kCommentEdit = 4;
}  // namespace CommonPosition

enum class ControlKind : uint8_t {
    kSeparator,        // "static", etched frame, 2 px high
    kGroupBox,         // "button", group box
    kPushButton,       // "button", centred caption
    kPushButtonLeft,   // "button", left-aligned caption
    kPushButtonRight,  // "button", right-aligned caption with a border
    kRadio,            // "button", plain (not automatic) radio
    kCheckBox,         // "button", plain (not automatic) check box
    kStaticText,       // "static"
    kUpDown,           // "msctls_updown32", no buddy, vertical
    kDropDownList,     // "combobox", drop-down list, vertical scroll, unsorted
    kEdit,             // "edit", border, no automatic scrolling
    kEditMultiLine,    // "edit", border, multi-line, word wrap, no automatic scrolling
};

// Window class of a kind.
const char* controlClassName(ControlKind kind);

// A coordinate either in plain client pixels or relative to the client
// width W or height H measured after the window took its final size
// ("W-195" is {-195, kFromWidth}).
struct Coordinate {
    enum class Origin : uint8_t { kAbsolute, kFromWidth, kFromHeight };
    int16_t offset;
    Origin origin;
};

constexpr Coordinate px(int value) {
    return {static_cast<int16_t>(value), Coordinate::Origin::kAbsolute};
}
constexpr Coordinate widthPlus(int value) {
    return {static_cast<int16_t>(value), Coordinate::Origin::kFromWidth};
}
constexpr Coordinate heightPlus(int value) {
    return {static_cast<int16_t>(value), Coordinate::Origin::kFromHeight};
}

constexpr int resolve(Coordinate c, int clientWidth, int clientHeight) {
    switch (c.origin) {
        case Coordinate::Origin::kFromWidth:
            return clientWidth + c.offset;
        case Coordinate::Origin::kFromHeight:
            return clientHeight + c.offset;
        case Coordinate::Origin::kAbsolute:
            break;
    }
    return c.offset;
}

struct ChildControl {
    ControlGroup group;
    int position;
    int id;  // ControlId::kNone for controls without one
    ControlKind kind;
    char caption[32];
    Coordinate x, y, w, h;
};

struct ControlPlace {
    int x, y, w, h;
};

constexpr ControlPlace placeOf(const ChildControl& control, int clientWidth, int clientHeight) {
    return {resolve(control.x, clientWidth, clientHeight),
            resolve(control.y, clientWidth, clientHeight),
            resolve(control.w, clientWidth, clientHeight),
            resolve(control.h, clientWidth, clientHeight)};
}

struct ControlRef {
    ControlGroup group;
    int position;
    friend constexpr bool operator==(ControlRef, ControlRef) = default;
};

// The fixed groups, each in position order. controlSelectors lists only
// the 57 existing selectors, each carrying its position.
extern const ChildControl frameControls[kFrameControlCount];
extern const ChildControl devicePageFrame[kDevicePageFrameCount];
constexpr int kControlSelectorCount = 57;
extern const ChildControl controlSelectors[kControlSelectorCount];
extern const ChildControl entryOptions[kEntryOptionCount];
extern const ChildControl blockOptions[kBlockOptionCount];
extern const ChildControl commonPage[kCommonPageCount];

// The device row: per joystick i the radios "%d" and "S%d" of i + 1 at
// positions 2i and 2i + 1, then "Mouse" at 2n. The device layer enumerates
// at most six joysticks; a larger count is treated as six so the mouse's
// radio never takes the common page's id.
int deviceRadioCount(int deviceCount);
ChildControl deviceRadio(int deviceCount, int position);

// The description of a fixed group member, or nullptr for device radios,
// empty selector positions and positions out of range.
const ChildControl* findChildControl(ControlRef ref);

// Creation order of the window's children, with the points where the
// window checks the AXIS and POV radios and fills the two lists.
enum class CreationStep : uint8_t {
    kControls,         // create group members firstPosition..lastPosition
    kDeviceRow,        // create the device row (deviceRadio)
    kCheckLevelRadio,  // check radio 1100 + currentLevel
    kCheckPovRadio,    // check radio 1150 + currentPov
    kFillLists,        // fill mouseActionList then keyList
};

struct CreationItem {
    CreationStep step;
    ControlGroup group;
    int firstPosition;
    int lastPosition;
};

constexpr int kCreationItemCount = 16;
extern const CreationItem creationSequence[kCreationItemCount];

}  // namespace tarvik
