// The tray icon and the commands of its menu, sent as WM_COMMAND to the
// hidden controller window the way the menu sends them.

#include <cstdio>
#include <cstring>

#include "ProgramRig.h"
#include "config/Thresholds.h"

namespace tarvik::testing {
namespace {

using Keys = std::vector<std::string>;

// The row of `name` in the list the program builds: the "*.CFG" files of
// the directory in the order the system returns them.
int listRow(const ScratchDirectory& directory, const char* name) {
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA(directory.file("*.CFG").c_str(), &found);
    int row = 0;
    int result = -1;
    if (search == INVALID_HANDLE_VALUE) return result;
    do {
        if (lstrcmpiA(found.cFileName, name) == 0) result = row;
        ++row;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return result;
}

class ProgramTray : public RunningProgram {};

TEST_F(ProgramTray, IconLivesFromStartToExit) {
    TarvikProcess tarvik;
    HWND window = startOn(tarvik, *typing("d"));
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(trayIconExists(window));
    EXPECT_FALSE(IsWindowVisible(window));
    exitThroughTray(tarvik, window);
    EXPECT_FALSE(trayIconExists(window));
}

// Explorer restarted has forgotten the icon; it says so with the
// "TaskbarCreated" message to every top-level window.
TEST_F(ProgramTray, IconComesBackWhenTheTaskbarIsCreatedAgain) {
    TarvikProcess tarvik;
    HWND window = startOn(tarvik, *typing("d"));
    ASSERT_NE(window, nullptr);
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window;
    data.uID = 10001;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &data));
    ASSERT_FALSE(trayIconExists(window));
    SendMessageA(window, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(trayIconExists(window));
    exitThroughTray(tarvik, window);
}

TEST_F(ProgramTray, LoadingAListedFileHonoursItsAutostart) {
    writeConfig("tarvik7.cfg", *typing("d"));
    auto manual = typing("m");
    lstrcpynA(manual->header.autostartPath, probeExe().c_str(),
              sizeof manual->header.autostartPath);
    writeConfig("manual.cfg", *manual);
    auto automatic = typing("a");
    lstrcpynA(automatic->header.autostartPath, probeExe().c_str(),
              sizeof automatic->header.autostartPath);
    automatic->header.autostart = 1;
    writeConfig("auto.cfg", *automatic);
    setProbeReport(scratch.file("probe.txt"));

    TarvikProcess tarvik;
    HWND window = startMapping(tarvik);
    ASSERT_NE(window, nullptr);

    const int manualRow = listRow(scratch, "manual.cfg");
    ASSERT_GE(manualRow, 0);
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(2001 + manualRow, 0), 0);
    pumpFor(300);
    click(0, 0);
    ASSERT_TRUE(probe.waitForKeys(2));
    EXPECT_EQ(probe.keys(), (Keys{"+M", "-M"}));
    EXPECT_TRUE(probeReport(scratch.file("probe.txt")).empty());

    const int autoRow = listRow(scratch, "auto.cfg");
    ASSERT_GE(autoRow, 0);
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(2001 + autoRow, 0), 0);
    ASSERT_TRUE(pumpUntil([&] { return probeReport(scratch.file("probe.txt")).size() == 2; }));
    probe.clear();
    probe.focus();
    click(0, 0);
    ASSERT_TRUE(probe.waitForKeys(2));
    EXPECT_EQ(probe.keys(), (Keys{"+A", "-A"}));
    exitThroughTray(tarvik, window);
}

TEST_F(ProgramTray, KeyHeldThroughALoadComesUpBeforeTheNewRecordMaps) {
    writeHoldingConfig("tarvik7.cfg", 'O');
    writeHoldingConfig("next.cfg", 'N');
    TarvikProcess tarvik;
    HWND window = startHolding(tarvik);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(probe.waitForKeys(1));
    const int row = listRow(scratch, "next.cfg");
    ASSERT_GE(row, 0);
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(2001 + row, 0), 0);
    // The new record's block has never seen the button: it presses anew.
    ASSERT_TRUE(probe.waitForKeys(3));
    pumpFor(100);
    EXPECT_EQ(probe.keys(), (Keys{"+O", "-O", "+N"}));
    setButton(0, 0, false);
    ASSERT_TRUE(probe.waitForKeys(4));
    EXPECT_EQ(probe.keys().back(), "-N");
    exitThroughTray(tarvik, window);
}

TEST_F(ProgramTray, PauseLetsGoOfTheHeldKeyAndMapsNothingUntilUnchecked) {
    writeHoldingConfig("tarvik7.cfg", 'P');
    TarvikProcess tarvik;
    HWND window = startHolding(tarvik);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(probe.waitForKeys(1));
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(111, 0), 0);  // "Pause mapping"
    ASSERT_TRUE(probe.waitForKeys(2));
    click(0, 0);
    setButton(0, 0, true);
    pumpFor(300);
    EXPECT_EQ(probe.keys(), (Keys{"+P", "-P"}));

    // Unchecked, a button held through the pause does not press anew: its
    // release comes first (of a key already up), then it maps as before.
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(111, 0), 0);
    pumpFor(300);
    click(0, 0);
    setButton(0, 0, true);
    ASSERT_TRUE(probe.waitForKeys(4));
    pumpFor(100);
    EXPECT_EQ(probe.keys(), (Keys{"+P", "-P", "-P", "+P"}));
    setButton(0, 0, false);
    exitThroughTray(tarvik, window);
}

TEST_F(ProgramTray, SaveFromTheWindowKeepsTheMouseBlockWithTwoPads) {
    for (int pads : {1, 2}) {
        SCOPED_TRACE(pads);
        vc::fillDemo(block());
        if (pads == 2) addPad();
        const int mouseBlock = 2 * pads;
        auto config = typing("d");
        demo::typeText(config->blocks[mouseBlock].entries[EntryIndex::button(1)], "mouse");
        recomputeThresholds(*config);  // as the program holds it after loading
        writeConfig("tarvik7.cfg", *config);
        TarvikProcess tarvik;
        HWND window = startMapping(tarvik);
        ASSERT_NE(window, nullptr);

        HWND configWindow = openConfigWindow(tarvik, window);
        ASSERT_NE(configWindow, nullptr);
        PostMessageA(configWindow, WM_COMMAND, MAKEWPARAM(501, BN_CLICKED), 0);  // "save"
        HWND dialog = nullptr;
        ASSERT_TRUE(pumpUntil([&] { return (dialog = messageBoxOf(tarvik.id())) != nullptr; }));
        pumpFor(200);  // the dialog fills its controls
        const std::string saved = scratch.file("saved" + std::to_string(pads) + ".cfg");
        HWND name = GetDlgItem(dialog, 0x47C);  // the file name box
        if (name == nullptr) name = GetDlgItem(dialog, 0x480);
        SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(saved.c_str()));
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);

        const size_t expected = pads == 1 ? 480020 : 958548;
        std::error_code error;
        ASSERT_TRUE(pumpUntil([&] {
            return std::filesystem::file_size(saved, error) == expected && !error;
        })) << std::filesystem::file_size(saved, error)
            << " bytes";
        std::vector<char> file(expected);
        std::FILE* in = std::fopen(saved.c_str(), "rb");
        ASSERT_NE(in, nullptr);
        ASSERT_EQ(std::fread(file.data(), 1, expected, in), expected);
        std::fclose(in);
        EXPECT_EQ(std::memcmp(file.data() + offsetof(Configuration, blocks) +
                                  mouseBlock * sizeof(LayerBlock),
                              &config->blocks[mouseBlock], sizeof(LayerBlock)),
                  0);
        PostMessageA(configWindow, WM_CLOSE, 0, 0);
        ASSERT_TRUE(pumpUntil([&] { return !IsWindow(configWindow); }));
        exitThroughTray(tarvik, window);
    }
}

TEST_F(ProgramTray, ProgramEntryStartsTheAutostartPath) {
    auto config = typing("d");
    lstrcpynA(config->header.autostartPath, probeExe().c_str(),
              sizeof config->header.autostartPath);
    writeConfig("tarvik7.cfg", *config);
    setProbeReport(scratch.file("probe.txt"));
    TarvikProcess tarvik;
    HWND window = startMapping(tarvik);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(probeReport(scratch.file("probe.txt")).empty());
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(2000, 0), 0);
    EXPECT_TRUE(pumpUntil([&] { return probeReport(scratch.file("probe.txt")).size() == 2; }));
    exitThroughTray(tarvik, window);
}

TEST_F(ProgramTray, AboutBoxNamesTheProduct) {
    TarvikProcess tarvik;
    HWND window = startOn(tarvik, *typing("d"));
    ASSERT_NE(window, nullptr);
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(101, 0), 0);
    const auto box = answerMessageBox(tarvik.id());
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->caption, " About...");
    EXPECT_EQ(box->text.rfind("Tarvik", 0), 0u) << box->text;
    exitThroughTray(tarvik, window);
}

TEST_F(ProgramTray, ConfigurationWindowFollowsTheControllerEachTimeItIsOpened) {
    auto config = typing("d");
    config->blocks[0].learnMask = LearnMask::kButtons;
    writeConfig("tarvik7.cfg", *config);
    TarvikProcess tarvik;
    HWND window = startMapping(tarvik);
    ASSERT_NE(window, nullptr);

    for (int button : {2, 5}) {
        SCOPED_TRACE(button);
        // The control radio of the button pressed (1050 + control number)
        // gets the check mark.
        HWND configWindow = openConfigWindow(tarvik, window, 1050 + button + 1);
        ASSERT_NE(configWindow, nullptr);
        HWND radio = GetDlgItem(configWindow, 1050 + button + 1);
        setButton(0, button, true);
        EXPECT_TRUE(
            pumpUntil([&] { return SendMessageA(radio, BM_GETCHECK, 0, 0) == BST_CHECKED; }, 3000));
        setButton(0, button, false);
        PostMessageA(configWindow, WM_CLOSE, 0, 0);
        ASSERT_TRUE(pumpUntil([&] { return !IsWindow(configWindow); }));
        pumpFor(200);  // a tick of the closed window's timer
    }
    exitThroughTray(tarvik, window);
}

}  // namespace
}  // namespace tarvik::testing
