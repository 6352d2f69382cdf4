// The one-line puzzle form: N x N characters, rows outer; "." or "0" empty, "1".."9", then
// "Q".."W" (either case) for 10..16. Also the "WxH" shape names of the command line.
#pragma once

#include "TSuDoKuGrid.h"

#include <optional>
#include <string>
#include <string_view>

namespace sudoku::cli {

class TPuzzleLine {
public:
    // The shape named "WxH" (boxes W wide, H high), if it is one of the 19 shapes.
    static std::optional<TBoxShape> ParseShape(std::string_view name);
    // "WxH" of a grid.
    static std::string ShapeName(const TSuDoKuGrid& grid);
    // Reads a puzzle line for grid into v (N x N cells; the rest 0). Returns an empty text
    // on success, otherwise a description of the first fault.
    static std::string Parse(std::string_view line, const TSuDoKuGrid& grid, TSuDoKuValues& v);
    // The one-line form of v, "." for 0.
    static std::string Format(const TSuDoKuGrid& grid, const TSuDoKuValues& v);
    // Character of a value 0..16 and value of a character (-1 when it is none).
    static char SymbolOf(int value);
    static int ValueOf(char symbol);
};

} // namespace sudoku::cli
