#include "ui/text_input/win32/TextInputDrawing.h"

#include <cstdio>

#include "ui/text_input/TextInputLayout.h"

namespace tarvik {

void drawGrid(HDC dc) {
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(SYSTEM_FONT));
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            // Code 0 formats to an empty string and draws nothing.
            char text[2];
            std::snprintf(text, sizeof(text), "%c", cellCode(column, row));
            CharToOemA(text, text);
            const PixelPoint origin = cellOrigin(column, row);
            TextOutA(dc, origin.x, origin.y, text, lstrlenA(text));
        }
    }
    SelectObject(dc, oldFont);
    SetBkMode(dc, oldMode);
}

void invertHighlightOn(HDC dc, int column, int row, int clientHeight) {
    const PixelRect r = highlightRect(column, row, clientHeight);
    // Frame and interior alike are inverted, whatever pen and brush are set.
    const int oldRop = SetROP2(dc, R2_NOT);
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
    SetROP2(dc, oldRop);
}

void drawEchoBoxOn(HDC dc, const uint8_t (&echoLine)[kEchoLength], int clientWidth,
                   int clientHeight) {
    const PixelRect box = echoBoxRect(clientWidth, clientHeight);
    const int oldRop = SetROP2(dc, R2_COPYPEN);
    Rectangle(dc, box.left, box.top, box.right, box.bottom);
    SetROP2(dc, oldRop);

    const int oldMode = SetBkMode(dc, TRANSPARENT);
    for (int i = 0; i < kEchoLength; ++i) {
        if (echoLine[i] == 0) continue;
        const char character = static_cast<char>(echoLine[i]);
        const PixelPoint origin = echoCharOrigin(i, clientHeight);
        TextOutA(dc, origin.x, origin.y, &character, 1);
    }
    SetBkMode(dc, oldMode);
}

}  // namespace tarvik
