// Shared geometry of the four notebook pages at the base layout, so the pages line up.
#pragma once

#include <QRect>

namespace sudoku {

class TPageLayout {
public:
    static constexpr int PageWidth = 401;
    static constexpr int PageHeight = 301;
    static QRect Header() { return {0, 0, 250, 22}; }
    static QRect Grid() { return {5, 26, 245, 245}; }
    static QRect SymbolStrip() { return {0, 279, 255, 16}; }
    // Right-hand column of labels beside the grid.
    static QRect Info(int line, int lines = 1) { return {266, 26 + 16 * line, 135, 16 * lines}; }
    // Page-area buttons (85 x 15): column 0 at the right edge, column 1 left of it; a row
    // step of 18 pixels with an extra gap before each group.
    static QRect SmallButton(int row, int gapsBefore = 0, int column = 0, int top = 26) {
        return {PageWidth - 85 - column * 91, top + row * 18 + gapsBefore * 6, 85, 15};
    }
};

} // namespace sudoku
