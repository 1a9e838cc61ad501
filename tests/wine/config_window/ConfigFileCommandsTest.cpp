// The commands that go through the system's open and save dialogs.

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "config/ConfigFiles.h"
#include "fakes/TempDirectory.h"
#include "wine/config_window/ConfigWindowFixture.h"
#include "wine/config_window/FileDialogAnswerer.h"

namespace tarvik {
namespace {

using testing::ConfigWindowTest;
using testing::FileDialogAnswerer;
using testing::TempDirectory;

std::vector<char> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ConfigFileCommandsTest : public ConfigWindowTest {
  protected:
    std::string inTemp(const char* name) const { return (temp.path() / name).string(); }
    TempDirectory temp;
};

TEST_F(ConfigFileCommandsTest, SaveThenLoadThroughTheDialogs) {
    open();
    std::strcpy(state->config.header.name, "saved by the window");
    const std::string path = inTemp("window.cfg");
    {
        FileDialogAnswerer answer(inTemp("window"));  // the extension is added
        command(ControlId::kSave);
        EXPECT_EQ(answer.title(), "save Tarvik config file");
        EXPECT_EQ(answer.fileTypes(), (std::vector<std::string>{"cfg files ", "all files "}));
    }
    const std::vector<char> saved = fileBytes(path);
    ASSERT_EQ(saved.size(), kLongFileLength);  // two joysticks and the mouse: five blocks
    EXPECT_EQ(std::memcmp(saved.data(), &state->config, saved.size()), 0);

    std::strcpy(state->config.header.name, "changed");
    state->config.blocks[1].entries[5].xStep = 77;
    const uint8_t savedStep =
        reinterpret_cast<const Configuration*>(saved.data())->blocks[1].entries[5].xStep;
    {
        FileDialogAnswerer answer(path);
        command(ControlId::kLoad);
        EXPECT_EQ(answer.title(), "load Tarvik config file");
    }
    EXPECT_STREQ(state->config.header.name, "saved by the window");
    EXPECT_EQ(state->config.blocks[1].entries[5].xStep, savedStep);
    EXPECT_EQ(GetFocus(), created);
}

TEST_F(ConfigFileCommandsTest, CancelledDialogsChangeNothing) {
    open();
    const std::string before = state->config.header.autostartPath;
    {
        FileDialogAnswerer cancel("");
        command(ControlId::kProgramButton);
        EXPECT_EQ(cancel.title(), "select program");
        EXPECT_EQ(cancel.fileTypes(), (std::vector<std::string>{"programs  ", "all files "}));
    }
    EXPECT_EQ(state->config.header.autostartPath, before);
    {
        FileDialogAnswerer cancel("");
        command(ControlId::kSave);
    }
    EXPECT_TRUE(temp.names().empty());
}

TEST_F(ConfigFileCommandsTest, ProgramChoicesStoreTheWholePathAndShowItsName) {
    std::ofstream(inTemp("tool.exe")) << "MZ";
    open();
    const std::string tool = inTemp("tool.exe");
    {
        FileDialogAnswerer answer(tool);
        command(ControlId::kProgramButton);
    }
    EXPECT_STRCASEEQ(state->config.header.autostartPath, tool.c_str());
    EXPECT_STRCASEEQ(text(item(ControlId::kAutostartPathEdit)).c_str(), "tool.exe");

    command(1000);
    command(1053);  // button 3
    {
        FileDialogAnswerer answer(tool);
        command(ControlId::kStartProgram);
        EXPECT_EQ(answer.title(), "select program");
    }
    EXPECT_EQ(entry(0, 3).startProgram, 1);
    EXPECT_STRCASEEQ(entry(0, 3).programPath, tool.c_str());
    EXPECT_TRUE(checked(ControlId::kStartProgram));
    EXPECT_STRCASEEQ(text(member(ControlGroup::kEntryOptions, EntryPosition::kProgramText)).c_str(),
                     "tool.exe");

    command(ControlId::kStartProgram);  // unticking opens no dialog
    EXPECT_EQ(entry(0, 3).startProgram, 0);
    EXPECT_STRCASEEQ(entry(0, 3).programPath, tool.c_str());
}

}  // namespace
}  // namespace tarvik
