#include "ui/config/win32/ConfigWindowChildren.h"

namespace tarvik {

namespace {

HWND pick(const HWND* handles, int count, int position) {
    return position >= 0 && position < count ? handles[position] : nullptr;
}

}  // namespace

HWND ConfigWindowChildren::at(ControlRef ref) const {
    switch (ref.group) {
        case ControlGroup::kFrameControls:
            return pick(frameControls, frameControlCount, ref.position);
        case ControlGroup::kDeviceRadios:
            return pick(deviceRadios, deviceRadioCount, ref.position);
        case ControlGroup::kDevicePageFrame:
            return pick(devicePageFrame, devicePageFrameCount, ref.position);
        case ControlGroup::kControlSelectors:
            return pick(controlSelectors, controlSelectorCount, ref.position);
        case ControlGroup::kEntryOptions:
            return pick(entryOptions, entryOptionCount, ref.position);
        case ControlGroup::kBlockOptions:
            return pick(blockOptions, blockOptionCount, ref.position);
        case ControlGroup::kCommonPage:
            return pick(commonPage, commonPageCount, ref.position);
    }
    return nullptr;
}

DWORD childControlStyle(ControlKind kind) {
    DWORD style = WS_CHILD | WS_VISIBLE;
    switch (kind) {
        case ControlKind::kSeparator:
            return style | SS_ETCHEDFRAME;
        case ControlKind::kGroupBox:
            return style | BS_GROUPBOX;
        case ControlKind::kPushButton:
            return style | BS_PUSHBUTTON;
        case ControlKind::kPushButtonLeft:
            return style | BS_PUSHBUTTON | BS_LEFT;
        case ControlKind::kPushButtonRight:
            return style | BS_PUSHBUTTON | BS_RIGHT | WS_BORDER;
        // Plain kinds: the window sets every check mark from the record.
        case ControlKind::kRadio:
            return style | BS_RADIOBUTTON;
        case ControlKind::kCheckBox:
            return style | BS_CHECKBOX;
        case ControlKind::kStaticText:
            return style | SS_LEFT;
        case ControlKind::kUpDown:
            return style;
        case ControlKind::kDropDownList:
            return style | CBS_DROPDOWNLIST | CBS_HASSTRINGS | WS_VSCROLL;
        // Without automatic scrolling an edit takes only what fits in it.
        case ControlKind::kEdit:
            return style | WS_BORDER | ES_LEFT;
        case ControlKind::kEditMultiLine:
            return style | WS_BORDER | ES_LEFT | ES_MULTILINE;
    }
    return style;
}

HWND createChildControl(HWND parent, HINSTANCE instance, const ChildControl& control,
                        int clientWidth, int clientHeight) {
    const ControlPlace place = placeOf(control, clientWidth, clientHeight);
    return CreateWindowExA(0, controlClassName(control.kind), control.caption,
                           childControlStyle(control.kind), place.x, place.y, place.w, place.h,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
                           instance, nullptr);
}

}  // namespace tarvik
