#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "config/BoundedString.h"
#include "config/ConfigFiles.h"
#include "fakes/ConfigFileRig.h"
#include "fakes/TempDirectory.h"

namespace tarvik {
namespace {

using testing::ConfigFileRig;
using testing::fillWithNoise;
using testing::TempDirectory;
using testing::writeBytes;

// Writes a header-only file with the given version and program path (which
// may fill all 260 bytes without a terminator).
void writeHeader(const std::string& name, uint16_t version, const std::string& program) {
    ConfigHeader header{};
    header.version = version;
    std::memcpy(header.autostartPath, program.data(),
                std::min(program.size(), sizeof(header.autostartPath)));
    writeBytes(name, &header, sizeof(header));
}

bool allZero(const char* bytes, size_t size) {
    for (size_t i = 0; i < size; ++i) {
        if (bytes[i] != 0) return false;
    }
    return true;
}

// The valid configurations in the order the directory search returns them.
std::vector<std::string> validInSearchOrder(FileSystem& files) {
    std::vector<std::string> names;
    DirectoryEntry entry{};
    const SearchHandle search = files.findFirst("*.CFG", entry);
    if (search == kNoSearch) return names;
    do {
        ConfigHeader header{};
        if (!entry.isDirectory) readConfigHeader(files, entry.name, header);
        if (header.version == kConfigVersion) names.emplace_back(entry.name);
    } while (files.findNext(search, entry));
    files.findClose(search);
    return names;
}

class ConfigScan : public ::testing::Test {
  protected:
    TempDirectory dir;
    ConfigFileRig rig;

    std::vector<std::string> listedNames() const {
        std::vector<std::string> names;
        for (int i = 0; i < rig.fileList->cfgFileCount; ++i) {
            names.emplace_back(rig.fileList->rows[i].fileName);
        }
        return names;
    }
};

TEST_F(ConfigScan, ListsTheFirst32ValidFilesTheSearchReturns) {
    for (int i = 0; i < 40; ++i) {
        writeHeader("game" + std::to_string(i) + (i % 2 ? ".cfg" : ".CFG"), kConfigVersion,
                    "C:\\games\\" + std::to_string(i) + ".exe");
    }
    std::filesystem::create_directory("folder.cfg");
    writeHeader("older.cfg", 0x0600, "C:\\old.exe");
    writeHeader("notes.txt", kConfigVersion, "");
    writeHeader("game.cfg.bak", kConfigVersion, "");

    fillWithNoise(*rig.fileList, 1);
    scanConfigFiles(rig.files, *rig.fileList, *rig.headerBuffer);

    std::vector<std::string> expected = validInSearchOrder(rig.files);
    ASSERT_EQ(expected.size(), 40u);
    expected.resize(32);
    ASSERT_EQ(rig.fileList->cfgFileCount, 32);
    EXPECT_EQ(listedNames(), expected);
    for (int i = 0; i < 32; ++i) {
        const CfgFileEntry& row = rig.fileList->rows[i];
        const std::string number = std::string(row.fileName).substr(4);
        EXPECT_EQ(std::string(row.programText),
                  "C:\\games\\" + number.substr(0, number.size() - 4) + ".exe");
        EXPECT_TRUE(allZero(row.programText + std::strlen(row.programText),
                            sizeof(row.programText) - std::strlen(row.programText)));
        EXPECT_TRUE(allZero(row.fileName + std::strlen(row.fileName),
                            sizeof(row.fileName) - std::strlen(row.fileName)));
    }
}

TEST_F(ConfigScan, LeavesOutDirectoriesForeignVersionsAndTooShortFiles) {
    std::filesystem::create_directory("folder.cfg");
    writeHeader("older.cfg", 0x0600, "C:\\old.exe");
    writeBytes("tiny.cfg", "\x00", 1);
    writeBytes("empty.cfg", "", 0);
    writeHeader("plain.cfg", kConfigVersion, "");
    scanConfigFiles(rig.files, *rig.fileList, *rig.headerBuffer);
    ASSERT_EQ(listedNames(), std::vector<std::string>{"plain.cfg"});
    // An empty program path is listed with an empty program text.
    EXPECT_TRUE(allZero(rig.fileList->rows[0].programText, 260));
}

TEST_F(ConfigScan, ProgramTextIsTheFirst200BytesOfAnUnterminatedPath) {
    writeHeader("full.cfg", kConfigVersion, std::string(260, 'p'));
    scanConfigFiles(rig.files, *rig.fileList, *rig.headerBuffer);
    ASSERT_EQ(rig.fileList->cfgFileCount, 1);
    const CfgFileEntry& row = rig.fileList->rows[0];
    EXPECT_EQ(std::string(row.programText), std::string(200, 'p'));
    EXPECT_TRUE(allZero(row.programText + 200, 60));
}

TEST_F(ConfigScan, EmptyDirectoryEmptiesTheList) {
    writeHeader("one.cfg", kConfigVersion, "x");
    scanConfigFiles(rig.files, *rig.fileList, *rig.headerBuffer);
    EXPECT_EQ(rig.fileList->cfgFileCount, 1);
    std::filesystem::remove("one.cfg");
    scanConfigFiles(rig.files, *rig.fileList, *rig.headerBuffer);
    EXPECT_EQ(rig.fileList->cfgFileCount, 0);
}

TEST_F(ConfigScan, HeaderOfAShortFileDoesNotInheritThePreviousFile) {
    writeHeader("whole.cfg", kConfigVersion, "C:\\whole.exe");
    writeBytes("stub.cfg", "\x00\x07", 2);
    ConfigHeader& buffer = *rig.headerBuffer;
    readConfigHeader(rig.files, "whole.cfg", buffer);
    EXPECT_STREQ(buffer.autostartPath, "C:\\whole.exe");
    readConfigHeader(rig.files, "stub.cfg", buffer);
    EXPECT_EQ(buffer.version, kConfigVersion);
    EXPECT_EQ(buffer.autostartPath[0], '\0');

    readConfigHeader(rig.files, "whole.cfg", buffer);
    readConfigHeader(rig.files, "missing.cfg", buffer);
    EXPECT_EQ(buffer.version, 0);
    readConfigHeader(rig.files, "whole.cfg", buffer);
    rig.files.failOpenForRead = true;
    readConfigHeader(rig.files, "whole.cfg", buffer);
    EXPECT_EQ(buffer.version, 0);
}

TEST(Wildcard, MatchesLikeTheSystemSearchIgnoringCase) {
    EXPECT_TRUE(matchesWildcard("a.cfg", "*.CFG"));
    EXPECT_TRUE(matchesWildcard("A.Cfg", "*.CFG"));
    EXPECT_TRUE(matchesWildcard(".cfg", "*.CFG"));
    EXPECT_TRUE(matchesWildcard("x.y.cfg", "*.CFG"));
    EXPECT_FALSE(matchesWildcard("a.cfg.bak", "*.CFG"));
    EXPECT_FALSE(matchesWildcard("acfg", "*.CFG"));
    EXPECT_TRUE(matchesWildcard("ab", "a?"));
    EXPECT_FALSE(matchesWildcard("a", "a?"));
}

TEST(BoundedString, ReadsNeverRunPastAnUnterminatedArray) {
    char field[8];
    std::memset(field, 'z', sizeof(field));
    EXPECT_EQ(boundedText(field), std::string_view("zzzzzzzz"));
    char shorter[5];
    copyBounded(shorter, boundedText(field));
    EXPECT_STREQ(shorter, "zzzz");
    char longer[12];
    std::memset(longer, 'q', sizeof(longer));
    copyBounded(longer, boundedText(field));
    EXPECT_STREQ(longer, "zzzzzzzz");
    EXPECT_TRUE(allZero(longer + 8, 4));
    field[3] = '\0';
    EXPECT_EQ(boundedText(field), std::string_view("zzz"));
    copyBounded(longer, boundedText(field));
    EXPECT_STREQ(longer, "zzz");
    EXPECT_TRUE(allZero(longer + 3, 9));
}

}  // namespace
}  // namespace tarvik
