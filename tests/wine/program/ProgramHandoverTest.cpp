// One Tarvik, driven from anywhere: a second start hands its command line
// to the running one, controls step through the listed configurations, and
// the tray's "Start with Windows" writes and removes the Startup shortcut.

#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "ProgramRig.h"
#include "shell/Handover.h"

namespace tarvik::testing {
namespace {

using Keys = std::vector<std::string>;

int controllerWindowCount() {
    int count = 0;
    for (HWND w = FindWindowExA(nullptr, nullptr, "TaskBarController", nullptr); w != nullptr;
         w = FindWindowExA(nullptr, w, "TaskBarController", nullptr)) {
        ++count;
    }
    return count;
}

class ProgramHandover : public RunningProgram {
  protected:
    Keys typedByButtonOne() {
        probe.focus();
        probe.clear();
        click(0, 0);
        probe.waitForKeys(2, 3000);
        return probe.keys();
    }
    // A second start in the scratch directory; its exit code, and whether
    // either process showed a message box meanwhile.
    DWORD secondStart(const std::string& arguments, DWORD runningId, bool& boxShown) {
        TarvikProcess second;
        EXPECT_TRUE(second.start(arguments, scratch.path()));
        boxShown = false;
        pumpUntil([&] {
            boxShown = boxShown || messageBoxOf(second.id()) != nullptr ||
                       messageBoxOf(runningId) != nullptr;
            return !second.running();
        });
        return second.waitForExit();
    }
};

TEST_F(ProgramHandover, SecondStartHandsItsLoadOverAndEnds) {
    writeConfig("race.cfg", *typing("r"));
    TarvikProcess running;
    HWND window = startOn(running, *typing("d"));
    ASSERT_NE(window, nullptr);

    bool boxShown = true;
    // A relative name: the second start's directory, handed over in full.
    EXPECT_EQ(secondStart("LOAD:\"race.cfg\"", running.id(), boxShown), 0u);
    EXPECT_FALSE(boxShown);
    EXPECT_EQ(controllerWindowCount(), 1);
    EXPECT_EQ(typedByButtonOne(), (Keys{"+R", "-R"}));

    // A file that is not there: the first keeps mapping as before, no box.
    EXPECT_EQ(secondStart("LOAD:\"missing.cfg\"", running.id(), boxShown), 0u);
    EXPECT_FALSE(boxShown);
    EXPECT_EQ(typedByButtonOne(), (Keys{"+R", "-R"}));
    EXPECT_EQ(controllerWindowCount(), 1);
    exitThroughTray(running, window);
}

// Blocks sent straight to the window, as any program could: what is no
// Tarvik start is refused, and bad names end as balloons at worst.
TEST_F(ProgramHandover, BadBlocksLeaveTheMappingAsItWas) {
    TarvikProcess running;
    HWND window = startOn(running, *typing("d"));
    ASSERT_NE(window, nullptr);
    auto send = [&](ULONG_PTR tag, const std::string& block) {
        COPYDATASTRUCT data{tag, static_cast<DWORD>(block.size()), const_cast<char*>(block.data())};
        DWORD_PTR taken = 0;
        SendMessageTimeoutA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                            SMTO_ABORTIFHUNG, kPatienceMs, &taken);
        return taken;
    };
    std::string junk(64 * 1024, '\0');
    for (size_t i = 0; i < junk.size(); ++i) junk[i] = static_cast<char>(i * 7919 >> 3);
    EXPECT_EQ(send(kHandoverTag, junk), FALSE);
    EXPECT_EQ(send(1, handoverBlock(scratch.path().c_str(), "LOAD:\"tarvik7.cfg\"")), FALSE);
    std::filesystem::create_directories(scratch.file("folder.cfg"));
    for (const char* load : {"LOAD:\"CON\"", "LOAD:\"folder.cfg\"", "LOAD:\"nul.cfg\" QUIT"}) {
        EXPECT_EQ(send(kHandoverTag, handoverBlock(scratch.path().c_str(), load)), TRUE) << load;
    }
    std::string unterminated = handoverBlock(scratch.path().c_str(), "LOAD:\"");
    unterminated += std::string(64 * 1024, 'x');
    EXPECT_EQ(send(kHandoverTag, unterminated), TRUE);
    pumpFor(300);
    EXPECT_EQ(messageBoxOf(running.id()), nullptr);
    EXPECT_EQ(typedByButtonOne(), (Keys{"+D", "-D"}));
    exitThroughTray(running, window);
}

TEST_F(ProgramHandover, SecondStartWithoutCommandsOpensTheConfigurationWindow) {
    TarvikProcess running;
    HWND window = startOn(running, *typing("d"));
    ASSERT_NE(window, nullptr);
    bool boxShown = true;
    EXPECT_EQ(secondStart("WAIT", running.id(), boxShown), 0u);
    EXPECT_TRUE(pumpUntil([&] { return windowOfProcess(running.id(), "JoyConfig") != nullptr; }));
    exitThroughTray(running, window);
}

// The names of the listed files in the order the program lists them.
std::vector<std::string> listedFiles(const ScratchDirectory& directory) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA(directory.file("*.CFG").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

TEST_F(ProgramHandover, ControlsStepThroughTheListedConfigurationsAndWrapRound) {
    // Button 1 types the file's letter, button 2 steps on, button 3 back.
    const std::pair<const char*, const char*> files[] = {
        {"tarvik7.cfg", "d"}, {"alpha.cfg", "a"}, {"beta.cfg", "b"}};
    for (const auto& [name, letter] : files) {
        auto config = typing(letter);
        for (auto [button, code] : {std::pair{1, 50}, std::pair{2, 51}}) {
            ControlEntry& step = config->blocks[0].entries[EntryIndex::button(button)];
            step.mouseAction = 1;
            step.mouseActionCode = static_cast<uint8_t>(code);
        }
        writeConfig(name, *config);
    }
    const std::vector<std::string> listed = listedFiles(scratch);
    ASSERT_EQ(listed.size(), 3u);
    auto letterOf = [&](size_t row) {
        for (const auto& [name, letter] : files) {
            if (lstrcmpiA(name, listed[row].c_str()) == 0) {
                return std::string("+") + static_cast<char>(letter[0] - 'a' + 'A');
            }
        }
        return std::string("?");
    };
    size_t row = 0;
    while (lstrcmpiA(listed[row].c_str(), "tarvik7.cfg") != 0) ++row;

    TarvikProcess tarvik;
    HWND window = startMapping(tarvik);
    ASSERT_NE(window, nullptr);
    // Three steps on come back round to the start; one back wraps the
    // other way.
    for (int step : {1, 1, 1, -1}) {
        click(0, step > 0 ? 1 : 2);
        row = (row + listed.size() + step) % listed.size();
        pumpFor(200);
        EXPECT_EQ(typedByButtonOne().front(), letterOf(row)) << "after step " << step;
    }
    exitThroughTray(tarvik, window);
}

std::string startupShortcut() {
    char folder[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_STARTUP, nullptr, SHGFP_TYPE_CURRENT, folder);
    return std::string(folder) + "\\Tarvik.lnk";
}

bool fileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The shortcut's target, arguments and directory, one string.
std::string shortcutTarget(const std::string& path) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::string out = "(unreadable)";
    IShellLinkA* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        wchar_t wide[MAX_PATH] = {};
        MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
            SUCCEEDED(file->Load(wide, STGM_READ))) {
            char target[MAX_PATH] = {}, arguments[MAX_PATH] = {}, directory[MAX_PATH] = {};
            link->GetPath(target, MAX_PATH, nullptr, 0);
            link->GetArguments(arguments, MAX_PATH);
            link->GetWorkingDirectory(directory, MAX_PATH);
            out = std::string(target) + " " + arguments + " in " + directory;
        }
        if (file != nullptr) file->Release();
        link->Release();
    }
    CoUninitialize();
    return out;
}

TEST_F(ProgramHandover, StartWithWindowsCreatesAndRemovesTheStartupShortcut) {
    const std::string shortcut = startupShortcut();
    DeleteFileA(shortcut.c_str());
    TarvikProcess tarvik;
    HWND window = startOn(tarvik, *typing("d"));
    ASSERT_NE(window, nullptr);

    PostMessageA(window, WM_COMMAND, MAKEWPARAM(112, 0), 0);  // "Start with Windows"
    ASSERT_TRUE(pumpUntil([&] { return fileExists(shortcut); })) << shortcut;
    EXPECT_FALSE(fileExists(shortcut + ".tmp"));
    EXPECT_EQ(lstrcmpiA(shortcutTarget(shortcut).c_str(),
                        (tarvikExe() + " WAIT in " + scratch.path()).c_str()),
              0)
        << shortcutTarget(shortcut);

    PostMessageA(window, WM_COMMAND, MAKEWPARAM(112, 0), 0);
    EXPECT_TRUE(pumpUntil([&] { return !fileExists(shortcut); }));
    exitThroughTray(tarvik, window);
    DeleteFileA(shortcut.c_str());
}

}  // namespace
}  // namespace tarvik::testing
