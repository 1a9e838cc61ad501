// The command line of the real program: QUIT between two instances, ONEONLY,
// LOAD:, START: and AUTOSTART, with the message boxes they show.

#include "ProgramRig.h"

namespace tarvik::testing {
namespace {

using Keys = std::vector<std::string>;

class ProgramCommandLine : public RunningProgram {
  protected:
    void SetUp() override {
        RunningProgram::SetUp();
        writeConfig("tarvik7.cfg", *typing("d"));
    }
    // Button 1 and what it typed.
    Keys typedByButtonOne() {
        probe.clear();
        click(0, 0);
        probe.waitForKeys(2, 3000);
        return probe.keys();
    }
};

TEST_F(ProgramCommandLine, QuitEndsTheRunningInstance) {
    TarvikProcess running;
    ASSERT_NE(startMapping(running), nullptr);
    TarvikProcess second;
    ASSERT_TRUE(second.start("QUIT", scratch.path()));
    EXPECT_EQ(second.waitForExit(), 0u);
    EXPECT_EQ(running.waitForExit(), 0u);
}

TEST_F(ProgramCommandLine, QuitWithNoInstanceRunningEndsSilently) {
    TarvikProcess alone;
    ASSERT_TRUE(alone.start("QUIT", scratch.path()));
    bool boxShown = false;
    pumpUntil([&] {
        boxShown = boxShown || messageBoxOf(alone.id()) != nullptr;
        return !alone.running();
    });
    EXPECT_EQ(alone.waitForExit(), 0u);
    EXPECT_FALSE(boxShown);
}

TEST_F(ProgramCommandLine, OneOnlyWithTwoControllersWarnsAndEnds) {
    addPad();
    TarvikProcess tarvik;
    ASSERT_TRUE(tarvik.start("ONEONLY", scratch.path()));
    const auto box = answerMessageBox(tarvik.id());
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->caption, "WARNING!");
    EXPECT_EQ(box->text,
              "more than one device detected\r\nunplug all devices but the one you want to "
              "use\r\nperhaps only the VRN;-{)}\r\nand than restart Tarvik");
    EXPECT_EQ(tarvik.waitForExit(), 0u);
}

TEST_F(ProgramCommandLine, OneOnlyWithOneControllerRuns) {
    TarvikProcess tarvik;
    HWND window = startMapping(tarvik, "ONEONLY");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(typedByButtonOne(), (Keys{"+D", "-D"}));
    exitThroughTray(tarvik, window);
}

TEST_F(ProgramCommandLine, LoadWithAQuotedFullPathLoadsThatFile) {
    std::filesystem::create_directories(scratch.file("other dir"));
    writeConfig("other dir\\race.cfg", *typing("r"));
    TarvikProcess tarvik;
    HWND window = startMapping(tarvik, "LOAD:\"" + scratch.file("other dir\\race.cfg") + "\"");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(typedByButtonOne(), (Keys{"+R", "-R"}));
    exitThroughTray(tarvik, window);
}

TEST_F(ProgramCommandLine, LoadOfAMissingFileIsReportedAndTheDefaultLoaded) {
    // Without the quote the first letter is skipped: ace.cfg does not exist.
    writeConfig("race.cfg", *typing("r"));
    TarvikProcess tarvik;
    ASSERT_TRUE(tarvik.start("LOAD:race.cfg", scratch.path()));
    const auto box = answerMessageBox(tarvik.id());
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->caption, "ERROR!");
    EXPECT_EQ(box->text, "configuration file not found\r\nusing default file tarvik7.cfg");
    HWND window = waitUntilMapping(tarvik);
    ASSERT_NE(window, nullptr);
    probe.focus();
    EXPECT_EQ(typedByButtonOne(), (Keys{"+D", "-D"}));
    exitThroughTray(tarvik, window);
}

TEST_F(ProgramCommandLine, StartOfAMissingProgramIsReportedAndStartUpGoesOn) {
    TarvikProcess tarvik;
    ASSERT_TRUE(tarvik.start("START:\"C:\\no such dir\\nothing.exe\"", scratch.path()));
    const auto box = answerMessageBox(tarvik.id());
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->caption, "ERROR!");
    EXPECT_EQ(box->text, "program not found");
    HWND window = waitUntilMapping(tarvik);
    ASSERT_NE(window, nullptr);
    exitThroughTray(tarvik, window);
}

TEST_F(ProgramCommandLine, StartRunsTheProgramInItsOwnDirectory) {
    setProbeReport(scratch.file("probe.txt"));
    TarvikProcess tarvik;
    HWND window = startMapping(tarvik, "START:\"" + probeExe() + "\"");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(pumpUntil([&] { return probeReport(scratch.file("probe.txt")).size() == 2; }));
    const auto report = probeReport(scratch.file("probe.txt"));
    EXPECT_EQ(lstrcmpiA(report[0].c_str(), binDirectory().c_str()), 0) << report[0];
    EXPECT_EQ(report[1], probeExe());
    exitThroughTray(tarvik, window);
}

TEST_F(ProgramCommandLine, AutostartWinsOverStartAndStartsTheLoadedProgram) {
    auto config = typing("d");
    lstrcpynA(config->header.autostartPath, probeExe().c_str(),
              sizeof config->header.autostartPath);
    writeConfig("tarvik7.cfg", *config);
    setProbeReport(scratch.file("probe.txt"));
    TarvikProcess tarvik;
    ASSERT_TRUE(tarvik.start("START:\"C:\\nothing.exe\" AUTOSTART", scratch.path()));
    HWND window = waitUntilMapping(tarvik);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(messageBoxOf(tarvik.id()), nullptr);
    ASSERT_TRUE(pumpUntil([&] { return probeReport(scratch.file("probe.txt")).size() == 2; }));
    EXPECT_EQ(probeReport(scratch.file("probe.txt"))[1], probeExe());
    exitThroughTray(tarvik, window);
}

TEST_F(ProgramCommandLine, NoControllerIsReportedAndEndsAtOnce) {
    block().controllerCount = 0;
    TarvikProcess tarvik;
    ASSERT_TRUE(tarvik.start("", scratch.path()));
    const auto box = answerMessageBox(tarvik.id());
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->caption, "ERROR!");
    EXPECT_EQ(box->text, "no game-device installed");
    EXPECT_EQ(tarvik.waitForExit(), 0u);
}

TEST_F(ProgramCommandLine, DirectInputFailureIsReportedUnderTheProgramsName) {
    block().createResult = static_cast<int32_t>(E_FAIL);
    TarvikProcess tarvik;
    ASSERT_TRUE(tarvik.start("", scratch.path()));
    const auto box = answerMessageBox(tarvik.id());
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->caption, "Tarvik 8.4 VRN/SE/NOMORANDA");
    EXPECT_EQ(box->text, "Error Initializing DirectInput");
    EXPECT_EQ(tarvik.waitForExit(), 0u);
}

}  // namespace
}  // namespace tarvik::testing
