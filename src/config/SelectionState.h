#pragma once
// What the configuration window shows and edits. It outlives the window, so
// a window opened again shows the same block and control; control learning
// writes it too.

namespace tarvik {

struct SelectionState {
    int currentBlock = 8;  // 0..13 a block, 14 the common page
    int currentEntry = 0;
    int currentControl = 0;  // 0 common, 1..32 buttons, 33..48 axis directions, 81..88 hat sectors
    int currentLevel = 0;    // 0..2
    int currentPov = 0;      // 0..2
};

// The entry a selection designates.
constexpr int entryForSelection(int control, int level, int pov) {
    if (control >= 33 && control <= 48) return control + 16 * level;
    if (control >= 81 && control <= 104) return control + 8 * pov;
    return control;
}

inline void deriveCurrentEntry(SelectionState& s) {
    s.currentEntry = entryForSelection(s.currentControl, s.currentLevel, s.currentPov);
}

}  // namespace tarvik
