// The one-line puzzle form that puzzle files and the command line use: N x N characters, rows
// outer; "." or "0" empty, "1".."9", then "Q".."W" (either case) for 10..16; an optional
// "WxH:" in front gives the shape. Also the "WxH" shape names.
#pragma once

#include "TSuDoKuGrid.h"

#include <optional>
#include <string>
#include <string_view>

namespace sudoku {

class TPuzzleLine {
public:
    // A line read whole: its shape and givens, or the description of its first fault.
    struct TRead {
        TBoxShape Shape = BoxShapes[0];
        TSuDoKuValues Givens{};
        std::string Fault; // empty when the line is good
    };

    // The shape named "WxH" (boxes W wide, H high), if it is one of the 19 shapes.
    static std::optional<TBoxShape> ParseShape(std::string_view name);
    // "WxH" of a grid.
    static std::string ShapeName(const TSuDoKuGrid& grid);
    // The shape of a line of this many cells that names none: 16, 81 and 256 cells are square
    // boxes, any other count the first shape of the shape menu with that many cells.
    static std::optional<TBoxShape> ShapeOfCellCount(std::size_t cells);
    // Reads a puzzle line for grid into v (N x N cells; the rest 0). Returns an empty text
    // on success, otherwise a description of the first fault.
    static std::string Parse(std::string_view line, const TSuDoKuGrid& grid, TSuDoKuValues& v);
    // Reads a whole line: blanks around it and around a "WxH:" prefix are ignored; a line
    // without prefix has defaultShape, or without one the shape of its cell count.
    static TRead Read(std::string_view line, std::optional<TBoxShape> defaultShape);
    // The one-line form of v, "." for 0.
    static std::string Format(const TSuDoKuGrid& grid, const TSuDoKuValues& v);
    // Character of a value 0..16 and value of a character (-1 when it is none).
    static char SymbolOf(int value);
    static int ValueOf(char symbol);
    // The text without blanks, tabs, CR or LF at either end.
    static std::string_view Trim(std::string_view text);
};

} // namespace sudoku
