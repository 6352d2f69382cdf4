// Where the pencil notes of a cell go: legible glyphs, inside the area the selection frame
// leaves free, in the cell's miniature box when they fit its places and in reading order
// otherwise.
#pragma once

#include <QFont>
#include <QRectF>
#include <QSizeF>

#include <functional>
#include <vector>

class QPaintDevice;

namespace sudoku {

class TNoteLayout {
public:
    // No note is drawn smaller: the ink of a digit is at least this many pixels high.
    static constexpr int MinGlyphHeight = 7;
    // Value 0 stands for the "+" drawn when not every note fits.
    static constexpr int More = 0;

    struct TPlace {
        int Value;
        QRectF Ink; // where the glyph's ink goes
    };
    using TGlyphSize = std::function<QSizeF(int value)>;

    // The font grown, when it must be, until a digit's ink is MinGlyphHeight pixels high on
    // the device.
    static QFont LegibleFont(QFont font, const QPaintDevice* device);
    // The place of one value in the miniature box: the area shared out by box columns and rows.
    static QSizeF Slot(const QRectF& area, int boxCols, int boxRows);

    // Value v goes to place (v - 1) mod boxCols, (v - 1) div boxCols of the miniature box when
    // every glyph of 1 to gridSize fits a place; otherwise the values follow one another in
    // rows, smallest first, a pixel apart, and when some do not fit the last place shown
    // holds a "+".
    static std::vector<TPlace> Arrange(const QRectF& area, int boxCols, int boxRows, int gridSize,
                                       std::vector<int> values, const TGlyphSize& glyph);
};

} // namespace sudoku
