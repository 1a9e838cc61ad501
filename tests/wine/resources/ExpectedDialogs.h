#pragma once
// What the three dialog templates must hold, written out control by control
// in template order, independently of the resource script.

#include "DialogTemplateReader.h"

#include <string>
#include <utility>
#include <vector>

namespace tarvik::test {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kPush = kChild | BS_PUSHBUTTON | BS_CENTER | WS_TABSTOP;
constexpr DWORD kLabel = kChild | SS_RIGHT;
constexpr DWORD kRadio = kChild | BS_AUTORADIOBUTTON | WS_TABSTOP;
constexpr DWORD kRadioGroup = kRadio | WS_GROUP;
constexpr DWORD kNameEdit = kChild | ES_LEFT | WS_BORDER | WS_TABSTOP;

constexpr DWORD kFrame = WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT;
constexpr DWORD kHelpFrame = kFrame | WS_SYSMENU | DS_CONTEXTHELP;

inline TemplateControl control(DWORD style, int id, const char* cls, const char* text, int x, int y,
                               int w, int h) {
    TemplateControl c;
    c.style = style;
    c.id = id;
    c.className = cls;
    c.text = text;
    c.x = x;
    c.y = y;
    c.width = w;
    c.height = h;
    return c;
}

// Every template uses the same font; only the frame, size and caption differ.
inline TemplateDialog dialog(DWORD style, int w, int h, const char* caption,
                             std::vector<TemplateControl> controls) {
    TemplateDialog d;
    d.style = style;
    d.width = w;
    d.height = h;
    d.caption = caption;
    d.pointSize = 8;
    d.fontName = "MS Sans Serif";
    d.controls = std::move(controls);
    return d;
}

inline TemplateDialog expectedName() {
    return dialog(kFrame, 142, 54, "enter name",
                  {control(kPush, 1, "Button", "OK", 80, 28, 50, 14),
                   control(kPush, 2, "Button", "Cancel", 8, 28, 50, 14),
                   control(kLabel, -1, "Static", "name:", 8, 10, 32, 8),
                   control(kNameEdit, 1205, "Edit", "", 48, 8, 84, 12)});
}

inline TemplateDialog expectedShift() {
    TemplateDialog d = dialog(kHelpFrame, 267, 133, "config shift device and button",
                              {control(kPush, 1, "Button", "OK", 12, 108, 60, 14),
                               control(kLabel, -1, "Static", "device:", 8, 8, 28, 8),
                               control(kLabel, -1, "Static", "button:", 8, 24, 28, 8)});
    for (int k = 0; k < 4; ++k) {
        d.controls.push_back(control(k == 0 ? kRadioGroup : kRadio, 200 + k, "Button",
                                     std::to_string(k + 1).c_str(), 44 + 28 * k, 7, 20, 12));
    }
    for (int k = 0; k < 32; ++k) {
        d.controls.push_back(control(k == 0 ? kRadioGroup : kRadio, 300 + k, "Button",
                                     std::to_string(k + 1).c_str(), 44 + 28 * (k % 8),
                                     24 + 20 * (k / 8), 20, 12));
    }
    d.controls.push_back(control(kPush, 2, "Button", "CANCEL", 99, 108, 60, 14));
    d.controls.push_back(control(kPush, 332, "Button", "deactivate", 189, 108, 60, 14));
    return d;
}

inline TemplateDialog expectedCopy() {
    return dialog(kHelpFrame, 175, 75, "copy configuration of device 1",
                  {control(kPush, 1, "Button", "OK", 12, 52, 60, 14),
                   control(kLabel, -1, "Static", "to device:", 8, 8, 44, 8),
                   control(kRadioGroup, 200, "Button", "1", 62, 7, 20, 12),
                   control(kRadio, 201, "Button", "S1", 90, 7, 20, 12),
                   control(kRadio, 202, "Button", "2", 118, 7, 20, 12),
                   control(kRadio, 203, "Button", "S2", 146, 7, 20, 12),
                   control(kPush, 2, "Button", "CANCEL", 99, 52, 60, 14),
                   control(kRadio, 205, "Button", "S3", 90, 26, 20, 12),
                   control(kRadioGroup, 204, "Button", "3", 62, 26, 20, 12),
                   control(kRadio, 206, "Button", "4", 118, 26, 20, 12),
                   control(kRadio, 207, "Button", "S4", 146, 26, 20, 12)});
}

}  // namespace tarvik::test
