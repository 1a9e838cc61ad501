#pragma once
// Command ids of the configuration window's children. A device radio's id
// minus 1000 is the block it selects, a control radio's id minus 1050 is its
// control number, an AXIS radio's id minus 1100 its level, a POV radio's id
// minus 1150 its hat.

namespace tarvik::ControlId {

constexpr int kNone = 0;  // separators, group boxes and plain statics

constexpr int kClose = 1;
constexpr int kQuit = 2;
constexpr int kLoad = 500;
constexpr int kSave = 501;
constexpr int kShiftDevice = 502;

constexpr int kFirstDeviceRadio = 1000;  // block 0
constexpr int kCommonPageRadio = 1014;   // block value 14: the header page

constexpr int kFirstControlRadio = 1050;  // control 0, "common"
constexpr int kLastAxisDirectionRadio = 1098;
constexpr int kFirstPovDirectionRadio = 1131;
constexpr int kLastPovDirectionRadio = 1138;
constexpr int kFirstLevelRadio = 1100;  // "A"; "I" and "S" both carry 1102
constexpr int kLastLevelRadio = 1102;
constexpr int kFirstPovRadio = 1150;
constexpr int kLastPovRadio = 1152;

// The radio of control n (a button, an axis direction or a hat direction)
// and the POV radio of hat p.
constexpr int controlRadio(int control) {
    return kFirstControlRadio + control;
}
constexpr int povRadio(int hat) {
    return kFirstPovRadio + hat;
}

// Entry options
constexpr int kSendKeys = 1200;  // "text:"
constexpr int kAlt = 1201;
constexpr int kCtrl = 1202;
constexpr int kShift = 1203;
constexpr int kMouse = 1204;
constexpr int kName = 1205;
constexpr int kClear = 1206;
constexpr int kMouseActionList = 1207;
constexpr int kDynamic = 1208;
constexpr int kToggleLock = 1209;
constexpr int kAutoRepeat = 1210;
constexpr int kXStepUpDown = 1211;
constexpr int kYStepUpDown = 1212;
constexpr int kSensitivityUpDown = 1213;
constexpr int kAutoRelease = 1228;
constexpr int kDelayUpDown = 1230;
constexpr int kStringInput = 1232;
constexpr int kStartProgram = 1233;
constexpr int kSwitchProgram = 1236;
constexpr int kKeyList = 1243;
constexpr int kResponseCurveList = 1245;
constexpr int kCentred = 1246;
constexpr int kFSelect = 1248;

// Block options
constexpr int kBlockToggleLock = 1215;
constexpr int kBlockAutoRepeat = 1216;
constexpr int kBlockXStepUpDown = 1217;
constexpr int kBlockYStepUpDown = 1218;
constexpr int kLevel1UpDown = 1219;
constexpr int kLevel2UpDown = 1220;
constexpr int kLevel3UpDown = 1221;
constexpr int kBlockAutoRelease = 1229;
constexpr int kBlockDelayUpDown = 1231;
constexpr int kLearnMask = 1235;  // "auto"
constexpr int kSingleSensitivity = 1242;

// Common page
constexpr int kNameEdit = 1222;
constexpr int kNumberEdit = 1223;
constexpr int kAutostartPathEdit = 1224;
constexpr int kProgramButton = 1225;
constexpr int kCommentEdit = 1226;
constexpr int kAutostart = 1241;

// Frame
constexpr int kHelp = 1227;
constexpr int kCopy = 1249;

}  // namespace tarvik::ControlId
