#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/ForwardingFileSystem.h"
#include "platform/PortableFileSystem.h"
#include "shell/ConfigurationStep.h"
#include "shell/Handover.h"

namespace tarvik {
namespace {

// Only the paths named exist.
class NamedFiles final : public ForwardingFileSystem {
  public:
    NamedFiles() : ForwardingFileSystem(real_) {}
    std::set<std::string> paths;
    bool exists(const char* path) override { return paths.count(path) != 0; }

  private:
    PortableFileSystem real_;
};

class HandoverRead : public ::testing::Test {
  protected:
    NamedFiles files;
    Handover handover;
    bool read(const std::string& block, uintptr_t tag = kHandoverTag) {
        return readHandover(tag, block.data(), block.size(), files, handover);
    }
};

TEST_F(HandoverRead, RelativeLoadAndStartNamesAreTakenFromTheSecondStartsDirectory) {
    files.paths.insert("C:\\games\\race.exe");
    ASSERT_TRUE(read(handoverBlock(
        "C:\\games", "\"tarvik.exe\" LOAD:\"race.cfg\" START:\"race.exe\" NOREPEAT FOLLOW")));
    EXPECT_STREQ(handover.loadPath, "C:\\games\\race.cfg");
    EXPECT_STREQ(handover.startPath, "C:\\games\\race.exe");
    EXPECT_TRUE(handover.options.follow);
    EXPECT_TRUE(handover.options.noRepeat);  // read, and left to the caller to ignore

    // Full names stay; a program the directory does not hold is searched for.
    ASSERT_TRUE(read(handoverBlock("C:\\games\\", "LOAD:\"D:\\x.cfg\" START:\"notepad.exe\"")));
    EXPECT_STREQ(handover.loadPath, "D:\\x.cfg");
    EXPECT_STREQ(handover.startPath, "notepad.exe");
}

TEST_F(HandoverRead, BlocksThatAreNoTarvikStartAreRefused) {
    const std::string good = handoverBlock("C:\\", "LOAD:\"a.cfg\"");
    EXPECT_FALSE(read(good, kHandoverTag + 1));
    EXPECT_FALSE(read(good.substr(0, sizeof kHandoverMagic - 1)));
    EXPECT_FALSE(read("TARVIK-START-2" + good.substr(sizeof kHandoverMagic - 1)));
    // The directory's terminator missing, or beyond a path's length.
    EXPECT_FALSE(read(std::string(kHandoverMagic, sizeof kHandoverMagic) + "C:\\dir"));
    EXPECT_FALSE(read(handoverBlock(std::string(kMaxPathLength, 'd').c_str(), "")));
    EXPECT_FALSE(readHandover(kHandoverTag, nullptr, 100, files, handover));
}

TEST_F(HandoverRead, AnyCommandLineIsReadBoundedAndUnterminated) {
    // 64 KB of junk with a LOAD: at the end of what a command line holds,
    // and with no terminator: the cut falls inside the name.
    std::string junk(kHandoverTextLimit - 8, '\x9c');
    junk += "LOAD:\"abcdefgh";
    junk += std::string(64 * 1024, 'x');
    ASSERT_TRUE(read(handoverBlock("C:\\d", junk.c_str())));
    EXPECT_TRUE(handover.options.load);
    EXPECT_STREQ(handover.loadPath, "C:\\d\\ab");

    // A name too long for a path once the directory is put before it.
    const std::string longName = "LOAD:\"" + std::string(250, 'n') + "\"";
    ASSERT_TRUE(read(handoverBlock("C:\\a long directory name", longName.c_str())));
    EXPECT_STREQ(handover.loadPath, "");

    // Bytes after the first NUL of the command line are not read.
    std::string block = handoverBlock("C:\\d", "FOLLOW");
    block += '\0';
    block += "QUIT";
    ASSERT_TRUE(read(block));
    EXPECT_TRUE(handover.options.follow);
    EXPECT_FALSE(handover.options.quit);
}

TEST_F(HandoverRead, DeviceNamesAreNoFileToLoad) {
    for (const char* name : {"CON", "con.cfg", "C:\\x\\NUL", "aux ", "COM1", "lpt9.cfg",
                             "\\\\.\\PhysicalDrive0", "\\\\?\\C:\\a.cfg"}) {
        EXPECT_TRUE(namesADevice(name)) << name;
    }
    for (const char* name : {"CONSOLE.cfg", "COM0", "COM10", "icon.cfg", "C:\\CON\\a.cfg", ""}) {
        EXPECT_FALSE(namesADevice(name)) << name;
    }
    ASSERT_TRUE(read(handoverBlock("C:\\d", "LOAD:\"CON\"")));
    EXPECT_TRUE(handover.options.load);
    EXPECT_STREQ(handover.loadPath, "");
}

void setFiles(CfgFileList& list, std::initializer_list<const char*> names) {
    list.cfgFileCount = 0;
    for (const char* name : names) {
        std::snprintf(list.rows[list.cfgFileCount++].fileName, 260, "%s", name);
    }
}

TEST(ConfigurationStep, StepsThroughTheListByNameAndWrapsRound) {
    auto list = std::make_unique<CfgFileList>();
    setFiles(*list, {"a.cfg", "B.CFG", "c.cfg"});
    struct Case {
        const char* inUse;
        int step;
        int row;
    };
    for (const Case& c : {Case{"a.cfg", 1, 1}, Case{"C:\\dir\\b.cfg", 1, 2}, Case{"c.cfg", 1, 0},
                          Case{"a.cfg", -1, 2}, Case{"b.cfg", -1, 0},
                          // Not listed: the first file, or back to the last.
                          Case{"other.cfg", 1, 0}, Case{"", -1, 2}, Case{"a.cfgx", 1, 0}}) {
        EXPECT_EQ(steppedRow(*list, c.inUse, c.step), c.row) << c.inUse << " " << c.step;
    }
    setFiles(*list, {"only.cfg"});
    EXPECT_EQ(steppedRow(*list, "only.cfg", -1), 0);
    setFiles(*list, {});
    EXPECT_EQ(steppedRow(*list, "a.cfg", 1), -1);
    list->cfgFileCount = 9999;  // a damaged count reads no further than the rows
    EXPECT_GE(steppedRow(*list, "x", -1), 0);
}

}  // namespace
}  // namespace tarvik
