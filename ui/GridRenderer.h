// Drawing of one Sudoku grid cell (colours, symbols, notes, marks, borders, selection) onto any
// QPainter, so the grid widget, tests, printing and the clipboard share one renderer.
#pragma once

#include "SuDoKuState.h"
#include "SuDoKuTypes.h"

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QRect>
#include <QString>

class QPainter;

namespace sudoku {

// Settings that decide how every cell looks.
struct TGridLook {
    QColor BackgroundColor{0xFF, 0xFF, 0xFF};
    QColor ContrastColor{0xE0, 0xE0, 0xE0};
    QColor RulerColor{0xC0, 0xFF, 0xC0};
    QColor FontColor{0x00, 0x00, 0x00};
    bool ContrastPuzzle = false;
    bool ShowRuler = false; // the soRuler solving aid
    QString FontName = QStringLiteral("Arial");
    // Name of the display set in force; also its symbol string for grids below 10 symbols.
    QString DisplaySet = QStringLiteral("123456789");
    bool PictureSet = false; // a picture set is selected (list index 3 or more)
    // Pictures 0 to 9 of a picture set; empty while a text set is in force.
    QList<QPixmap> IconList32x32;
    QList<QPixmap> IconList16x16;
    // Point sizes after screen-size scaling: values and notes, for grids below 10 and from 10.
    int ValueFontSize = 12;
    int LargeGridValueFontSize = 10;
    int NoteFontSize = 6;
    int LargeGridNoteFontSize = 4;

    bool operator==(const TGridLook& other) const;
};

// The puzzle state the drawing reads besides the cell texts.
struct TGridDrawState {
    int BoxCols = 3;
    int BoxRows = 3;
    TSuDoKuValues SolutionValues{};
    TSuDoKuStrings GivenStrings{};
    TSuDoKuState SuDoKuState = 0;
    int HighlightValue = 0;

    int GridSize() const { return BoxCols * BoxRows; }
    bool operator==(const TGridDrawState& other) const = default;
};

// Everything one cell's drawing depends on; Cells are the painted grid's own texts and the
// selection is that grid's current cell (both 0-based).
struct TGridRenderContext {
    const TGridLook& Look;
    const TGridDrawState& Draw;
    const TSuDoKuStrings& Cells;
    int SelCol = -1;
    int SelRow = -1;
};

// Symbol of value v, empty when the display set has no character for it.
QString SuDoKuSymbol(const TGridLook& look, int gridSize, int value);

// Pixel rectangle of cell (col, row), both 0-based, for the given cell size.
QRect GridCellRect(int col, int row, int colWidth, int rowHeight);

// Draws cell (aCol, aRow) into rect. Cells outside the grid size draw nothing.
void SuDoKuGridDrawCell(QPainter& painter, const TGridRenderContext& context, int aCol, int aRow,
                        const QRect& rect);

// Draws every cell of the grid at the given cell size.
void SuDoKuGridDrawAll(QPainter& painter, const TGridRenderContext& context, int colWidth,
                       int rowHeight);

} // namespace sudoku
