#include "ui/config/KeyRecording.h"

#include "config/ExtendedKeys.h"
#include "platform/Platform.h"

namespace tarvik {

namespace {

constexpr uint32_t kVkTab = 9;
constexpr uint32_t kVkShift = 16;
constexpr uint32_t kVkControl = 17;
constexpr uint32_t kExtendedKeyBit = 1u << 24;
constexpr uint32_t kExtendedPrefix = 0xE0;

uint16_t modifierBits(const KeyboardSnapshot& keyboard) {
    if (!keyboard.readable) return 0;
    uint16_t bits = 0;
    if (keyboard.shiftDown) bits |= KeyWord::kShift;
    if (keyboard.tabDown) bits |= KeyWord::kAlt;
    if (keyboard.ctrlDown) bits |= KeyWord::kCtrl;
    return bits;
}

void storeKey(ControlEntry& entry, uint16_t keyWord, uint16_t scanWord) {
    const int n = entry.keyCount;
    entry.lastKeyCode = keyWord;
    entry.keyCodes[n] = keyWord;
    entry.keyCodes[n + 1] = 0;
    entry.scanCodes[n] = scanWord;
    entry.scanCodes[n + 1] = 0;
    entry.keyCount = static_cast<uint8_t>(n + 1);
}

ControlEntry* recordingEntry(Configuration& config, const SelectionState& selection) {
    return canRecordKey(config, selection) ? currentEntryOf(config, selection) : nullptr;
}

// Whether keyText[n] of the current entry holds a character typed for the
// key released now.
bool ownPendingCharacter(const KeyRecordingState& state, const SelectionState& selection,
                         const ControlEntry& entry, int n) {
    return state.charPending && state.pendingBlock == selection.currentBlock &&
           state.pendingEntry == selection.currentEntry && state.pendingIndex == n &&
           entry.keyText[n] != '\0';
}

}  // namespace

bool canRecordKey(const Configuration& config, const SelectionState& selection) {
    const ControlEntry* entry = currentEntryOf(config, selection);
    return entry && selection.currentEntry > 0 && entry->keyCount < kMaxRecordedKeys;
}

FollowUp recordKeyRelease(Configuration& config, const SelectionState& selection,
                          KeyRecordingState& state, uint32_t virtualKey, uint32_t keyParam,
                          const KeyboardSnapshot& keyboard) {
    ControlEntry* entry = recordingEntry(config, selection);
    if (!entry) return {};
    if (virtualKey == kVkShift || virtualKey == kVkControl || virtualKey == kVkTab) return {};

    uint16_t keyWord = static_cast<uint16_t>(virtualKey & KeyWord::kVirtualKeyMask);
    keyWord |= modifierBits(keyboard);
    if (keyboard.readable && (keyParam & kExtendedKeyBit)) keyWord |= KeyWord::kExtended;

    entry->sendKeys = 1;
    const int n = entry->keyCount;
    if (!ownPendingCharacter(state, selection, *entry, n)) {
        entry->keyText[n] = kNoCharacterPlaceholder;
        entry->keyText[n + 1] = '\0';
    }
    state.charPending = false;
    storeKey(*entry, keyWord, static_cast<uint16_t>(keyParam >> 16));
    return FollowUp::paint();
}

void recordCharacter(Configuration& config, const SelectionState& selection,
                     KeyRecordingState& state, char character) {
    ControlEntry* entry = recordingEntry(config, selection);
    if (!entry) return;
    const int n = entry->keyCount;
    entry->keyText[n] = character == '\0' ? kNoCharacterPlaceholder : character;
    entry->keyText[n + 1] = '\0';
    state.charPending = true;
    state.pendingBlock = selection.currentBlock;
    state.pendingEntry = selection.currentEntry;
    state.pendingIndex = n;
}

FollowUp appendKeyFromList(Configuration& config, const SelectionState& selection, intptr_t datum,
                           const KeyboardSnapshot& keyboard, Platform& platform) {
    ControlEntry* entry = recordingEntry(config, selection);
    if (!entry) return {};
    const uint32_t virtualKey = static_cast<uint32_t>(datum) & KeyWord::kVirtualKeyMask;
    const uint16_t keyWord = static_cast<uint16_t>(virtualKey | modifierBits(keyboard));
    const int n = entry->keyCount;
    entry->keyText[n] = kNoCharacterPlaceholder;
    entry->keyText[n + 1] = '\0';
    entry->sendKeys = 1;
    // The list knows no pad: a cursor or editing key is the one with the
    // extended prefix, else a game reading scan codes would see the numeric
    // pad's key, and the right CTRL and ALT the left ones. Not every system
    // reports the prefix (Wine does not), so the key itself says so too.
    const uint32_t scan = platform.mapVirtualKeyToExtendedScanCode(virtualKey);
    uint16_t scanWord = static_cast<uint16_t>(scan & ScanWord::kScanCodeMask);
    if (((scan >> 8) & 0xFF) == kExtendedPrefix || extendedInKeyList(virtualKey)) {
        scanWord |= ScanWord::kExtended;
    }
    storeKey(*entry, keyWord, scanWord);
    return FollowUp::paint();
}

FollowUp clearKeys(Configuration& config, const SelectionState& selection) {
    ControlEntry* entry = currentEntryOf(config, selection);
    if (!entry) return {};
    entry->sendKeys = 0;
    entry->keyCount = 0;
    entry->keyText[0] = '\0';
    entry->lastKeyCode = 0;
    entry->keyCodes[0] = 0;
    entry->scanCodes[0] = 0;
    return FollowUp::paint();
}

}  // namespace tarvik
