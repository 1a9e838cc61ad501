#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "shell/ForegroundSettling.h"
#include "shell/ProgramFollowing.h"

namespace tarvik {
namespace {

TEST(ProgramFollowing, ProgramTextMatchesTheImagePath) {
    const char* image = "C:\\Games\\Race\\Race.exe";
    EXPECT_TRUE(programTextMatches("c:\\games\\race\\RACE.EXE", image));
    EXPECT_TRUE(programTextMatches("\"C:\\Games\\Race\\Race.exe\" -window", image));
    EXPECT_TRUE(programTextMatches("C:/Games/Race/Race.exe", image));
    EXPECT_TRUE(programTextMatches("race.exe", image));
    EXPECT_TRUE(programTextMatches("\"RACE.exe\"", image));
    // A directory in the text must be the program's own.
    EXPECT_FALSE(programTextMatches("D:\\Games\\Race\\Race.exe", image));
    EXPECT_FALSE(programTextMatches("Race\\Race.exe", image));
    EXPECT_FALSE(programTextMatches("Race", image));
    EXPECT_FALSE(programTextMatches("ace.exe", image));
    // A configuration that starts nothing belongs to no program.
    EXPECT_FALSE(programTextMatches("", image));
    EXPECT_FALSE(programTextMatches("\"\"", image));
    EXPECT_FALSE(programTextMatches("race.exe", ""));
    EXPECT_FALSE(programTextMatches("race.exe", nullptr));
}

TEST(ProgramFollowing, TheProgramsConfigurationOrTheOneBeforeComesBack) {
    auto list = std::make_unique<CfgFileList>();
    std::snprintf(list->rows[0].programText, sizeof list->rows[0].programText, "%s", "");
    std::snprintf(list->rows[0].fileName, sizeof list->rows[0].fileName, "%s", "tarvik7.cfg");
    std::snprintf(list->rows[1].programText, sizeof list->rows[1].programText, "%s", "race.exe");
    std::snprintf(list->rows[1].fileName, sizeof list->rows[1].fileName, "%s", "race.cfg");
    list->cfgFileCount = 2;
    auto state = std::make_unique<FollowingState>();
    state->on = true;
    chooseByHand(*state, "tarvik7.cfg");

    char file[kMaxPathLength];
    ASSERT_TRUE(fileToFollow(*state, *list, "C:\\Race\\race.exe", file));
    EXPECT_STREQ(file, "race.cfg");
    followedTo(*state, file, false);
    EXPECT_FALSE(fileToFollow(*state, *list, "C:\\Race\\race.exe", file));
    ASSERT_TRUE(fileToFollow(*state, *list, "C:\\Windows\\notepad.exe", file));
    EXPECT_STREQ(file, "tarvik7.cfg");
    ASSERT_TRUE(fileToFollow(*state, *list, nullptr, file));
    EXPECT_STREQ(file, "tarvik7.cfg");

    // A failed file is passed over: its program gets the one before.
    followedTo(*state, "race.cfg", true);
    ASSERT_TRUE(fileToFollow(*state, *list, "C:\\Race\\race.exe", file));
    EXPECT_STREQ(file, "tarvik7.cfg");

    // A file that would not load keeps what is in use, and says why.
    followedTo(*state, "tarvik7.cfg", false);
    list->rows[1].fileName[0] = 'x';  // xace.cfg
    passOver(*state, "xace.cfg");
    EXPECT_FALSE(fileToFollow(*state, *list, "C:\\Race\\race.exe", file));
    char balloon[256];
    loadProblemText("xace.cfg", "cannot read file!\nwrong version", balloon);
    EXPECT_STREQ(balloon, "could not load xace.cfg: cannot read file! wrong version");

    // A file chosen by hand is what comes back from then on.
    chooseByHand(*state, "other.cfg");
    EXPECT_FALSE(fileToFollow(*state, *list, "C:\\Windows\\notepad.exe", file));

    ConfigHeader header{};
    std::memset(header.name, 'n', sizeof header.name);  // no terminator
    char tip[64];
    trayTip(*state, header, tip);
    EXPECT_EQ(std::strlen(tip), 63u);
    EXPECT_EQ(std::strncmp(tip, "Tarvik 8.4 VRN/SE/NOMORANDA - nnn", 33), 0);
    state->on = false;
    trayTip(*state, header, tip);
    EXPECT_STREQ(tip, "Tarvik 8.4 VRN/SE/NOMORANDA");
}

// Windows of the test's own making: a handle stands for one row.
class FakeForeground final : public ForegroundSource {
  public:
    struct Window {
        const char* className;
        const char* image;  // nullptr: a protected process
        WindowHandle coreChild = kNoWindow;
    };
    std::vector<Window> windows;  // handle n is windows[n - 1]
    WindowHandle front = kNoWindow;

    WindowHandle add(Window window) {
        windows.push_back(window);
        return windows.size();
    }
    WindowHandle foregroundWindow() override { return front; }
    void className(WindowHandle window, char (&name)[256]) override {
        std::snprintf(name, sizeof name, "%s", windows[window - 1].className);
    }
    bool imagePath(WindowHandle window, char (&path)[kMaxPathLength]) override {
        if (windows[window - 1].image == nullptr) return false;
        std::snprintf(path, sizeof path, "%s", windows[window - 1].image);
        return true;
    }
    bool ownProcess(WindowHandle) override { return false; }
    WindowHandle childOfClass(WindowHandle window, const char* name) override {
        const WindowHandle child = windows[window - 1].coreChild;
        return child != kNoWindow && std::strcmp(windows[child - 1].className, name) == 0
                   ? child
                   : kNoWindow;
    }
};

// The shell comes to the front for a moment and the game comes back: the
// decision falls once, after the last event, on the game.
TEST(ProgramFollowing, AQuickShellWindowInBetweenChangesNothing) {
    FakeForeground source;
    const WindowHandle game = source.add({"GameWindow", "C:\\Games\\Race.exe"});
    const WindowHandle tray = source.add({"Shell_TrayWnd", "C:\\Windows\\explorer.exe"});
    const WindowHandle start = source.add(
        {"Windows.UI.Core.CoreWindow", "C:\\Windows\\SystemApps\\StartMenuExperienceHost.exe"});
    const WindowHandle store =
        source.add({"ApplicationFrameWindow", "C:\\Windows\\System32\\ApplicationFrameHost.exe"});
    const WindowHandle app =
        source.add({"Windows.UI.Core.CoreWindow", "C:\\Program Files\\WindowsApps\\Solitaire.exe"});
    source.windows[store - 1].coreChild = app;
    char image[kMaxPathLength];
    ForegroundSettling settling;

    // What a pass of events decides: nothing before the foreground settles.
    const auto decide = [&](uint32_t nowMs) {
        if (!foregroundSettled(settling, nowMs)) return std::string("waiting");
        const InFront inFront = programInFront(source, source.foregroundWindow(), image);
        if (inFront == InFront::kNoChange) return std::string("no change");
        return inFront == InFront::kProgram ? std::string(image) : std::string("unknown");
    };

    source.front = tray;
    foregroundChanged(settling, 1000);
    source.front = game;
    foregroundChanged(settling, 1100);
    EXPECT_EQ(decide(1300), "waiting");
    EXPECT_EQ(settleRemainingMs(settling, 1300), 50u);
    EXPECT_EQ(decide(1350), "C:\\Games\\Race.exe");
    EXPECT_EQ(decide(1400), "waiting");  // once a settling

    for (WindowHandle shell : {tray, start}) {
        source.front = shell;
        foregroundChanged(settling, 2000);
        EXPECT_EQ(decide(2250), "no change");
    }
    source.front = store;
    foregroundChanged(settling, 3000);
    EXPECT_EQ(decide(3250), "C:\\Program Files\\WindowsApps\\Solitaire.exe");
    source.front = source.add({"Protected", nullptr});
    foregroundChanged(settling, 4000);
    EXPECT_EQ(decide(4250), "unknown");
    EXPECT_TRUE(isShellWindow("LockScreenBackstopFrame", ""));
    EXPECT_FALSE(isShellWindow("Windows.UI.Core.CoreWindow", "C:\\Apps\\Game.exe"));
}

}  // namespace
}  // namespace tarvik
