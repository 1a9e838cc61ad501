#include <gtest/gtest.h>

#include "fakes/ConfigFixtures.h"
#include "fakes/RecordingPlatform.h"
#include "ui/config/KeyRecording.h"

namespace tarvik {
namespace {

constexpr uint32_t kA = 0x41;
constexpr uint32_t kF1 = 0x70;

// The parameter of a key-up message: scan code, extended bit, release flags.
uint32_t keyUpParam(uint32_t scan, bool extended = false) {
    return 0xC0000001u | (scan << 16) | (extended ? 1u << 24 : 0);
}

class KeyRecording : public ::testing::Test {
  protected:
    std::unique_ptr<Configuration> config = testing::makeDefaultConfiguration();
    SelectionState s;
    KeyRecordingState state;
    KeyboardSnapshot plain{true, false, false, false};
    testing::RecordingPlatform platform;

    void SetUp() override {
        s.currentBlock = 1;
        s.currentControl = 4;
        deriveCurrentEntry(s);
    }
    ControlEntry& entry() { return config->blocks[1].entries[4]; }

    // A typed key: its character (if any) then its release.
    FollowUp type(uint32_t vk, uint32_t scan, char ch, const KeyboardSnapshot& kb,
                  bool extended = false) {
        if (ch) recordCharacter(*config, s, state, ch);
        return recordKeyRelease(*config, s, state, vk, keyUpParam(scan, extended), kb);
    }
};

TEST_F(KeyRecording, ShiftedLetterAndBareFunctionKey) {
    const FollowUp f = type(kA, 0x1E, 'A', {true, true, false, false});
    EXPECT_TRUE(f.pagePaint);
    type(kF1, 0x3B, 0, plain);
    const ControlEntry& e = entry();
    EXPECT_EQ(e.keyCount, 2);
    EXPECT_EQ(e.sendKeys, 1);
    EXPECT_EQ(e.keyCodes[0], 0x141);
    EXPECT_EQ(e.keyText[0], 'A');
    EXPECT_EQ(e.keyCodes[1], 0x70);
    EXPECT_EQ(e.keyText[1], kNoCharacterPlaceholder);
    EXPECT_EQ(e.keyText[2], '\0');
    EXPECT_EQ(e.scanCodes[0], 0xC01E);  // the whole high word as received
    EXPECT_EQ(e.keyCodes[2], 0);
    EXPECT_EQ(e.lastKeyCode, 0x70);
}

TEST_F(KeyRecording, TabStandsForAltAndModifierReleasesAreNoKeys) {
    type(kA, 0x1E, 'a', {true, false, true, false});
    EXPECT_EQ(entry().keyCodes[0], 0x241);
    for (uint32_t vk : {16u, 17u, 9u}) {
        EXPECT_FALSE(recordKeyRelease(*config, s, state, vk, keyUpParam(0x2A), plain).pagePaint);
    }
    EXPECT_EQ(entry().keyCount, 1);
    type(kA, 0x1E, 'a', {true, false, false, true});
    EXPECT_EQ(entry().keyCodes[1], 0x441);
}

TEST_F(KeyRecording, TabAloneLeavesItsCharacterForTheNextKey) {
    type(9, 0x0F, '\t', plain);  // its release is ignored
    EXPECT_EQ(entry().keyCount, 0);
    EXPECT_TRUE(state.charPending);
    EXPECT_EQ(entry().keyText[0], '\t');
    type(kF1, 0x3B, 0, plain);
    EXPECT_EQ(entry().keyCount, 1);
    EXPECT_EQ(entry().keyText[0], '\t');
    EXPECT_EQ(entry().keyCodes[0], 0x70);
    EXPECT_FALSE(state.charPending);
}

TEST_F(KeyRecording, ExtendedBitOnlyFromTheKeyboardAndOnlyWhenStateIsReadable) {
    type(0x25, 0x4B, 0, plain, true);  // cursor left
    EXPECT_EQ(entry().keyCodes[0], 0x825);
    EXPECT_EQ(entry().scanCodes[0] & 0x1FF, 0x14B);
    type(0x25, 0x4B, 0, {false, true, true, true}, true);
    EXPECT_EQ(entry().keyCodes[1], 0x25);
    appendKeyFromList(*config, s, 0x25, {true, true, false, false}, platform);
    EXPECT_EQ(entry().keyCodes[2], 0x125);
    // A pick from the list is the key with the extended prefix, never the pad's.
    EXPECT_EQ(entry().scanCodes[2], 0x14B);
    EXPECT_EQ(entry().keyText[2], kNoCharacterPlaceholder);
    appendKeyFromList(*config, s, 0x27, plain, platform);
    EXPECT_EQ(entry().scanCodes[3], 0x14D);
    appendKeyFromList(*config, s, 0x70, plain, platform);
    EXPECT_EQ(entry().scanCodes[4], platform.mapVirtualKeyToScanCode(0x70));
}

TEST_F(KeyRecording, FortyNineKeysAtMostAndOnlyOnAnEntry) {
    for (int i = 0; i < 49; ++i) type(kA, 0x1E, 'a', plain);
    EXPECT_EQ(entry().keyCount, 49);
    EXPECT_FALSE(type(kA, 0x1E, 'b', plain).pagePaint);
    EXPECT_FALSE(appendKeyFromList(*config, s, 0x70, plain, platform).pagePaint);
    EXPECT_EQ(entry().keyCount, 49);
    EXPECT_EQ(entry().keyText[49], '\0');
    EXPECT_EQ(entry().keyText[48], 'a');

    // A file may hold any count; recording must not write past the arrays.
    entry().keyCount = 200;
    EXPECT_FALSE(type(kA, 0x1E, 'a', plain).pagePaint);

    s.currentControl = 0;
    deriveCurrentEntry(s);
    EXPECT_FALSE(type(kA, 0x1E, 'a', plain).pagePaint);
    EXPECT_EQ(config->blocks[1].entries[0].keyCount, 0);
    s.currentBlock = kCommonPage;
    s.currentControl = 4;
    deriveCurrentEntry(s);
    EXPECT_FALSE(type(kA, 0x1E, 'a', plain).pagePaint);
}

TEST_F(KeyRecording, ClearZeroesOnlyTheFirstElementsThenANewKeyStartsAtZero) {
    type(kA, 0x1E, 'a', plain);
    type(kF1, 0x3B, 0, plain);
    EXPECT_TRUE(clearKeys(*config, s).pagePaint);
    EXPECT_EQ(entry().keyCount, 0);
    EXPECT_EQ(entry().sendKeys, 0);
    EXPECT_EQ(entry().keyText[0], '\0');
    EXPECT_EQ(entry().keyCodes[1], 0x70);  // left as it was
    type(0x42, 0x30, 'b', plain);
    EXPECT_EQ(entry().keyCodes[0], 0x42);
    EXPECT_EQ(entry().keyCodes[1], 0);
    EXPECT_EQ(entry().scanCodes[1], 0);
    EXPECT_STREQ(entry().keyText, "b");
}

}  // namespace
}  // namespace tarvik
