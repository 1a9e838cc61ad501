// The NAME, SHIFT and COPY templates as stored in the executable: styles,
// caption, font, and every control in order with its id, class, text,
// position and group start.

#include "DialogTemplateReader.h"
#include "ExpectedDialogs.h"
#include "ui/config/DialogIds.h"

#include <gtest/gtest.h>

#include <strings.h>

namespace tarvik::test {
namespace {

void expectTemplate(const char* name, const TemplateDialog& want) {
    TemplateDialog got;
    ASSERT_TRUE(readDialogTemplate(GetModuleHandleA(nullptr), name, got)) << name;
    EXPECT_EQ(got.style, want.style) << std::hex << name;
    EXPECT_EQ(got.width, want.width) << name;
    EXPECT_EQ(got.height, want.height) << name;
    EXPECT_EQ(got.caption, want.caption) << name;
    EXPECT_EQ(got.pointSize, want.pointSize) << name;
    EXPECT_EQ(got.fontName, want.fontName) << name;
    ASSERT_EQ(got.controls.size(), want.controls.size()) << name;
    for (size_t i = 0; i < want.controls.size(); ++i) {
        const TemplateControl& g = got.controls[i];
        const TemplateControl& w = want.controls[i];
        SCOPED_TRACE(std::string(name) + " control " + std::to_string(i) + " \"" + w.text + "\"");
        EXPECT_EQ(g.id, w.id);
        EXPECT_EQ(strcasecmp(g.className.c_str(), w.className.c_str()), 0) << g.className;
        EXPECT_EQ(g.text, w.text);
        EXPECT_EQ(g.style, w.style) << std::hex << g.style << " want " << w.style;
        EXPECT_EQ(g.x, w.x);
        EXPECT_EQ(g.y, w.y);
        EXPECT_EQ(g.width, w.width);
        EXPECT_EQ(g.height, w.height);
    }
}

TEST(DialogTemplate, NameHoldsItsFourControls) {
    expectTemplate(DIALOG_NAME, expectedName());
}

TEST(DialogTemplate, ShiftHoldsFourDeviceAndThirtyTwoButtonRadios) {
    expectTemplate(DIALOG_SHIFT, expectedShift());
}

TEST(DialogTemplate, CopyHoldsEightBlockRadiosInTwoGroups) {
    expectTemplate(DIALOG_COPY, expectedCopy());
}

// The names the code uses must be the ones the templates carry.
TEST(DialogTemplate, SharedIdsMatchTheTemplates) {
    EXPECT_STREQ(DIALOG_NAME, "NAME");
    EXPECT_STREQ(DIALOG_SHIFT, "SHIFT");
    EXPECT_STREQ(DIALOG_COPY, "COPY");
    TemplateDialog shift;
    ASSERT_TRUE(readDialogTemplate(GetModuleHandleA(nullptr), DIALOG_SHIFT, shift));
    int devices = 0, buttons = 0, deactivate = 0;
    for (const TemplateControl& c : shift.controls) {
        if (c.id >= ID_SHIFT_DEVICE_FIRST && c.id < ID_SHIFT_DEVICE_FIRST + SHIFT_DEVICE_COUNT)
            ++devices;
        if (c.id >= ID_SHIFT_BUTTON_FIRST && c.id < ID_SHIFT_BUTTON_FIRST + SHIFT_BUTTON_COUNT)
            ++buttons;
        if (c.id == ID_SHIFT_DEACTIVATE) ++deactivate;
    }
    EXPECT_EQ(devices, 4);
    EXPECT_EQ(buttons, 32);
    EXPECT_EQ(deactivate, 1);
    TemplateDialog copy;
    ASSERT_TRUE(readDialogTemplate(GetModuleHandleA(nullptr), DIALOG_COPY, copy));
    int blocks = 0;
    for (const TemplateControl& c : copy.controls) {
        if (c.id >= ID_COPY_BLOCK_FIRST && c.id < ID_COPY_BLOCK_FIRST + COPY_BLOCK_COUNT) ++blocks;
    }
    EXPECT_EQ(blocks, 8);
    TemplateDialog name;
    ASSERT_TRUE(readDialogTemplate(GetModuleHandleA(nullptr), DIALOG_NAME, name));
    EXPECT_EQ(name.controls.back().id, ID_NAME_EDIT);
}

}  // namespace
}  // namespace tarvik::test
