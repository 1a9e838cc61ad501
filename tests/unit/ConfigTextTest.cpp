// The configuration text: round trips over the demo configuration and over
// a record that uses every kind of field, and one error per kind of bad
// input, each with its line.

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>

#include "DemoConfigText.h"
#include "config/text/ConfigText.h"

namespace tarvik {
namespace {

std::unique_ptr<Configuration> baselineRecord() {
    auto config = std::make_unique<Configuration>();
    makeTextBaseline(*config);
    return config;
}

std::unique_ptr<Configuration> readText(const std::string& text) {
    auto config = baselineRecord();
    const std::optional<TextError> error = readConfigurationText(text, *config);
    EXPECT_FALSE(error) << "line " << error->line << ": " << error->message;
    return config;
}

// Text, record, text: the record must come back byte for byte and its text
// unchanged.
void expectRoundTrip(const Configuration& record, bool runtime) {
    const std::string text = formatConfiguration(record, runtime);
    const auto again = readText(text);
    EXPECT_EQ(formatConfiguration(*again, runtime), text);
    EXPECT_EQ(std::memcmp(again.get(), &record, sizeof record), 0) << text;
    EXPECT_EQ(diffConfigurations(record, *again, runtime), "");
}

// Text as the text reader stores it: zeros after the terminator.
template <size_t Size>
void setText(char (&field)[Size], const char* text) {
    std::memset(field, 0, Size);
    std::strcpy(field, text);
}

struct Key {
    uint16_t word;
    uint16_t scan;
    char character;
};

// Keys as a canonical record holds them: zeros after the last, the count
// and the last key word kept as the window keeps them.
void setKeys(ControlEntry& entry, std::initializer_list<Key> keys) {
    int n = 0;
    for (const Key& key : keys) {
        entry.keyCodes[n] = key.word;
        entry.scanCodes[n] = key.scan;
        entry.keyText[n] = key.character;
        entry.lastKeyCode = key.word;
        ++n;
    }
    entry.keyCount = static_cast<uint8_t>(n);
}

TEST(ConfigText, DemoTextHoldsTheDemoAndRoundTrips) {
    const auto demo = readText(kDemoConfigText);
    // What a standard keyboard records for these keys: the builder that
    // made the demo before asked the system for the same scan codes.
    const ControlEntry& hello = demo->blocks[0].entries[1];
    EXPECT_STREQ(hello.keyText, "Hello");
    EXPECT_EQ(hello.keyCodes[0], KeyWord::kShift | 'H');
    EXPECT_EQ(hello.scanCodes[0], 0x23);
    EXPECT_EQ(hello.scanCodes[4], 0x18);
    EXPECT_EQ(hello.keyCount, 5);
    EXPECT_EQ(hello.autoRelease, 1);
    EXPECT_STREQ(demo->blocks[0].entries[3].keyText, "!");
    const ControlEntry& up = demo->blocks[0].entries[EntryIndex::pov(0, 0)];
    EXPECT_EQ(up.keyCodes[0], 38);
    EXPECT_EQ(up.scanCodes[0], 0x48 | ScanWord::kExtended);
    EXPECT_EQ(up.keyText[0], kNoCharacterPlaceholder);
    EXPECT_EQ(demo->header.shiftButton, 11u);
    EXPECT_EQ(demo->header.shiftDevice, 0u);
    EXPECT_EQ(lastBlockInUse(*demo), 1);
    expectRoundTrip(*demo, false);
}

TEST(ConfigText, EveryKindOfFieldRoundTrips) {
    auto record = baselineRecord();
    ConfigHeader& h = record->header;
    setText(h.name, "quote \" backslash \\ tab \t umlaut \xE4");
    h.number = 4294967295u;
    setText(h.autostartPath, "C:\\tools\\run me.exe");
    h.autostart = 1;
    setText(h.comment, "two\r\nlines");
    h.shiftDevice = 2;
    h.shiftButton = 32;

    LayerBlock& block = record->blocks[3];
    const uint8_t levels[3] = {10, 20, 99};
    std::memcpy(block.levelPercent, levels, 3);
    block.directionPercent[5][3] = 7;
    block.blockXStep = 65535;
    block.blockYStep = 1;
    block.learnMask = 5;
    block.blockDelayMs = -3;
    block.blockAutoRelease = 1;
    block.singleSensitivity = 2;
    block.previousButtons[7] = 0x80;
    block.activeAxisEntries[3][2] = 68;
    block.activePovEntries[1] = 90;

    // Every flag at 1 in one entry, at other values in another.
    ControlEntry& all = block.entries[EntryIndex::button(0)];
    for (uint8_t* flag :
         {&all.withShift, &all.withCtrl, &all.withAlt, &all.startProgram, &all.openStringInput,
          &all.sendKeys, &all.mouseAction, &all.toggleLock, &all.autoRepeat, &all.autoRelease,
          &all.switchProgram, &all.dynamicStep, &all.centred, &all.fSelect}) {
        *flag = 1;
    }
    setText(all.programPath, "D:\\games\\launch.bat");
    setText(all.label, "everything");
    all.delayMs = 2147483647;
    all.xStep = 255;
    all.yStep = 0;
    all.responseCurve = 2;
    ControlEntry& odd = block.entries[EntryIndex::axis(2, 15)];
    odd.withShift = 2;
    odd.sendKeys = 255;
    odd.sensitivity = 250;
    odd.controlIndex = 7;
    odd.responseCurve = 200;  // a curve of a later version, kept by number
    // Keys by list name, letter, digit, punctuation and code, with every
    // modifier, and with scan codes and characters of another keyboard.
    setKeys(odd, {{KeyWord::kShift | 'A', 0x1E, 'A'},
                  {KeyWord::kCtrl | KeyWord::kAlt | 13, 0x1C, '\r'},
                  {37, 0x4B, kNoCharacterPlaceholder},
                  {'Z', 0x15, 'z'},
                  {0xBC, 0x33, ','},
                  {0xBC, 0x33, '\''},
                  {0x07, 0x00, kNoCharacterPlaceholder},
                  {KeyWord::kShift | '7', 0x08, '/'}});
    // Every mouse action of the list and a code it lacks, one hat 3 entry
    // and one entry of no control, in a block only a long file holds and in
    // one only the whole record holds.
    const uint8_t codes[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  28, 38, 9,  10, 30,
                             40, 11, 12, 32, 42, 13, 14, 15, 16, 17, 18, 50, 51, 19};
    for (size_t i = 0; i < sizeof codes; ++i) {
        ControlEntry& entry = record->blocks[6].entries[EntryIndex::button(static_cast<int>(i))];
        entry.mouseAction = 1;
        entry.mouseActionCode = codes[i];
    }
    record->blocks[13].entries[EntryIndex::pov(3, 7)].openStringInput = 1;
    record->blocks[13].entries[150].switchProgram = 1;

    expectRoundTrip(*record, true);
    EXPECT_EQ(lastBlockInUse(*record), 13);
    // Without --runtime the run-time memory is neither shown nor read back.
    const std::string shown = formatConfiguration(*record, false);
    EXPECT_EQ(shown.find("held"), std::string::npos);
    EXPECT_NE(shown.find("curve: curve 2"), std::string::npos) << shown;
    EXPECT_NE(shown.find("keys: SHIFT+A, CTRL+ALT+return (char 0x0D), left (scan 0x4B), "
                         "Z (scan 0x15), oem comma, oem comma (char 0x27), vk 0x07, "
                         "SHIFT+7 (char '/')"),
              std::string::npos)
        << shown;
    EXPECT_NE(shown.find("mouse action: previous configuration"), std::string::npos);
}

struct BadInput {
    const char* name;
    const char* text;
    int line;
    const char* message;
};

class ConfigTextBadInput : public ::testing::TestWithParam<BadInput> {};

TEST_P(ConfigTextBadInput, IsRejectedWithItsLine) {
    auto config = baselineRecord();
    const std::optional<TextError> error = readConfigurationText(GetParam().text, *config);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->line, GetParam().line);
    EXPECT_NE(error->message.find(GetParam().message), std::string::npos) << error->message;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ConfigTextBadInput,
    ::testing::Values(
        BadInput{"UnknownKey", "block 0\n  button 1\n    keys: A, frobnicate\n", 3, "unknown key"},
        BadInput{"UnknownControl", "block 0\n# a comment\n  knob 3\n", 3, "unknown control"},
        BadInput{"UnknownMouseAction", "block 2\nhat 1 west\nmouse action: jump\n", 3,
                 "unknown mouse action"},
        BadInput{"UnknownCurve", "block 1\nX+ level 1\ncurve: steep\n", 3, "unknown curve"},
        BadInput{"UnknownField", "name: \"x\"\ncolour: \"red\"\n", 2, "unknown header field"},
        BadInput{"UnknownFlag", "block 0\nbutton 2\nflags: text, loud\n", 3, "unknown flag"},
        BadInput{"BlockOutOfRange", "\n\nblock 14\n", 3, "block out of range 0..13"},
        BadInput{"ButtonOutOfRange", "block 0\nbutton 33\n", 2, "button out of range 1..32"},
        BadInput{"LevelOutOfRange", "block 0\nS2- level 4\n", 2, "level out of range 1..3"},
        BadInput{"HatOutOfRange", "block 0\nhat 4 north\n", 2, "hat out of range 0..3"},
        BadInput{"ShiftButtonOutOfRange", "shift button: 33\n", 1, "out of range 1..32"},
        BadInput{"TextTooLong",
                 "block 0\nbutton 1\nlabel: \"0123456789012345678901234567890123"
                 "456789012345678901234\"\n",
                 3, "text longer than 49 characters"},
        BadInput{"TooManyKeys",
                 "block 0\nbutton 1\nkeys: A, A, A, A, A, A, A, A, A, A, A, A, A, A, A, A, A, A, "
                 "A, A, A, A, A, A, A, A, A, A, A, A, A, A, A, A, A, A, A, A, A, A, A, A, A, A, "
                 "A, A, A, A, A, A\n",
                 3, "more than 49 keys"},
        BadInput{"NumberOutOfRange", "block 0\nbutton 1\nX-step: 256\n", 3,
                 "number out of range 0..255"},
        BadInput{"NegativeNumber", "number: -1\n", 1, "number out of range 0..4294967295"},
        BadInput{"NotANumber", "block 0\ndelay: soon\n", 2, "expected a number"},
        BadInput{"UnquotedText", "comment: hello\n", 1, "double quotes"},
        BadInput{"ControlOutsideABlock", "button 1\n", 1, "under a \"block N\" line"}),
    [](const ::testing::TestParamInfo<BadInput>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarvik
