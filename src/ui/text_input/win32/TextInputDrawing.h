#pragma once
// Drawing the text-input window on a device context, shared by its paint
// handler and by the polling thread's drawing between paints. Each leaves
// the context's modes as it found them: the class's windows share it.

#include <windows.h>

#include "engine/text_input/TextInputState.h"

namespace tarvik {

// The 128 codes of the grid, each through the OEM character set.
void drawGrid(HDC dc);

// Inverts the highlight of (column, row); a second call removes it again.
void invertHighlightOn(HDC dc, int column, int row, int clientHeight);

// The box of the echo line: a frame in the context's pen around its brush,
// and every non-zero code as one character.
void drawEchoBoxOn(HDC dc, const uint8_t (&echoLine)[kEchoLength], int clientWidth,
                   int clientHeight);

}  // namespace tarvik
