// Following the program in front: two small programs of different names,
// each with its configuration in the directory, brought to the front in
// turn while Tarvik runs with FOLLOW.

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "ProgramRig.h"
#include "config/Thresholds.h"

namespace tarvik::testing {
namespace {

using Keys = std::vector<std::string>;

std::string followExe(char letter) {
    return binDirectory() + "\\tarvik_follow_" + letter + ".exe";
}

std::string upperCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// One run of a focus probe, which writes the keys it receives to `out`.
class FollowedProgram {
  public:
    FollowedProgram(char letter, std::string out) : out_(std::move(out)) {
        const std::string exe = followExe(letter);
        std::string commandLine = "\"" + exe + "\" " + out_;
        std::vector<char> buffer(commandLine.begin(), commandLine.end());
        buffer.push_back('\0');
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (CreateProcessA(exe.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                           &startup, &info)) {
            CloseHandle(info.hThread);
            process_ = info.hProcess;
            pumpUntil([&] {
                return (window_ = windowOfProcess(info.dwProcessId, "TarvikFocusProbe")) != nullptr;
            });
        }
    }
    ~FollowedProgram() {
        if (window_ != nullptr) PostMessageA(window_, WM_CLOSE, 0, 0);
        if (process_ != nullptr) {
            if (WaitForSingleObject(process_, 3000) == WAIT_TIMEOUT) TerminateProcess(process_, 1);
            CloseHandle(process_);
        }
    }
    FollowedProgram(const FollowedProgram&) = delete;
    FollowedProgram& operator=(const FollowedProgram&) = delete;

    HWND window() const { return window_; }
    // Wine 8 raises no foreground event when the foreground changes; there
    // the test raises the one the system raises, from its own process, so
    // that Tarvik hears of the change the way it does on Windows.
    bool bringToFront(bool raiseEvent = false) {
        SetForegroundWindow(window_);
        const bool inFront = pumpUntil([&] { return GetForegroundWindow() == window_; }, 3000);
        if (inFront && raiseEvent) {
            NotifyWinEvent(EVENT_SYSTEM_FOREGROUND, window_, OBJID_WINDOW, CHILDID_SELF);
        }
        return inFront;
    }
    Keys keys() const { return probeReport(out_); }
    ::testing::AssertionResult waitForKeys(size_t count) const {
        if (pumpUntil([&] { return keys().size() >= count; })) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure()
               << keys().size() << " of " << count << " keys arrived; " << describeForeground();
    }

  private:
    std::string out_;
    HANDLE process_ = nullptr;
    HWND window_ = nullptr;
};

// Whether this system reports to a program the foreground changes that
// other programs make; Wine 8 does not.
std::atomic<int> foregroundEvents{0};
void CALLBACK countForegroundEvent(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD) {
    ++foregroundEvents;
}
bool foregroundChangesAreReported(FollowedProgram& program) {
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr,
                                         countForegroundEvent, 0, 0,
                                         WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
    foregroundEvents = 0;
    program.bringToFront();
    pumpFor(300);
    UnhookWinEvent(hook);
    return foregroundEvents > 0;
}

class ProgramFollowing : public RunningProgram {
  protected:
    // The start configuration types d with button 1 and holds H with button
    // 3; a.cfg names program a by its full path in capitals, b.cfg names
    // program b by its quoted file name alone.
    void writeConfigs() {
        auto start = typing("d");
        demo::holdKeys(start->blocks[0].entries[EntryIndex::button(2)], {'H'});
        writeConfig("tarvik7.cfg", *start);
        auto a = typing("a");
        const std::string pathA = upperCase(followExe('a'));
        lstrcpynA(a->header.autostartPath, pathA.c_str(), sizeof a->header.autostartPath);
        writeConfig("a.cfg", *a);
        auto b = typing("b");
        lstrcpynA(b->header.autostartPath, "\"tarvik_follow_b.exe\"",
                  sizeof b->header.autostartPath);
        writeConfig("b.cfg", *b);
    }

    // Time for the foreground event to arrive, the foreground to settle and
    // the file to load.
    void settle() { pumpFor(600); }
};

TEST_F(ProgramFollowing, TheProgramInFrontChoosesTheConfiguration) {
    writeConfigs();
    TarvikProcess tarvik;
    HWND window = startMapping(tarvik, "FOLLOW");
    ASSERT_NE(window, nullptr);
    click(0, 0);
    ASSERT_TRUE(probe.waitForKeys(2));
    EXPECT_EQ(probe.keys(), (Keys{"+D", "-D"}));

    FollowedProgram a('a', scratch.file("a.txt"));
    FollowedProgram b('b', scratch.file("b.txt"));
    ASSERT_NE(a.window(), nullptr);
    ASSERT_NE(b.window(), nullptr);
    const bool raiseEvent = !foregroundChangesAreReported(a);

    ASSERT_TRUE(a.bringToFront(raiseEvent)) << describeForeground();
    settle();
    click(0, 0);
    ASSERT_TRUE(a.waitForKeys(2));
    EXPECT_EQ(a.keys(), (Keys{"+A", "-A"}));

    ASSERT_TRUE(b.bringToFront(raiseEvent)) << describeForeground();
    settle();
    click(0, 0);
    ASSERT_TRUE(b.waitForKeys(2));
    EXPECT_EQ(b.keys(), (Keys{"+B", "-B"}));

    // This test program has no configuration: the start one comes back.
    probe.clear();
    ASSERT_TRUE(probe.focus()) << describeForeground();
    if (raiseEvent) {
        NotifyWinEvent(EVENT_SYSTEM_FOREGROUND, probe.window(), OBJID_WINDOW, CHILDID_SELF);
    }
    settle();
    click(0, 0);
    ASSERT_TRUE(probe.waitForKeys(2));
    EXPECT_EQ(probe.keys(), (Keys{"+D", "-D"}));

    // A key held through the switch comes up, in the program now in front.
    probe.clear();
    setButton(0, 2, true);
    ASSERT_TRUE(probe.waitForKeys(1));
    EXPECT_EQ(probe.keys(), (Keys{"+H"}));
    ASSERT_TRUE(a.bringToFront(raiseEvent)) << describeForeground();
    EXPECT_TRUE(pumpUntil([&] {
        const Keys keys = a.keys();
        return std::find(keys.begin(), keys.end(), "-H") != keys.end();
    })) << "H never came up";
    setButton(0, 2, false);
    pumpFor(100);
    EXPECT_EQ(GetAsyncKeyState('H') & 0x8000, 0);
    exitThroughTray(tarvik, window);
}

// a.cfg is deleted after start-up: following program a keeps the start
// configuration mapping, and no message box waits anywhere.
TEST_F(ProgramFollowing, AVanishedFileLeavesTheConfigurationInUseAndShowsNoBox) {
    writeConfigs();
    TarvikProcess tarvik;
    HWND window = startMapping(tarvik, "FOLLOW");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(DeleteFileA(scratch.file("a.cfg").c_str()));
    FollowedProgram a('a', scratch.file("a.txt"));
    ASSERT_NE(a.window(), nullptr);
    const bool raiseEvent = !foregroundChangesAreReported(a);
    ASSERT_TRUE(a.bringToFront(raiseEvent)) << describeForeground();
    settle();
    EXPECT_EQ(messageBoxOf(tarvik.id()), nullptr);
    click(0, 0);
    ASSERT_TRUE(a.waitForKeys(2));
    EXPECT_EQ(a.keys(), (Keys{"+D", "-D"}));
    exitThroughTray(tarvik, window);
}

TEST_F(ProgramFollowing, NothingSwitchesWhileTheConfigurationWindowIsOpen) {
    writeConfigs();
    TarvikProcess tarvik;
    HWND window = startMapping(tarvik, "FOLLOW");
    ASSERT_NE(window, nullptr);

    HWND configWindow = openConfigWindow(tarvik, window);
    ASSERT_NE(configWindow, nullptr);
    FollowedProgram b('b', scratch.file("b.txt"));
    ASSERT_NE(b.window(), nullptr);
    ASSERT_TRUE(b.bringToFront()) << describeForeground();
    settle();

    // What the window holds is still the start configuration.
    PostMessageA(configWindow, WM_COMMAND, MAKEWPARAM(501, BN_CLICKED), 0);  // "save"
    HWND dialog = nullptr;
    ASSERT_TRUE(pumpUntil([&] { return (dialog = messageBoxOf(tarvik.id())) != nullptr; }));
    pumpFor(200);  // the dialog fills its controls
    const std::string saved = scratch.file("saved.cfg");
    HWND name = GetDlgItem(dialog, 0x47C);  // the file name box
    if (name == nullptr) name = GetDlgItem(dialog, 0x480);
    SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(saved.c_str()));
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    std::error_code error;
    ASSERT_TRUE(pumpUntil([&] { return std::filesystem::file_size(saved, error) > 0 && !error; }));
    pumpFor(100);
    auto savedConfig = demo::newConfiguration();
    std::FILE* in = std::fopen(saved.c_str(), "rb");
    ASSERT_NE(in, nullptr);
    std::fread(savedConfig.get(), 1, sizeof(Configuration), in);
    std::fclose(in);
    const auto start = typing("d");
    const int entry = EntryIndex::button(0);
    EXPECT_EQ(std::memcmp(&savedConfig->blocks[0].entries[entry], &start->blocks[0].entries[entry],
                          sizeof(ControlEntry)),
              0);

    // Closing the window lets the program in front have its configuration.
    ASSERT_TRUE(b.bringToFront()) << describeForeground();
    PostMessageA(configWindow, WM_CLOSE, 0, 0);
    ASSERT_TRUE(pumpUntil([&] { return !IsWindow(configWindow); }));
    settle();
    ASSERT_EQ(GetForegroundWindow(), b.window()) << describeForeground();
    click(0, 0);
    ASSERT_TRUE(b.waitForKeys(2));
    EXPECT_EQ(b.keys(), (Keys{"+B", "-B"}));

    // The same when the window closes in front of program a, named by its
    // full path, and of this test program, which has no configuration.
    FollowedProgram a('a', scratch.file("a.txt"));
    ASSERT_NE(a.window(), nullptr);
    const auto closeWindowWith = [&](const std::function<bool()>& toFront) {
        configWindow = openConfigWindow(tarvik, window);
        ASSERT_NE(configWindow, nullptr);
        settle();  // the new window's activation is over
        ASSERT_TRUE(toFront()) << describeForeground();
        settle();
        PostMessageA(configWindow, WM_CLOSE, 0, 0);
        ASSERT_TRUE(pumpUntil([&] { return !IsWindow(configWindow); }));
        settle();
        click(0, 0);
    };
    closeWindowWith([&] { return a.bringToFront(); });
    ASSERT_TRUE(a.waitForKeys(2));
    EXPECT_EQ(a.keys(), (Keys{"+A", "-A"}));
    probe.clear();
    closeWindowWith([&] { return probe.focus(); });
    ASSERT_TRUE(probe.waitForKeys(2));
    EXPECT_EQ(probe.keys(), (Keys{"+D", "-D"}));
    exitThroughTray(tarvik, window);
}

}  // namespace
}  // namespace tarvik::testing
