#pragma once
// Where the text-input window draws, in client pixels of a W x H client
// area, and where it and the function-key selector stand on the desktop.

#include "engine/text_input/TextInputState.h"

namespace tarvik {

constexpr const char* kTextInputCaption = "text input with gaming device";
constexpr const char* kExitButtonText = "exit";
constexpr int kExitButtonId = 1234;

constexpr int kTextInputWidth = 340;
constexpr int kTextInputHeight = 280;

struct PixelPoint {
    int x;
    int y;
    friend constexpr bool operator==(PixelPoint, PixelPoint) = default;
};

struct PixelRect {
    int left;
    int top;
    int right;
    int bottom;
    friend constexpr bool operator==(PixelRect, PixelRect) = default;
};

// Text origin of grid cell (column, row), row 0..7.
constexpr PixelPoint cellOrigin(int column, int row) {
    return {10 + 20 * column, 10 + 20 * row};
}

// The "exit" push button; its rectangle is also the exit row's highlight.
constexpr PixelRect exitButtonRect(int clientHeight) {
    return {10, clientHeight - 30, 330, clientHeight - 10};
}

// The inverted rectangle that marks the cursor: the cell, or on the exit
// row the whole button whatever column is remembered.
constexpr PixelRect highlightRect(int column, int row, int clientHeight) {
    if (row >= kExitRow) return exitButtonRect(clientHeight);
    return {10 + 20 * column, 10 + 20 * row, 30 + 20 * column, 30 + 20 * row};
}

constexpr PixelRect echoBoxRect(int clientWidth, int clientHeight) {
    return {10, clientHeight - 60, clientWidth - 2, clientHeight - 40};
}

// Text origin of echo character i (0..19).
constexpr PixelPoint echoCharOrigin(int index, int clientHeight) {
    return {10 + 15 * index, clientHeight - 60};
}

// Window rectangle on a desktop of the given client size: centred across,
// 80 pixels above the middle. Integer division truncates toward zero, also
// for a desktop smaller than the window.
constexpr PixelRect textInputPlacement(int desktopWidth, int desktopHeight) {
    const int x = (desktopWidth - kTextInputWidth) / 2;
    const int y = (desktopHeight - 440) / 2;
    return {x, y, x + kTextInputWidth, y + kTextInputHeight};
}

// Window origin on a desktop of the given client size: its top-left corner
// just above and left of the centre. The window is sized 0 x 0, so only its
// caption bar shows.
constexpr PixelPoint selectorPlacement(int desktopWidth, int desktopHeight) {
    return {(desktopWidth - 20) / 2, (desktopHeight - 10) / 2};
}

}  // namespace tarvik
