#include "engine/text_input/TextInputStep.h"

#include <algorithm>
#include <cstring>

namespace tarvik {

namespace {

constexpr uint32_t kMovePauseMs = 100;
constexpr uint32_t kExitPauseMs = 500;

constexpr uint32_t kNoKey = 0xFFFFFFFFu;
constexpr uint32_t kKeyDown = 0;
constexpr uint32_t kKeyUp = KeyFlags::kKeyUp;

struct Modifier {
    uint32_t oemBit;
    uint16_t virtualKey;
};
// Pressed in this order and released in the same order.
constexpr Modifier kModifiers[] = {
    {1u << 16, 0x10},  // SHIFT
    {1u << 17, 0x11},  // CTRL
    {1u << 18, 0x12},  // ALT
};

// Entries 33..36 at the first level: X+, X-, Y+, Y-. The device's X grows to
// the right and its Y downwards, like the grid.
bool movementFor(int entry, int& dc, int& dr) {
    dc = dr = 0;
    switch (firstLevelEntry(entry)) {
        case 33:
            dc = 1;
            return true;
        case 34:
            dc = -1;
            return true;
        case 35:
            dr = 1;
            return true;
        case 36:
            dr = -1;
            return true;
        default:
            return false;
    }
}

void moveCursor(TextInputContext& context, SelectionState& selection, int dc, int dr) {
    TextInputState& s = context.state;
    // Past an edge the highlight is still redrawn in place.
    context.view.invertHighlight(s.cursorColumn, s.cursorRow);
    s.cursorColumn = std::clamp(s.cursorColumn + dc, 0, kGridColumns - 1);
    s.cursorRow = std::clamp(s.cursorRow + dr, 0, kExitRow);
    context.view.invertHighlight(s.cursorColumn, s.cursorRow);
    context.platform.sleepMs(kMovePauseMs);
    selection.currentEntry = 0;
    selection.currentControl = 0;
}

void sendModifiers(TextInputContext& context, uint32_t shiftState, uint32_t flags) {
    for (const Modifier& m : kModifiers) {
        if ((shiftState & m.oemBit) == 0) continue;
        const auto scan =
            static_cast<uint16_t>(context.platform.mapVirtualKeyToScanCode(m.virtualKey));
        context.keys.sendKeyEvent(0, m.virtualKey, scan, flags);
    }
}

void typeCode(TextInputContext& context, uint8_t code) {
    const uint32_t keyScan = context.platform.oemKeyScan(code);
    if (keyScan == kNoKey) return;
    // Only the low byte: a scan code, never marked as an extended key.
    const auto scan = static_cast<uint16_t>(keyScan & 0xFF);
    const auto virtualKey =
        static_cast<uint16_t>(context.platform.mapScanCodeToVirtualKey(scan) & 0xFF);
    sendModifiers(context, keyScan, kKeyDown);
    context.keys.sendKeyEvent(0, virtualKey, scan, kKeyDown);
    context.keys.sendKeyEvent(0, virtualKey, scan, kKeyUp);
    sendModifiers(context, keyScan, kKeyUp);
}

void echo(TextInputContext& context, uint8_t code) {
    uint8_t* line = context.state.echoLine;
    std::memmove(line, line + 1, kEchoLength - 1);
    line[kEchoLength - 1] = code;
    context.view.drawEchoBox(context.state.echoLine);
}

bool isButtonEntry(int entry) {
    return entry >= EntryIndex::kFirstButton &&
           entry < EntryIndex::kFirstButton + EntryIndex::kButtons;
}

}  // namespace

TextInputOutcome stringInputStep(TextInputContext& context, SelectionState& selection) {
    int dc = 0;
    int dr = 0;
    if (movementFor(selection.currentEntry, dc, dr)) {
        moveCursor(context, selection, dc, dr);
        return TextInputOutcome::kOpen;
    }
    if (!isButtonEntry(selection.currentEntry)) return TextInputOutcome::kOpen;

    TextInputState& s = context.state;
    if (s.cursorRow == kExitRow) {
        context.view.destroyWindow();
        context.platform.sleepMs(kExitPauseMs);
        return TextInputOutcome::kClosed;
    }
    const uint8_t code = cellCode(s.cursorColumn, s.cursorRow);
    typeCode(context, code);
    echo(context, code);  // also a character without a key
    return TextInputOutcome::kOpen;
}

TextInputOutcome serveTextInput(LearningContext& learning, TextInputContext& context,
                                int stringBlock) {
    const int before = learning.selection.currentControl;
    detectControl(learning, stringBlock);
    if (learning.selection.currentControl == before) return TextInputOutcome::kOpen;
    return stringInputStep(context, learning.selection);
}

}  // namespace tarvik
