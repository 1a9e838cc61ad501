#pragma once
// Reads a classic dialog template back out of the program's resources, so
// tests can compare it, unit for unit, with what the dialogs must contain.

#include <windows.h>

#include <string>
#include <vector>

namespace tarvik::test {

struct TemplateControl {
    DWORD style = 0;
    int id = 0;  // -1 for the unnamed statics
    int x = 0, y = 0, width = 0, height = 0;
    std::string className;  // "Button", "Edit", "Static", ...
    std::string text;
};

struct TemplateDialog {
    DWORD style = 0;
    int width = 0, height = 0;
    std::string caption;
    int pointSize = 0;
    std::string fontName;
    std::vector<TemplateControl> controls;
};

// False when the resource is missing or is not a classic DIALOG template.
bool readDialogTemplate(HMODULE module, const char* name, TemplateDialog& out);

}  // namespace tarvik::test
