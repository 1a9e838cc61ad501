#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "config/ConfigFiles.h"
#include "config/Thresholds.h"
#include "fakes/ConfigFixtures.h"
#include "fakes/TempDirectory.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Platform.h"
#include "wine/MessageBoxAnswerer.h"

namespace tarvik {
namespace {

using testing::MessageBoxAnswerer;
using testing::readBytes;
using testing::TempDirectory;
using testing::writeBytes;

// The program's own state, with the real file calls and message boxes.
struct Win32Rig {
    std::unique_ptr<Configuration> config = testing::makeZeroConfiguration();
    FunctionKeyTable functionKeys{};
    std::unique_ptr<CfgFileList> fileList = std::make_unique<CfgFileList>();
    ConfigHeader headerBuffer{};
    std::unique_ptr<DeviceTable> devices = testing::makeDeviceTable(2);
    Win32Platform platform;
    Win32FileSystem files;
    ConfigFileContext context{*config,  functionKeys, *fileList, headerBuffer,
                              *devices, platform,     files};
};

void fillWithNoise(Configuration& config, unsigned seed) {
    auto* bytes = reinterpret_cast<unsigned char*>(&config);
    for (size_t i = 0; i < sizeof(config); ++i) {
        seed = seed * 1664525u + 1013904223u;
        bytes[i] = static_cast<unsigned char>(seed >> 24);
    }
}

std::vector<std::string> sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ConfigFilesWin32, SaveAndLoadRoundTripThroughTheSystemFileCalls) {
    TempDirectory dir;
    Win32Rig rig;
    MessageBoxAnswerer answerer;
    rig.devices->deviceCount = 3;
    fillWithNoise(*rig.config, 1);
    saveConfiguration(rig.context, "round.cfg");
    const std::vector<char> file = readBytes("round.cfg");
    ASSERT_EQ(file.size(), kLongFileLength);
    EXPECT_EQ(std::memcmp(file.data(), rig.config.get(), file.size()), 0);

    fillWithNoise(*rig.config, 2);
    auto expected = testing::makeZeroConfiguration();
    std::memcpy(expected.get(), rig.config.get(), sizeof(Configuration));
    std::memcpy(expected.get(), file.data(), file.size());
    recomputeThresholds(*expected);
    loadConfiguration(rig.context, "round.cfg");
    EXPECT_EQ(std::memcmp(rig.config.get(), expected.get(), sizeof(Configuration)), 0);
    EXPECT_TRUE(answerer.seen().empty());
    EXPECT_EQ(dir.names(), std::vector<std::string>{"round.cfg"});
}

TEST(ConfigFilesWin32, OverwriteQuestionIsAskedAndAnsweredInARealMessageBox) {
    TempDirectory dir;
    Win32Rig rig;
    writeBytes("mine.cfg", "old", 3);
    {
        MessageBoxAnswerer answerer({IDNO});
        saveConfiguration(rig.context, "mine.cfg");
        EXPECT_EQ(answerer.seen(),
                  std::vector<std::string>{"Attention!|file already exists. Overwrite?"});
    }
    EXPECT_EQ(readBytes("mine.cfg"), (std::vector<char>{'o', 'l', 'd'}));
    {
        MessageBoxAnswerer answerer({IDYES});
        saveConfiguration(rig.context, "mine.cfg");
        EXPECT_EQ(answerer.seen().size(), 1u);
    }
    EXPECT_EQ(readBytes("mine.cfg").size(), kLongFileLength);  // two joysticks and the mouse
    EXPECT_EQ(dir.names(), std::vector<std::string>{"mine.cfg"});
}

TEST(ConfigFilesWin32, ReadOnlyTargetIsKeptAndReportedAsNotOpenable) {
    TempDirectory dir;
    Win32Rig rig;
    writeBytes("locked.cfg", "old", 3);
    ASSERT_TRUE(SetFileAttributesA("locked.cfg", FILE_ATTRIBUTE_READONLY));
    {
        MessageBoxAnswerer answerer({IDYES, IDOK});
        saveConfiguration(rig.context, "locked.cfg");
        EXPECT_EQ(answerer.seen(),
                  (std::vector<std::string>{"Attention!|file already exists. Overwrite?",
                                            "ERROR!|cannot open file!"}));
    }
    EXPECT_EQ(readBytes("locked.cfg"), (std::vector<char>{'o', 'l', 'd'}));
    EXPECT_EQ(dir.names(), std::vector<std::string>{"locked.cfg"});
    SetFileAttributesA("locked.cfg", FILE_ATTRIBUTE_NORMAL);
}

TEST(ConfigFilesWin32, LoadFailuresShowTheirErrorBoxes) {
    TempDirectory dir;
    Win32Rig rig;
    CreateDirectoryA("folder.cfg", nullptr);
    ConfigHeader foreign{};
    foreign.version = 0x0600;
    writeBytes("foreign.cfg", &foreign, sizeof(foreign));
    MessageBoxAnswerer answerer;
    loadConfiguration(rig.context, "absent.cfg");
    loadConfiguration(rig.context, "folder.cfg");
    loadConfiguration(rig.context, "foreign.cfg");
    EXPECT_EQ(answerer.seen(), (std::vector<std::string>{
                                   "ERROR!|file not found!",
                                   "ERROR!|cannot open file!",
                                   "ERROR!|cannot read file!\nwrong version",
                               }));
    EXPECT_STREQ(rig.config->header.name, "Kestrelvaldonix");
    EXPECT_EQ(rig.functionKeys.rows[10].scanWord, MapVirtualKeyA(VK_F10, 0));
}

TEST(ConfigFilesWin32, ScanListsTheConfigurationsFindFirstFileReturns) {
    TempDirectory dir;
    Win32Rig rig;
    std::vector<std::string> valid;
    for (int i = 0; i < 34; ++i) {
        ConfigHeader header{};
        header.version = kConfigVersion;
        std::snprintf(header.autostartPath, sizeof(header.autostartPath), "C:\\p%d.exe", i);
        const std::string name = "c" + std::to_string(i) + (i % 2 ? ".cfg" : ".CFG");
        writeBytes(name, &header, sizeof(header));
        valid.push_back(name);
    }
    CreateDirectoryA("folder.cfg", nullptr);
    ConfigHeader foreign{};
    foreign.version = 0x0600;
    writeBytes("older.cfg", &foreign, sizeof(foreign));
    writeBytes("notes.txt", "x", 1);

    scanConfigFiles(rig.files, *rig.fileList, rig.headerBuffer);
    ASSERT_EQ(rig.fileList->cfgFileCount, 32);
    std::vector<std::string> listed;
    for (int i = 0; i < 32; ++i) {
        const CfgFileEntry& row = rig.fileList->rows[i];
        listed.emplace_back(row.fileName);
        const std::string number = listed.back().substr(1, listed.back().size() - 5);
        EXPECT_EQ(std::string(row.programText), "C:\\p" + number + ".exe");
    }
    // Every listed name is one of the valid files, each once.
    const auto unique = sorted(listed);
    EXPECT_EQ(std::adjacent_find(unique.begin(), unique.end()), unique.end());
    for (const std::string& name : listed) {
        EXPECT_NE(std::find(valid.begin(), valid.end(), name), valid.end()) << name;
    }
}

}  // namespace
}  // namespace tarvik
