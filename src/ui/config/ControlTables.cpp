#include "ui/config/ControlTables.h"

#include <cstdio>

#include "config/AxisDirectionNames.h"

namespace tarvik {

namespace {

using K = ControlKind;
using G = ControlGroup;

constexpr ChildControl buttonRadio(int k) {
    ChildControl control{G::kControlSelectors,
                         SelectorPosition::kFirstButton + k,
                         ControlId::kFirstControlRadio + 1 + k,
                         K::kRadio,
                         {},
                         px(420 + 60 * (k % 6)),
                         px(155 + 20 * (k / 6)),
                         px(50),
                         px(25)};
    const int number = k + 1;
    int i = 0;
    if (number >= 10) control.caption[i++] = static_cast<char>('0' + number / 10);
    control.caption[i++] = static_cast<char>('0' + number % 10);
    control.caption[i] = '\0';
    return control;
}

constexpr ChildControl selector(int position, int id, ControlKind kind, const char (&caption)[3],
                                int x, int y, int w, int h) {
    ChildControl control{G::kControlSelectors, position, id, kind, {}, px(x), px(y), px(w), px(h)};
    for (int i = 0; i < 3; ++i) control.caption[i] = caption[i];
    return control;
}

constexpr ChildControl axisRadio(int position, int x, int y) {
    const char* caption = kAxisDirectionNames[position - SelectorPosition::kFirstAxisDirection];
    ChildControl control{G::kControlSelectors,
                         position,
                         ControlId::kFirstControlRadio + position,
                         K::kRadio,
                         {},
                         px(x),
                         px(y),
                         px(50),
                         px(25)};
    for (int i = 0; caption[i] != '\0'; ++i) control.caption[i] = caption[i];
    return control;
}

}  // namespace

const char* controlClassName(ControlKind kind) {
    switch (kind) {
        case K::kSeparator:
        case K::kStaticText:
            return "static";
        case K::kUpDown:
            return "msctls_updown32";
        case K::kDropDownList:
            return "combobox";
        case K::kEdit:
        case K::kEditMultiLine:
            return "edit";
        case K::kGroupBox:
        case K::kPushButton:
        case K::kPushButtonLeft:
        case K::kPushButtonRight:
        case K::kRadio:
        case K::kCheckBox:
            break;
    }
    return "button";
}

const ChildControl frameControls[kFrameControlCount] = {
    {G::kFrameControls, 0, ControlId::kNone, K::kSeparator, "", px(0), px(30), widthPlus(0), px(2)},
    {G::kFrameControls, 1, ControlId::kNone, K::kGroupBox, "info", px(5), px(35), px(400), px(65)},
    {G::kFrameControls, 2, ControlId::kLoad, K::kPushButton, "load", px(5), heightPlus(-40), px(60),
     px(35)},
    {G::kFrameControls, 3, ControlId::kSave, K::kPushButton, "save", px(70), heightPlus(-40),
     px(60), px(35)},
    {G::kFrameControls, 4, ControlId::kHelp, K::kPushButton, "help", widthPlus(-195),
     heightPlus(-40), px(60), px(35)},
    {G::kFrameControls, 5, ControlId::kClose, K::kPushButton, "close", widthPlus(-130),
     heightPlus(-40), px(60), px(35)},
    {G::kFrameControls, 6, ControlId::kQuit, K::kPushButton, "quit", widthPlus(-65),
     heightPlus(-40), px(60), px(35)},
    {G::kFrameControls, 7, ControlId::kNone, K::kGroupBox, "special", px(410), px(35),
     widthPlus(-415), px(65)},
    {G::kFrameControls, 8, ControlId::kCopy, K::kPushButton, "copy", px(420), px(60), px(60),
     px(35)},
    {G::kFrameControls, 9, ControlId::kCommonPageRadio, K::kRadio, "common", px(100), px(5), px(90),
     px(25)},
};

const ChildControl devicePageFrame[kDevicePageFrameCount] = {
    {G::kDevicePageFrame, 0, ControlId::kNone, K::kGroupBox, "select or press button", px(410),
     px(105), widthPlus(-415), heightPlus(-150)},
    {G::kDevicePageFrame, 1, ControlId::kNone, K::kGroupBox, "options", px(5), px(105), px(400),
     heightPlus(-150)},
    {G::kDevicePageFrame, 2, ControlId::kNone, K::kSeparator, "", px(420), px(237), px(350), px(2)},
    {G::kDevicePageFrame, 3, ControlId::kNone, K::kSeparator, "", px(420), px(327), px(350), px(2)},
};

const ChildControl controlSelectors[kControlSelectorCount] = {
    {G::kControlSelectors, 0, ControlId::kLearnMask, K::kCheckBox, "auto", px(520), px(130),
     px(100), px(25)},
    {G::kControlSelectors, 1, ControlId::kFirstControlRadio, K::kRadio, "common", px(420), px(130),
     px(100), px(25)},
    buttonRadio(0),
    buttonRadio(1),
    buttonRadio(2),
    buttonRadio(3),
    buttonRadio(4),
    buttonRadio(5),
    buttonRadio(6),
    buttonRadio(7),
    buttonRadio(8),
    buttonRadio(9),
    buttonRadio(10),
    buttonRadio(11),
    buttonRadio(12),
    buttonRadio(13),
    buttonRadio(14),
    buttonRadio(15),
    buttonRadio(16),
    buttonRadio(17),
    buttonRadio(18),
    buttonRadio(19),
    buttonRadio(20),
    buttonRadio(21),
    buttonRadio(22),
    buttonRadio(23),
    axisRadio(33, 480, 240),
    axisRadio(34, 480, 260),
    axisRadio(35, 540, 240),
    axisRadio(36, 540, 260),
    axisRadio(37, 600, 240),
    axisRadio(38, 600, 260),
    axisRadio(39, 480, 280),
    axisRadio(40, 480, 300),
    axisRadio(41, 540, 280),
    axisRadio(42, 540, 300),
    axisRadio(43, 600, 280),
    axisRadio(44, 600, 300),
    axisRadio(45, 660, 240),
    axisRadio(46, 720, 240),
    axisRadio(47, 660, 260),
    axisRadio(48, 720, 260),
    // The column spells AXIS; its last radio repeats the third's id, so
    // it selects level 2 and the check mark lands on "I".
    selector(53, 1100, K::kRadio, "A\0", 420, 240, 50, 25),
    selector(54, 1101, K::kRadio, "X\0", 420, 260, 50, 25),
    selector(55, 1102, K::kRadio, "I\0", 420, 280, 50, 25),
    selector(56, 1102, K::kRadio, "S\0", 420, 300, 50, 25),
    selector(57, 1150, K::kRadio, "P\0", 420, 330, 50, 25),
    selector(58, 1151, K::kRadio, "O\0", 420, 350, 50, 25),
    selector(59, 1152, K::kRadio, "V\0", 420, 370, 50, 25),
    selector(61, 1131, K::kRadio, "f ", 540, 330, 40, 25),
    selector(62, 1132, K::kRadio, "fr", 600, 330, 40, 25),
    selector(63, 1133, K::kRadio, "r ", 600, 350, 40, 25),
    selector(64, 1134, K::kRadio, "br", 600, 370, 40, 25),
    selector(65, 1135, K::kRadio, "b ", 540, 370, 40, 25),
    selector(66, 1136, K::kRadio, "bl", 480, 370, 40, 25),
    selector(67, 1137, K::kRadio, "l ", 480, 350, 40, 25),
    selector(68, 1138, K::kRadio, "fl", 480, 330, 40, 25),
};

const ChildControl entryOptions[kEntryOptionCount] = {
    {G::kEntryOptions, 0, ControlId::kName, K::kPushButtonLeft, "name", px(15), px(130), px(380),
     px(20)},
    {G::kEntryOptions, 1, ControlId::kStartProgram, K::kCheckBox, "start prog:", px(15), px(200),
     px(120), px(20)},
    {G::kEntryOptions, 2, ControlId::kNone, K::kStaticText, "", px(135), px(200), px(260), px(20)},
    {G::kEntryOptions, 3, ControlId::kStringInput, K::kCheckBox, "string input dialog", px(15),
     px(220), px(170), px(20)},
    {G::kEntryOptions, 4, ControlId::kSwitchProgram, K::kCheckBox, "switch program", px(200),
     px(220), px(160), px(20)},
    {G::kEntryOptions, 5, ControlId::kFSelect, K::kCheckBox, "f-select", px(15), px(240), px(100),
     px(20)},
    {G::kEntryOptions, 6, ControlId::kSendKeys, K::kCheckBox, "text:", px(15), px(260), px(60),
     px(20)},
    {G::kEntryOptions, 7, ControlId::kAlt, K::kCheckBox, "ALT", px(15), px(155), px(70), px(20)},
    {G::kEntryOptions, 8, ControlId::kCtrl, K::kCheckBox, "CTRL", px(90), px(155), px(70), px(20)},
    {G::kEntryOptions, 9, ControlId::kShift, K::kCheckBox, "SHIFT", px(165), px(155), px(70),
     px(20)},
    {G::kEntryOptions, 10, ControlId::kAutoRepeat, K::kCheckBox, "auto-repeat", px(240), px(155),
     px(120), px(20)},
    {G::kEntryOptions, 11, ControlId::kNone, K::kStaticText, "", px(75), px(260), px(320), px(20)},
    {G::kEntryOptions, 12, ControlId::kKeyList, K::kDropDownList, "", px(210), px(280), px(180),
     px(140)},
    {G::kEntryOptions, 13, ControlId::kAutoRelease, K::kCheckBox, "auto-release", px(15), px(280),
     px(140), px(20)},
    {G::kEntryOptions, 14, ControlId::kClear, K::kPushButton, "clear", px(155), px(280), px(50),
     px(20)},
    {G::kEntryOptions, 15, ControlId::kMouse, K::kCheckBox, "mouse", px(15), px(319), px(75),
     px(20)},
    {G::kEntryOptions, 16, ControlId::kMouseActionList, K::kDropDownList, "", px(95), px(315),
     px(180), px(140)},
    {G::kEntryOptions, 17, ControlId::kToggleLock, K::kCheckBox, "toggle lock", px(280), px(319),
     px(120), px(20)},
    {G::kEntryOptions, 18, ControlId::kDelayUpDown, K::kUpDown, "", px(120), px(180), px(20),
     px(20)},
    {G::kEntryOptions, 19, ControlId::kXStepUpDown, K::kUpDown, "", px(40), px(370), px(20),
     px(20)},
    {G::kEntryOptions, 20, ControlId::kYStepUpDown, K::kUpDown, "", px(120), px(370), px(20),
     px(20)},
    {G::kEntryOptions, 21, ControlId::kSensitivityUpDown, K::kUpDown, "", px(300), px(180), px(20),
     px(20)},
    {G::kEntryOptions, 22, ControlId::kDynamic, K::kCheckBox, "dynamic", px(175), px(370), px(100),
     px(20)},
    {G::kEntryOptions, 23, ControlId::kCentred, K::kCheckBox, "centred", px(295), px(370), px(100),
     px(20)},
    // Right above "dynamic", whose speed it shapes, in the row the step
    // labels leave free.
    {G::kEntryOptions, 24, ControlId::kResponseCurveList, K::kDropDownList, "", px(175), px(340),
     px(120), px(120)},
};

const ChildControl blockOptions[kBlockOptionCount] = {
    {G::kBlockOptions, 0, ControlId::kBlockToggleLock, K::kCheckBox, "toggle lock", px(15), px(230),
     px(120), px(20)},
    {G::kBlockOptions, 1, ControlId::kBlockAutoRepeat, K::kCheckBox, "auto-repeat", px(15), px(255),
     px(120), px(20)},
    {G::kBlockOptions, 2, ControlId::kBlockAutoRelease, K::kCheckBox, "auto-release", px(15),
     px(280), px(140), px(20)},
    {G::kBlockOptions, 3, ControlId::kSingleSensitivity, K::kCheckBox,
     "disable multiple sensitivities", px(15), px(305), px(320), px(20)},
    {G::kBlockOptions, 4, ControlId::kBlockDelayUpDown, K::kUpDown, "", px(120), px(180), px(20),
     px(20)},
    {G::kBlockOptions, 5, ControlId::kBlockXStepUpDown, K::kUpDown, "", px(40), px(370), px(20),
     px(20)},
    {G::kBlockOptions, 6, ControlId::kBlockYStepUpDown, K::kUpDown, "", px(120), px(370), px(20),
     px(20)},
    {G::kBlockOptions, 7, ControlId::kLevel1UpDown, K::kUpDown, "", px(265), px(370), px(20),
     px(20)},
    {G::kBlockOptions, 8, ControlId::kLevel2UpDown, K::kUpDown, "", px(320), px(370), px(20),
     px(20)},
    {G::kBlockOptions, 9, ControlId::kLevel3UpDown, K::kUpDown, "", px(375), px(370), px(20),
     px(20)},
};

const ChildControl commonPage[kCommonPageCount] = {
    {G::kCommonPage, 0, ControlId::kNameEdit, K::kEdit, "", px(110), px(118), px(320), px(24)},
    {G::kCommonPage, 1, ControlId::kNumberEdit, K::kEdit, "", px(110), px(148), px(320), px(24)},
    {G::kCommonPage, 2, ControlId::kProgramButton, K::kPushButtonRight, "program:", px(5), px(178),
     px(100), px(24)},
    {G::kCommonPage, 3, ControlId::kAutostartPathEdit, K::kEdit, "", px(110), px(178), px(320),
     px(24)},
    {G::kCommonPage, 4, ControlId::kCommentEdit, K::kEditMultiLine, "", px(110), px(208), px(515),
     px(190)},
    {G::kCommonPage, 5, ControlId::kAutostart, K::kCheckBox, "autostart", px(5), px(238), px(100),
     px(24)},
    {G::kCommonPage, 6, ControlId::kShiftDevice, K::kPushButtonRight, "shift device", px(5),
     px(270), px(100), px(24)},
};

int deviceRadioCount(int deviceCount) {
    if (deviceCount < 0) deviceCount = 0;
    if (deviceCount > 6) deviceCount = 6;
    return 2 * deviceCount + 1;
}

ChildControl deviceRadio(int deviceCount, int position) {
    const int count = deviceRadioCount(deviceCount);
    const int joysticks = (count - 1) / 2;
    ChildControl control{G::kDeviceRadios,
                         position,
                         ControlId::kFirstDeviceRadio + position,
                         K::kRadio,
                         "",
                         px(0),
                         px(5),
                         px(0),
                         px(25)};
    if (position < 0 || position >= count) {
        control.id = ControlId::kNone;
        return control;
    }
    if (position == count - 1) {
        // Waiting for a first controller, the mouse already maps from
        // block 2, so its page is that block.
        if (joysticks == 0) control.id = ControlId::kFirstDeviceRadio + 2;
        std::snprintf(control.caption, sizeof(control.caption), "Mouse");
        control.x = px(200 + 100 * joysticks);
        control.w = px(100);
        return control;
    }
    const int joystick = position / 2;
    if (position % 2 == 0) {
        std::snprintf(control.caption, sizeof(control.caption), "%d", joystick + 1);
        control.x = px(200 + 90 * joystick);
        control.w = px(40);
    } else {
        std::snprintf(control.caption, sizeof(control.caption), "S%d", joystick + 1);
        control.x = px(240 + 90 * joystick);
        control.w = px(50);
    }
    return control;
}

const ChildControl* findChildControl(ControlRef ref) {
    auto inRange = [&](const ChildControl* table, int count) -> const ChildControl* {
        return ref.position >= 0 && ref.position < count ? &table[ref.position] : nullptr;
    };
    switch (ref.group) {
        case G::kFrameControls:
            return inRange(frameControls, kFrameControlCount);
        case G::kDevicePageFrame:
            return inRange(devicePageFrame, kDevicePageFrameCount);
        case G::kEntryOptions:
            return inRange(entryOptions, kEntryOptionCount);
        case G::kBlockOptions:
            return inRange(blockOptions, kBlockOptionCount);
        case G::kCommonPage:
            return inRange(commonPage, kCommonPageCount);
        case G::kControlSelectors:
            for (const ChildControl& control : controlSelectors) {
                if (control.position == ref.position) return &control;
            }
            return nullptr;
        case G::kDeviceRadios:
            break;
    }
    return nullptr;
}

const CreationItem creationSequence[kCreationItemCount] = {
    {CreationStep::kControls, G::kFrameControls, 0, kFrameControlCount - 1},
    {CreationStep::kDeviceRow, G::kDeviceRadios, 0, 0},
    {CreationStep::kControls, G::kDevicePageFrame, 0, 1},
    {CreationStep::kControls, G::kControlSelectors, SelectorPosition::kAuto,
     SelectorPosition::kLastButton},
    {CreationStep::kControls, G::kDevicePageFrame, 2, 2},
    {CreationStep::kControls, G::kControlSelectors, SelectorPosition::kFirstAxisDirection,
     SelectorPosition::kLastAxisDirection},
    {CreationStep::kControls, G::kControlSelectors, SelectorPosition::kFirstLevel,
     SelectorPosition::kLastLevel},
    {CreationStep::kCheckLevelRadio, G::kControlSelectors, 0, 0},
    {CreationStep::kControls, G::kDevicePageFrame, 3, 3},
    {CreationStep::kControls, G::kControlSelectors, SelectorPosition::kFirstPov,
     SelectorPosition::kLastPov},
    {CreationStep::kCheckPovRadio, G::kControlSelectors, 0, 0},
    {CreationStep::kControls, G::kControlSelectors, SelectorPosition::kFirstPovDirection,
     SelectorPosition::kLastPovDirection},
    {CreationStep::kControls, G::kEntryOptions, 0, kEntryOptionCount - 1},
    {CreationStep::kControls, G::kBlockOptions, 0, kBlockOptionCount - 1},
    {CreationStep::kFillLists, G::kEntryOptions, 0, 0},
    {CreationStep::kControls, G::kCommonPage, 0, kCommonPageCount - 1},
};

}  // namespace tarvik
