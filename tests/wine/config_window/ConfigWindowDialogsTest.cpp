// The window with the program's own NAME, SHIFT and COPY dialogs, which a
// second thread answers as a user would.

#include <cstring>
#include <memory>

#include "wine/config_window/ConfigWindowFixture.h"
#include "wine/dialogs/DialogDriver.h"

namespace tarvik {
namespace {

using testing::ConfigWindowTest;
using testing::DialogDriver;

class ConfigWindowDialogsTest : public ConfigWindowTest {
  protected:
    ConfigWindowDialogsTest() { dialogs.real = &resourceDialogs; }
    ResourceDialogRunner resourceDialogs{GetModuleHandleA(nullptr)};
};

TEST_F(ConfigWindowDialogsTest, NameDialogRenamesTheEntry) {
    std::strcpy(entry(0, 3).label, "old");
    state->selection = {0, 3, 3, 0, 0};
    open();
    std::string offered;
    {
        DialogDriver user("enter name", [&](HWND dialog) {
            offered = DialogDriver::text(GetDlgItem(dialog, 1205));
            DialogDriver::setText(GetDlgItem(dialog, 1205), "fire");
            DialogDriver::click(dialog, IDOK);
        });
        command(ControlId::kName);
        user.finish();
        EXPECT_TRUE(user.found());
    }
    EXPECT_EQ(offered, "old");
    EXPECT_STREQ(entry(0, 3).label, "fire");
    EXPECT_EQ(text(item(ControlId::kName)), "name:fire");
}

TEST_F(ConfigWindowDialogsTest, CopyDialogCopiesTheBlockOntoTheChosenOne) {
    state->selection.currentBlock = 1;
    state->config.blocks[1].blockXStep = 42;
    open();
    {
        DialogDriver user("copy configuration of device 2", [](HWND dialog) {
            DialogDriver::click(dialog, 202);  // joystick 2, unshifted
            DialogDriver::click(dialog, IDOK);
        });
        command(ControlId::kCopy);
        user.finish();
        EXPECT_TRUE(user.found());
    }
    EXPECT_EQ(std::memcmp(&state->config.blocks[2], &state->config.blocks[1], sizeof(LayerBlock)),
              0);
}

TEST_F(ConfigWindowDialogsTest, CopyDialogOkWithNoTargetChosenCopiesNothing) {
    state->dialogs.copyTargetBlock = 2;  // chosen in an earlier dialog
    state->selection.currentBlock = 1;
    state->config.blocks[1].blockXStep = 42;
    const auto before = std::make_unique<Configuration>(state->config);
    open();
    {
        DialogDriver user("copy configuration of device 2", [](HWND dialog) {
            // What a click on OK, or the Enter key, sends.
            DialogDriver::send(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
        });
        command(ControlId::kCopy);
        user.finish();
        EXPECT_TRUE(user.found());
        EXPECT_TRUE(user.closedByScript());
    }
    for (int block = 0; block < kBlockCount; ++block) {
        EXPECT_EQ(
            std::memcmp(&state->config.blocks[block], &before->blocks[block], sizeof(LayerBlock)),
            0)
            << "block " << block;
    }
}

TEST_F(ConfigWindowDialogsTest, ShiftDialogCancelledChangesNothing) {
    open();
    const ConfigHeader before = state->config.header;
    {
        DialogDriver user("config shift device and button", [](HWND dialog) {
            DialogDriver::click(dialog, 200);
            DialogDriver::click(dialog, 305);
            DialogDriver::click(dialog, IDCANCEL);
        });
        command(ControlId::kShiftDevice);
        user.finish();
        EXPECT_TRUE(user.found());
    }
    EXPECT_EQ(state->config.header.shiftDevice, before.shiftDevice);
    EXPECT_EQ(state->config.header.shiftButton, before.shiftButton);
}

}  // namespace
}  // namespace tarvik
