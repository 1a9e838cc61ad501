// Key recording takes whatever the window's key messages carry and writes
// it into an entry whose key fields may come from any loaded file. An input
// is a sequence of messages with arbitrary parameters; after each one the
// entry must keep its key count in bounds, and nothing outside the key
// fields of that entry (its other fields, its neighbours, the block part)
// may have changed. Whatever asks for a repaint is planned as the window
// would paint it, and at the end the engine presses and releases the entry,
// reading the keys as it sends them.
//
// Layout: the selected block (byte, 14 is the common page) and entry
// (byte), the entry's loaded key state (key count, fill byte of its key
// arrays), then up to 64 messages of 9 bytes: kind, wParam (32-bit),
// lParam (32-bit). Kinds: key release (also what a system key release
// becomes when the window records it), character, key-list pick, "clear",
// and a new selection whose entry starts with the key count and fill byte
// taken from wParam's second and third byte.

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "InputReader.h"
#include "QuietPlatform.h"
#include "config/Defaults.h"
#include "engine/ActionExecution.h"
#include "ui/config/KeyRecording.h"
#include "ui/config/PagePaintRules.h"

namespace tarvik::fuzz {
namespace {

constexpr int kMaxMessages = 64;
constexpr int kMaxVisited = kMaxMessages + 1;

Configuration config;
Configuration pristine;
QuietPlatform platform;
const DeviceOverview overview{2, {}};
FunctionKeyTable functionKeys;
DeviceTable devices;

// Entries the previous input selected, put back before the next one.
struct Visited {
    int block;
    int entry;
};
Visited visited[kMaxVisited];
int visitedCount = 0;

void restoreVisited() {
    for (int i = 0; i < visitedCount; ++i) {
        const Visited& v = visited[i];
        if (v.block >= kBlockCount) continue;
        LayerBlock& block = config.blocks[v.block];
        const LayerBlock& clean = pristine.blocks[v.block];
        std::memcpy(&block, &clean, offsetof(LayerBlock, entries));
        const int first = v.entry > 0 ? v.entry - 1 : 0;
        const int last = v.entry + 1 < kEntriesPerBlock ? v.entry + 1 : v.entry;
        for (int e = first; e <= last; ++e) block.entries[e] = clean.entries[e];
    }
    visitedCount = 0;
}

// A loaded file may hold any key count and any bytes in the key arrays,
// terminated or not.
void select(SelectionState& selection, int block, int entry, uint8_t keyCount, uint8_t fill) {
    selection.currentBlock = block;
    selection.currentControl = entry;
    selection.currentEntry = entry;
    visited[visitedCount++] = {block, entry};
    if (block >= kBlockCount) return;
    ControlEntry& e = config.blocks[block].entries[entry];
    e.keyCount = keyCount;
    std::memset(e.keyText, fill, sizeof e.keyText);
    for (uint16_t& code : e.keyCodes) code = static_cast<uint16_t>(fill * 0x101);
    for (uint16_t& code : e.scanCodes) code = static_cast<uint16_t>(fill * 0x101);
}

bool keyField(size_t offset) {
    const auto inside = [offset](size_t begin, size_t size) {
        return offset >= begin && offset < begin + size;
    };
    return inside(offsetof(ControlEntry, sendKeys), 1) ||
           inside(offsetof(ControlEntry, keyCount), 1) ||
           inside(offsetof(ControlEntry, lastKeyCode), 2) ||
           inside(offsetof(ControlEntry, keyCodes), sizeof(ControlEntry::keyCodes)) ||
           inside(offsetof(ControlEntry, scanCodes), sizeof(ControlEntry::scanCodes)) ||
           inside(offsetof(ControlEntry, keyText), sizeof(ControlEntry::keyText));
}

// What a message may touch and what it must keep, taken before it.
struct Guard {
    LayerBlock* block = nullptr;
    int entry = 0;
    uint8_t blockPart[offsetof(LayerBlock, entries)];
    ControlEntry around[3];
    uint8_t keyCountBefore = 0;

    void take(const SelectionState& s) {
        block = s.currentBlock < kBlockCount ? &config.blocks[s.currentBlock] : nullptr;
        if (block == nullptr) return;
        entry = s.currentEntry;
        std::memcpy(blockPart, block, sizeof blockPart);
        for (int i = 0; i < 3; ++i) around[i] = block->entries[neighbour(i)];
        keyCountBefore = block->entries[entry].keyCount;
    }

    void check() const {
        if (block == nullptr) return;
        if (std::memcmp(blockPart, block, sizeof blockPart) != 0) std::abort();
        for (int i = 0; i < 3; ++i) {
            const int e = neighbour(i);
            const auto* before = reinterpret_cast<const uint8_t*>(&around[i]);
            const auto* after = reinterpret_cast<const uint8_t*>(&block->entries[e]);
            for (size_t b = 0; b < sizeof(ControlEntry); ++b) {
                if (before[b] != after[b] && (e != entry || !keyField(b))) std::abort();
            }
        }
        const uint8_t count = block->entries[entry].keyCount;
        if (keyCountBefore <= kMaxRecordedKeys && count > kMaxRecordedKeys) std::abort();
        if (keyCountBefore > kMaxRecordedKeys && count != keyCountBefore && count != 0) {
            std::abort();
        }
    }

    // The entry before, the entry itself and the one after; at the edges
    // of the block the entry itself stands in for the missing neighbour.
    int neighbour(int i) const {
        const int e = entry - 1 + i;
        return e < 0 || e >= kEntriesPerBlock ? entry : e;
    }
};

void paintIfAsked(const FollowUp& followUp, SelectionState& selection, PaintMemory& memory) {
    if (followUp.pagePaint) planPagePaint(config, selection, memory, overview);
}

void pressAndRelease(const SelectionState& selection) {
    ControlEntry* entry = currentEntryOf(config, selection);
    if (entry == nullptr) return;
    EngineState state;
    NoWindows windows;
    SyntheticInput input(platform, state, devices);
    ActionExecution actions({input, state, functionKeys, devices, platform, windows});
    actions.executeAction(selection.currentBlock, *entry, ActionMode::kPress);
    actions.executeAction(selection.currentBlock, *entry, ActionMode::kRelease);
}

KeyboardSnapshot keyboardFrom(uint8_t kind) {
    return {(kind & 0x10) != 0, (kind & 0x20) != 0, (kind & 0x40) != 0, (kind & 0x80) != 0};
}

}  // namespace
}  // namespace tarvik::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    using namespace tarvik;
    writeRecordDefaults(fuzz::pristine);
    fuzz::config = fuzz::pristine;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tarvik;
    using namespace tarvik::fuzz;
    restoreVisited();
    InputReader in(data, size);
    SelectionState selection;
    KeyRecordingState state;
    PaintMemory memory;
    {
        const int block = in.byte() % (kBlockCount + 1);
        const int entry = in.byte() % kEntriesPerBlock;
        const uint8_t keyCount = in.byte();
        select(selection, block, entry, keyCount, in.byte());
    }
    for (int m = 0; m < kMaxMessages && in.remaining() > 0; ++m) {
        const uint8_t kind = in.byte();
        const uint32_t wParam = in.read<uint32_t>();
        const uint32_t lParam = in.read<uint32_t>();
        Guard guard;
        guard.take(selection);
        switch (kind % 5) {
            case 0:
                paintIfAsked(
                    recordKeyRelease(config, selection, state, wParam, lParam, keyboardFrom(kind)),
                    selection, memory);
                break;
            case 1:
                recordCharacter(config, selection, state, static_cast<char>(wParam));
                break;
            case 2:
                paintIfAsked(appendKeyFromList(config, selection, static_cast<int32_t>(wParam),
                                               keyboardFrom(kind), platform),
                             selection, memory);
                break;
            case 3:
                paintIfAsked(clearKeys(config, selection), selection, memory);
                break;
            case 4:
                // A click elsewhere; charPending survives it, as in the window.
                select(selection, (wParam & 0xFF) % (kBlockCount + 1),
                       ((wParam >> 8) & 0xFF) % kEntriesPerBlock,
                       static_cast<uint8_t>(wParam >> 16), static_cast<uint8_t>(wParam >> 24));
                continue;
        }
        guard.check();
    }
    pressAndRelease(selection);
    return 0;
}
