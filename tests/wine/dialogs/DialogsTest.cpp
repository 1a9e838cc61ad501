#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "fakes/ConfigFixtures.h"
#include "ui/config/EntryCommands.h"
#include "ui/config/win32/Dialogs.h"
#include "wine/dialogs/DialogDriver.h"

namespace tarvik {
namespace {

using testing::DialogDriver;
using testing::DialogPlacement;

HINSTANCE self() {
    return GetModuleHandleA(nullptr);
}

void expectCentredOnTop(const DialogPlacement& seen) {
    const int w = seen.window.right - seen.window.left;
    const int h = seen.window.bottom - seen.window.top;
    EXPECT_GT(w, 100);  // the template's size, kept
    EXPECT_GT(h, 40);
    EXPECT_EQ(seen.window.left, (seen.desktop.right - w) / 2);
    EXPECT_EQ(seen.window.top, (seen.desktop.bottom - h) / 2);
    EXPECT_TRUE(seen.topmost);
}

// Check marks of `count` radios from `first`.
std::vector<bool> checks(HWND dialog, int first, int count) {
    std::vector<bool> marks;
    for (int id = first; id < first + count; ++id)
        marks.push_back(DialogDriver::checked(dialog, id));
    return marks;
}

std::vector<bool> onlyChecked(int count, std::vector<int> indices) {
    std::vector<bool> marks(count, false);
    for (int i : indices) marks[i] = true;
    return marks;
}

// Runs `run` while `driver` plays the user, and checks that the script found
// the dialog and ended it itself.
template <typename Run>
bool runDriven(DialogDriver& driver, Run run) {
    const bool accepted = run();
    driver.finish();
    EXPECT_TRUE(driver.found());
    EXPECT_TRUE(driver.closedByScript());
    return accepted;
}

TEST(NameDialog, OkTakesTheEditAndCancelKeepsTheCallersName) {
    DialogState dialogs;
    std::strcpy(dialogs.nameBuffer.text, "old name");
    std::string shown;
    DialogPlacement where;
    DialogDriver ok("enter name", [&](HWND dialog) {
        HWND edit = GetDlgItem(dialog, 1205);
        shown = DialogDriver::text(edit);
        where = DialogDriver::placement(dialog);
        DialogDriver::setText(edit, "new name");
        DialogDriver::click(dialog, IDOK);
    });
    EXPECT_TRUE(runDriven(ok, [&] { return runNameDialog(self(), nullptr, dialogs); }));
    EXPECT_EQ(shown, "old name");
    EXPECT_STREQ(dialogs.nameBuffer.text, "new name");
    expectCentredOnTop(where);

    DialogDriver cancel("enter name", [&](HWND dialog) {
        shown = DialogDriver::text(GetDlgItem(dialog, 1205));
        DialogDriver::setText(GetDlgItem(dialog, 1205), "thrown away");
        DialogDriver::click(dialog, IDCANCEL);
    });
    EXPECT_FALSE(runDriven(cancel, [&] { return runNameDialog(self(), nullptr, dialogs); }));
    EXPECT_EQ(shown, "new name");
    EXPECT_STREQ(dialogs.nameBuffer.text, "new name");
}

TEST(NameDialog, LongNamesAreCutTo255InTheBufferAnd49InTheLabel) {
    auto config = testing::makeDefaultConfiguration();
    SelectionState selection;
    selection.currentBlock = 2;
    selection.currentControl = 5;
    deriveCurrentEntry(selection);
    DialogState dialogs;
    loadNameBuffer(*config, selection, dialogs.nameBuffer);
    DialogDriver driver("enter name", [&](HWND dialog) {
        DialogDriver::setText(GetDlgItem(dialog, 1205), std::string(300, 'n'));
        DialogDriver::click(dialog, IDOK);
    });
    const bool accepted =
        runDriven(driver, [&] { return runNameDialog(self(), nullptr, dialogs); });
    EXPECT_TRUE(accepted);
    EXPECT_EQ(std::string(dialogs.nameBuffer.text), std::string(255, 'n'));
    finishNameDialog(*config, selection, accepted, dialogs.nameBuffer);
    EXPECT_EQ(std::string(config->blocks[2].entries[5].label), std::string(49, 'n'));
}

TEST(NameDialog, AnUnterminatedBufferShowsAtMost255Characters) {
    DialogState dialogs;
    std::memset(dialogs.nameBuffer.text, 'a', sizeof(dialogs.nameBuffer.text));
    std::string shown;
    DialogDriver driver("enter name", [&](HWND dialog) {
        shown = DialogDriver::text(GetDlgItem(dialog, 1205));
        DialogDriver::click(dialog, IDCANCEL);
    });
    EXPECT_FALSE(runDriven(driver, [&] { return runNameDialog(self(), nullptr, dialogs); }));
    EXPECT_EQ(shown, std::string(255, 'a'));
    EXPECT_EQ(dialogs.nameBuffer.text[255], 'a');  // Cancel leaves the caller's bytes
}

class ShiftDialog : public ::testing::Test {
  protected:
    std::unique_ptr<Configuration> config = testing::makeDefaultConfiguration();
    ConfigHeader& header = config->header;
    DialogState dialogs;

    bool run(DialogDriver::Script script) {
        DialogDriver driver("config shift device and button", std::move(script));
        return runDriven(driver, [&] { return runShiftDialog(self(), nullptr, header, dialogs); });
    }
};

// The check marks of the device radios, then of the button radios.
using ShiftMarks = std::pair<std::vector<bool>, std::vector<bool>>;
ShiftMarks marksOf(HWND dialog) {
    return {checks(dialog, 200, 4), checks(dialog, 300, 32)};
}
ShiftMarks onlyMarked(int device, std::vector<int> buttons) {
    return {onlyChecked(4, {device}), onlyChecked(32, std::move(buttons))};
}

TEST_F(ShiftDialog, DefaultsShowDevice2AndButton32AndCancelAfterClicksChangesNothing) {
    ShiftMarks before, after;
    DialogPlacement where;
    EXPECT_FALSE(run([&](HWND dialog) {
        before = marksOf(dialog);
        where = DialogDriver::placement(dialog);
        DialogDriver::click(dialog, 203);
        DialogDriver::click(dialog, 305);
        after = marksOf(dialog);
        DialogDriver::click(dialog, IDCANCEL);
    }));
    EXPECT_EQ(before, onlyMarked(1, {31}));
    EXPECT_EQ(after, onlyMarked(3, {5}));
    EXPECT_EQ(header.shiftDevice, 1u);
    EXPECT_EQ(header.shiftButton, 31u);
    expectCentredOnTop(where);
}

TEST_F(ShiftDialog, OkStoresTheClickedDeviceAndButton) {
    EXPECT_TRUE(run([&](HWND dialog) {
        DialogDriver::click(dialog, 200);
        DialogDriver::click(dialog, 307);
        DialogDriver::click(dialog, IDOK);
    }));
    EXPECT_EQ(header.shiftDevice, 0u);
    EXPECT_EQ(header.shiftButton, 7u);
}

TEST_F(ShiftDialog, DeactivateStoresNoShiftButtonAndReopensWithNoButtonChecked) {
    ShiftMarks marks;
    EXPECT_TRUE(run([&](HWND dialog) {
        DialogDriver::click(dialog, 304);
        DialogDriver::click(dialog, 332);
        marks = marksOf(dialog);
        DialogDriver::click(dialog, IDOK);
    }));
    EXPECT_EQ(marks, onlyMarked(1, {}));
    EXPECT_EQ(header.shiftDevice, 1u);
    EXPECT_EQ(header.shiftButton, 32u);

    EXPECT_TRUE(run([&](HWND dialog) {
        marks = marksOf(dialog);
        DialogDriver::click(dialog, IDOK);
    }));
    EXPECT_EQ(marks, onlyMarked(1, {}));
    EXPECT_EQ(header.shiftButton, 32u);
}

class CopyDialog : public ::testing::Test {
  protected:
    DialogState dialogs;

    // `caption` is what the dialog's caption must start with.
    bool run(int currentBlock, int deviceCount, DialogDriver::Script script,
             const char* caption = "copy configuration of device") {
        DialogDriver driver(caption, std::move(script));
        return runDriven(driver, [&] {
            return runCopyDialog(self(), nullptr, currentBlock, deviceCount, dialogs);
        });
    }
};

TEST_F(CopyDialog, ShowsOnlyOtherBlocksOfAttachedJoysticksAndOkWaitsForATarget) {
    dialogs.copyTargetBlock = 6;  // chosen before, now hidden
    std::string caption;
    std::vector<bool> visible, checked;
    bool okBeforeChoice = true, okAfterChoice = false;
    DialogPlacement where;
    EXPECT_TRUE(run(3, 2, [&](HWND dialog) {
        caption = DialogDriver::text(dialog);
        for (int id = 200; id < 208; ++id) visible.push_back(DialogDriver::visible(dialog, id));
        checked = checks(dialog, 200, 8);
        where = DialogDriver::placement(dialog);
        okBeforeChoice = IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE;
        DialogDriver::click(dialog, 201);
        okAfterChoice = IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE;
        DialogDriver::click(dialog, IDOK);
    }));
    EXPECT_EQ(caption, "copy configuration of device 4");
    EXPECT_EQ(visible, onlyChecked(8, {0, 1, 2}));  // "1", "S1", "2"; not "S2" itself
    EXPECT_EQ(checked, onlyChecked(8, {}));
    EXPECT_FALSE(okBeforeChoice);
    EXPECT_TRUE(okAfterChoice);
    EXPECT_EQ(dialogs.copyTargetBlock, 1);
    expectCentredOnTop(where);
}

TEST_F(CopyDialog, S3BelongsToTheFirstGroupAnd3ToTheSecond) {
    std::vector<bool> afterOneAndThree, afterS3;
    EXPECT_TRUE(run(7, 4, [&](HWND dialog) {
        DialogDriver::click(dialog, 200);  // "1"
        DialogDriver::click(dialog, 204);  // "3"
        afterOneAndThree = checks(dialog, 200, 8);
        DialogDriver::click(dialog, 205);  // "S3"
        afterS3 = checks(dialog, 200, 8);
        DialogDriver::click(dialog, IDOK);
    }));
    EXPECT_EQ(afterOneAndThree, onlyChecked(8, {0, 4}));
    EXPECT_EQ(afterS3, onlyChecked(8, {4, 5}));
    EXPECT_EQ(dialogs.copyTargetBlock, 5);  // the radio clicked last

    // The next run starts with no radio checked and no target.
    std::vector<bool> checked;
    EXPECT_FALSE(run(0, 4, [&](HWND dialog) {
        checked = checks(dialog, 200, 8);
        DialogDriver::click(dialog, IDCANCEL);
    }));
    EXPECT_EQ(checked, onlyChecked(8, {}));
    EXPECT_EQ(dialogs.copyTargetBlock, kNoCopyTarget);
}

TEST_F(CopyDialog, CancelEndsWithZero) {
    EXPECT_FALSE(run(
        0, 1, [&](HWND dialog) { DialogDriver::click(dialog, IDCANCEL); },
        "copy configuration of device 1"));
}

}  // namespace
}  // namespace tarvik
