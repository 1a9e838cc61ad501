#pragma once
// The text-input window's cursor and echo line: one instance per process,
// written only on the polling thread.

#include <cstdint>

namespace tarvik {

constexpr int kGridColumns = 16;
constexpr int kGridRows = 8;
constexpr int kExitRow = 8;  // the row below the grid: the "exit" button
constexpr int kEchoLength = 20;

struct TextInputState {
    int cursorColumn = 0;  // 0..15
    int cursorRow = 0;     // 0..8, 8 is the exit row
    // The last chosen codes, oldest first; 0 marks an empty slot.
    uint8_t echoLine[kEchoLength] = {};
};

// The character a grid cell stands for.
constexpr uint8_t cellCode(int column, int row) {
    return static_cast<uint8_t>(16 * row + column);
}

// A fresh window starts at the top-left cell with an empty echo line.
inline void resetTextInput(TextInputState& state) {
    state = TextInputState{};
}

}  // namespace tarvik
