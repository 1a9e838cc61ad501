#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "config/ConfigFiles.h"
#include "config/Thresholds.h"
#include "fakes/ConfigFileRig.h"
#include "fakes/TempDirectory.h"

namespace tarvik {
namespace {

using testing::ConfigFileRig;
using testing::fillWithNoise;
using testing::readBytes;
using testing::sameBytes;
using testing::TempDirectory;
using testing::writeBytes;

const std::string kNotFound = "messageBox \"file not found!\" \"ERROR!\" 0";
const std::string kCannotOpen = "messageBox \"cannot open file!\" \"ERROR!\" 0";
const std::string kCannotWrite = "messageBox \"cannot write file!\" \"ERROR!\" 0";
const std::string kWrongVersion = "messageBox \"cannot read file!\nwrong version\" \"ERROR!\" 0";
const std::string kOverwrite = "messageBox \"file already exists. Overwrite?\" \"Attention!\" 1";

const char* bytesOf(const Configuration& config) {
    return reinterpret_cast<const char*>(&config);
}

// What a load of `file` must leave: the file's bytes over `before` from the
// start, thresholds rebuilt.
std::unique_ptr<Configuration> expectedAfterLoad(const Configuration& before,
                                                 const std::vector<char>& file) {
    auto expected = testing::makeZeroConfiguration();
    std::memcpy(expected.get(), &before, sizeof(Configuration));
    std::memcpy(expected.get(), file.data(), std::min(file.size(), sizeof(Configuration)));
    recomputeThresholds(*expected);
    return expected;
}

class ConfigSaveLoad : public ::testing::Test {
  protected:
    TempDirectory dir;
    ConfigFileRig rig;
};

TEST_F(ConfigSaveLoad, SaveWritesTheShortestFormThatHoldsTheMouseBlockAndEveryJoysticks) {
    fillWithNoise(*rig.config, 1);
    const struct {
        int joysticks;
        size_t length;
    } cases[] = {{1, 480020}, {2, 958548}, {3, 958548}, {4, 1676340}, {6, 1676340}};
    for (const auto& c : cases) {
        rig.setJoysticks(c.joysticks);
        const std::string name = "j" + std::to_string(c.joysticks) + ".cfg";
        saveConfiguration(rig.context, name.c_str());
        const std::vector<char> file = readBytes(name);
        ASSERT_EQ(file.size(), c.length) << c.joysticks << " joysticks";
        EXPECT_EQ(file[0], 0x00);
        EXPECT_EQ(file[1], 0x07);
        EXPECT_EQ(std::memcmp(file.data(), bytesOf(*rig.config), c.length), 0);
    }
    EXPECT_EQ(rig.config->header.version, kConfigVersion);
    EXPECT_TRUE(rig.platform.log.empty());
    // Only the targets remain: the temporary files were renamed into place.
    EXPECT_EQ(dir.names(),
              (std::vector<std::string>{"j1.cfg", "j2.cfg", "j3.cfg", "j4.cfg", "j6.cfg"}));
}

TEST_F(ConfigSaveLoad, RoundTripThroughBothLengthsKeepsWhatLiesBeyondTheFile) {
    for (int joysticks : {1, 2}) {
        fillWithNoise(*rig.config, 10 + joysticks);
        rig.setJoysticks(joysticks);
        saveConfiguration(rig.context, "trip.cfg");
        const std::vector<char> file = readBytes("trip.cfg");
        ASSERT_EQ(std::memcmp(file.data(), bytesOf(*rig.config), file.size()), 0);

        fillWithNoise(*rig.config, 20 + joysticks);
        const auto expected = expectedAfterLoad(*rig.snapshot(), file);
        rig.platform.clear();
        loadConfiguration(rig.context, "trip.cfg");
        EXPECT_TRUE(rig.platform.log.empty());
        EXPECT_TRUE(sameBytes(*rig.config, *expected)) << joysticks << " joysticks";
        EXPECT_EQ(rig.config->blocks[13].axisThresholds[5][3], 0xFFFF);
    }
}

TEST_F(ConfigSaveLoad, ShortFileOverLongOneKeepsTheLaterBlocks) {
    fillWithNoise(*rig.config, 30);
    rig.setJoysticks(3);
    saveConfiguration(rig.context, "long.cfg");
    const auto longRecord = rig.snapshot();
    fillWithNoise(*rig.config, 31);
    rig.setJoysticks(1);
    saveConfiguration(rig.context, "short.cfg");
    const auto shortRecord = rig.snapshot();

    fillWithNoise(*rig.config, 32);
    const auto untouched = rig.snapshot();
    loadConfiguration(rig.context, "long.cfg");
    loadConfiguration(rig.context, "short.cfg");
    EXPECT_TRUE(rig.platform.log.empty());
    for (int b = 0; b < kBlockCount; ++b) {
        const Configuration& source = b < 4 ? *shortRecord : b < 8 ? *longRecord : *untouched;
        // Thresholds are rebuilt on load; everything after them is the source's.
        const size_t from = offsetof(LayerBlock, activeAxisEntries);
        EXPECT_EQ(std::memcmp(reinterpret_cast<const char*>(&rig.config->blocks[b]) + from,
                              reinterpret_cast<const char*>(&source.blocks[b]) + from,
                              sizeof(LayerBlock) - from),
                  0)
            << "block " << b;
        EXPECT_EQ(
            std::memcmp(rig.config->blocks[b].directionPercent, source.blocks[b].directionPercent,
                        sizeof(source.blocks[b].directionPercent)),
            0);
    }
}

TEST_F(ConfigSaveLoad, WrongVersionClearsTheRecordAndYieldsExactlyTheDefaults) {
    rig.setJoysticks(4);
    for (const auto& firstBytes :
         {std::vector<unsigned char>{0x00, 0x06}, std::vector<unsigned char>{0x07, 0x00}}) {
        auto foreign = testing::makeZeroConfiguration();
        fillWithNoise(*foreign, 40);
        std::memcpy(foreign.get(), firstBytes.data(), 2);
        writeBytes("foreign.cfg", foreign.get(), kLongFileLength);
        fillWithNoise(*rig.config, 41);
        fillWithNoise(*rig.functionKeys, 42);
        rig.platform.clear();

        loadConfiguration(rig.context, "foreign.cfg");
        EXPECT_EQ(rig.platform.log, std::vector<std::string>{kWrongVersion});
        EXPECT_TRUE(sameBytes(*rig.config, *testing::makeDefaultConfiguration()));
        EXPECT_EQ(rig.config->header.version, 0);
        EXPECT_STREQ(rig.functionKeys->rows[10].label, "F10");
        EXPECT_EQ(rig.functionKeys->rows[10].scanWord, 0x44);
        EXPECT_EQ(rig.fileList->cfgFileCount, 0);  // rescanned: the foreign file is no config
    }
}

// The fields loadDefaults writes, as [offset, offset + size) of the record.
std::vector<std::pair<size_t, size_t>> defaultFieldRanges() {
    std::vector<std::pair<size_t, size_t>> ranges;
    auto add = [&](size_t offset, size_t size) { ranges.emplace_back(offset, offset + size); };
    add(offsetof(ConfigHeader, name), 16);
    add(offsetof(ConfigHeader, number), 4);
    add(offsetof(ConfigHeader, comment), 19);
    add(offsetof(ConfigHeader, shiftButton), 8);
    for (int b = 0; b < kBlockCount; ++b) {
        const size_t block = offsetof(Configuration, blocks) + b * sizeof(LayerBlock);
        add(block + offsetof(LayerBlock, levelPercent), 3 + 64);
        add(block + offsetof(LayerBlock, axisThresholds), 128);
        add(block + offsetof(LayerBlock, blockXStep), 8);  // steps and learnMask
        for (int e = 0; e < kEntriesPerBlock; ++e) {
            const size_t entry = block + offsetof(LayerBlock, entries) + e * sizeof(ControlEntry);
            add(entry + offsetof(ControlEntry, sensitivity), 3);  // with xStep, yStep
            add(entry + offsetof(ControlEntry, controlIndex), 1);
            add(entry + offsetof(ControlEntry, label), kLabelLength);
        }
    }
    return ranges;
}

TEST_F(ConfigSaveLoad, MissingFileChangesOnlyTheFieldsTheDefaultsWrite) {
    fillWithNoise(*rig.config, 50);
    const auto before = rig.snapshot();
    loadConfiguration(rig.context, "absent.cfg");
    EXPECT_EQ(rig.platform.log, std::vector<std::string>{kNotFound});

    const auto ranges = defaultFieldRanges();
    const char* now = bytesOf(*rig.config);
    const char* was = bytesOf(*before);
    size_t changed = 0;
    size_t range = 0;
    for (size_t i = 0; i < sizeof(Configuration); ++i) {
        if (now[i] == was[i]) continue;
        ++changed;
        while (range < ranges.size() && ranges[range].second <= i) ++range;
        ASSERT_TRUE(range < ranges.size() && ranges[range].first <= i) << "byte " << i;
    }
    EXPECT_GT(changed, 0u);
    EXPECT_STREQ(rig.config->blocks[9].entries[120].label, "option 120");
    EXPECT_EQ(rig.config->blocks[9].axisThresholds[3][1], 500);
}

TEST_F(ConfigSaveLoad, UnopenableFileLeavesTheRecordButStillRebuildsThresholds) {
    std::filesystem::create_directory("folder.cfg");
    writeBytes("locked.cfg", "\x00\x07", 2);
    for (const char* name : {"folder.cfg", "locked.cfg"}) {
        rig.files.failOpenForRead = std::string(name) == "locked.cfg";
        fillWithNoise(*rig.config, 60);
        auto expected = rig.snapshot();
        recomputeThresholds(*expected);
        rig.platform.clear();
        loadConfiguration(rig.context, name);
        EXPECT_EQ(rig.platform.log, std::vector<std::string>{kCannotOpen}) << name;
        EXPECT_TRUE(sameBytes(*rig.config, *expected)) << name;
    }
}

TEST_F(ConfigSaveLoad, FilesShorterThanTwoBytesAreRejectedAsTheWrongVersion) {
    writeBytes("empty.cfg", "", 0);
    writeBytes("zero.cfg", "\x00", 1);
    // Over a loaded record, whose version word would otherwise pass.
    for (const char* name : {"empty.cfg", "zero.cfg"}) {
        fillWithNoise(*rig.config, 70);
        rig.config->header.version = kConfigVersion;
        rig.platform.clear();
        loadConfiguration(rig.context, name);
        EXPECT_EQ(rig.platform.log, std::vector<std::string>{kWrongVersion}) << name;
        EXPECT_TRUE(sameBytes(*rig.config, *testing::makeDefaultConfiguration())) << name;
    }
}

// The question asked before a switch nobody waits on must name what the
// load itself would show, and leave the record as it is.
TEST_F(ConfigSaveLoad, ProblemOfAFileIsWhatItsLoadWouldShowAndTouchesNothing) {
    std::filesystem::create_directory("folder.cfg");
    writeBytes("locked.cfg", "\x00\x07", 2);
    writeBytes("zero.cfg", "\x00", 1);
    writeBytes("old.cfg", "\x00\x06", 2);
    writeBytes("good.cfg", "\x00\x07", 2);
    const struct {
        const char* name;
        const std::string& message;
    } cases[] = {{"absent.cfg", kNotFound},
                 {"folder.cfg", kCannotOpen},
                 {"locked.cfg", kCannotOpen},
                 {"zero.cfg", kWrongVersion},
                 {"old.cfg", kWrongVersion}};
    for (const auto& c : cases) {
        rig.files.failOpenForRead = std::string(c.name) == "locked.cfg";
        fillWithNoise(*rig.config, 90);
        const auto before = rig.snapshot();
        const char* problem = configFileProblem(rig.files, c.name, *rig.headerBuffer);
        ASSERT_NE(problem, nullptr) << c.name;
        EXPECT_TRUE(sameBytes(*rig.config, *before)) << c.name;
        rig.platform.clear();
        loadConfiguration(rig.context, c.name);
        EXPECT_EQ(
            rig.platform.log,
            std::vector<std::string>{"messageBox \"" + std::string(problem) + "\" \"ERROR!\" 0"})
            << c.name;
    }
    rig.files.failOpenForRead = false;
    EXPECT_EQ(configFileProblem(rig.files, "good.cfg", *rig.headerBuffer), nullptr);
}

TEST_F(ConfigSaveLoad, FileLongerThanTheRecordFillsItAndNoMore) {
    std::vector<char> file(sizeof(Configuration) + 4096);
    std::mt19937 random(80);
    for (char& c : file) c = static_cast<char>(random());
    file[0] = 0x00;
    file[1] = 0x07;
    writeBytes("huge.cfg", file.data(), file.size());
    loadConfiguration(rig.context, "huge.cfg");
    EXPECT_TRUE(rig.platform.log.empty());
    EXPECT_TRUE(sameBytes(*rig.config, *expectedAfterLoad(*rig.config, file)));
}

TEST_F(ConfigSaveLoad, RefusedOverwriteKeepsTheOldBytes) {
    writeBytes("mine.cfg", "old contents", 12);
    fillWithNoise(*rig.config, 90);
    rig.config->header.version = 0x1234;
    rig.platform.answers.push_back(MessageBoxAnswer::kNo);
    saveConfiguration(rig.context, "mine.cfg");
    EXPECT_EQ(rig.platform.log, std::vector<std::string>{kOverwrite});
    EXPECT_EQ(readBytes("mine.cfg"),
              (std::vector<char>{'o', 'l', 'd', ' ', 'c', 'o', 'n', 't', 'e', 'n', 't', 's'}));
    EXPECT_EQ(rig.config->header.version, 0x1234);
    EXPECT_TRUE(rig.files.created.empty());
    EXPECT_EQ(dir.names(), std::vector<std::string>{"mine.cfg"});

    rig.platform.clear();
    saveConfiguration(rig.context, "mine.cfg");  // answered Yes
    EXPECT_EQ(rig.platform.log, std::vector<std::string>{kOverwrite});
    EXPECT_EQ(readBytes("mine.cfg").size(), kLongFileLength);  // the rig has two joysticks
    EXPECT_EQ(dir.names(), std::vector<std::string>{"mine.cfg"});
}

TEST_F(ConfigSaveLoad, FailedSaveKeepsTheOldFileAndLeavesNoTemporary) {
    const std::vector<char> old = {'k', 'e', 'e', 'p'};
    struct Fault {
        const char* what;
        std::string message;
        void (*arm)(testing::FaultyFileSystem&);
    };
    const Fault faults[] = {
        {"short write", kCannotWrite, [](auto& f) { f.writeLimit = 100000; }},
        {"close", kCannotWrite, [](auto& f) { f.failClose = true; }},
        {"create", kCannotOpen, [](auto& f) { f.failCreate = true; }},
        {"replace", kCannotOpen, [](auto& f) { f.failReplace = true; }},
    };
    for (const Fault& fault : faults) {
        for (bool existing : {true, false}) {
            if (existing) writeBytes("target.cfg", old.data(), old.size());
            testing::FaultyFileSystem faulty(rig.disk);
            fault.arm(faulty);
            ConfigFileContext faultyContext{
                *rig.config,  *rig.functionKeys, *rig.fileList, *rig.headerBuffer,
                *rig.devices, rig.platform,      faulty};
            rig.platform.clear();
            saveConfiguration(faultyContext, "target.cfg");
            std::vector<std::string> expectedLog;
            if (existing) expectedLog.push_back(kOverwrite);
            expectedLog.push_back(fault.message);
            EXPECT_EQ(rig.platform.log, expectedLog) << fault.what;
            if (existing) {
                EXPECT_EQ(readBytes("target.cfg"), old) << fault.what;
                EXPECT_EQ(dir.names(), std::vector<std::string>{"target.cfg"}) << fault.what;
                std::filesystem::remove("target.cfg");
            } else {
                EXPECT_TRUE(dir.names().empty()) << fault.what;
            }
        }
    }
}

TEST_F(ConfigSaveLoad, ReadOnlyTargetIsKeptAndReportedAsNotOpenable) {
    writeBytes("locked.cfg", "old", 3);
    std::filesystem::permissions("locked.cfg", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    saveConfiguration(rig.context, "locked.cfg");
    EXPECT_EQ(rig.platform.log, (std::vector<std::string>{kOverwrite, kCannotOpen}));
    EXPECT_EQ(readBytes("locked.cfg"), (std::vector<char>{'o', 'l', 'd'}));
    EXPECT_EQ(dir.names(), std::vector<std::string>{"locked.cfg"});
    std::filesystem::permissions("locked.cfg", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
}

TEST_F(ConfigSaveLoad, SavingOverADirectoryFailsAndKeepsIt) {
    std::filesystem::create_directory("folder.cfg");
    saveConfiguration(rig.context, "folder.cfg");
    EXPECT_EQ(rig.platform.log, (std::vector<std::string>{kOverwrite, kCannotOpen}));
    EXPECT_TRUE(std::filesystem::is_directory("folder.cfg"));
    EXPECT_EQ(dir.names(), std::vector<std::string>{"folder.cfg"});
}

}  // namespace
}  // namespace tarvik
