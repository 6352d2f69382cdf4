// Reading and writing the one-line puzzle form and shape names.
#include "TPuzzleLine.h"

#include <algorithm>

namespace sudoku {

namespace {

std::string ShapeText(int boxCols, int boxRows) {
    return std::to_string(boxCols) + "x" + std::to_string(boxRows);
}

} // namespace

std::optional<TBoxShape> TPuzzleLine::ParseShape(std::string_view name) {
    std::string wanted(name);
    std::replace(wanted.begin(), wanted.end(), 'X', 'x');
    for (const TBoxShape& shape : BoxShapes)
        if (wanted == ShapeText(shape.BoxCols, shape.BoxRows))
            return shape;
    return std::nullopt;
}

std::string TPuzzleLine::ShapeName(const TSuDoKuGrid& grid) {
    return ShapeText(grid.BoxCols, grid.BoxRows);
}

char TPuzzleLine::SymbolOf(int value) {
    if (value <= 0)
        return '.';
    if (value <= 9)
        return static_cast<char>('0' + value);
    return static_cast<char>('Q' + value - 10);
}

int TPuzzleLine::ValueOf(char symbol) {
    if (symbol == '.')
        return 0;
    if (symbol >= '0' && symbol <= '9')
        return symbol - '0';
    if (symbol >= 'Q' && symbol <= 'W')
        return symbol - 'Q' + 10;
    if (symbol >= 'q' && symbol <= 'w')
        return symbol - 'q' + 10;
    return -1;
}

std::string TPuzzleLine::Parse(std::string_view line, const TSuDoKuGrid& grid, TSuDoKuValues& v) {
    const int n = grid.GridSize;
    const std::size_t cells = static_cast<std::size_t>(n * n);
    if (line.size() != cells)
        return "wrong length: " + std::to_string(line.size()) + " characters, a " +
               ShapeName(grid) + " puzzle has " + std::to_string(cells);
    TSuDoKuValues values{};
    for (std::size_t i = 0; i < cells; ++i) {
        const int value = ValueOf(line[i]);
        const std::string where = " at column " + std::to_string(i + 1);
        if (value < 0) {
            const unsigned char c = static_cast<unsigned char>(line[i]);
            const std::string shown = c >= 0x20 && c < 0x7F ? "'" + std::string(1, line[i]) + "'"
                                                            : "byte " + std::to_string(c);
            return "bad character " + shown + where;
        }
        if (value > n)
            return "bad character '" + std::string(1, line[i]) + "'" + where + ": value " +
                   std::to_string(value) + " is above " + std::to_string(n);
        const int col = static_cast<int>(i) % n + 1;
        const int row = static_cast<int>(i) / n + 1;
        values[CellIndex(col, row)] = static_cast<std::uint8_t>(value);
    }
    v = values;
    return {};
}

std::optional<TBoxShape> TPuzzleLine::ShapeOfCellCount(std::size_t cells) {
    switch (cells) {
    case 16:
        return ParseShape("2x2");
    case 81:
        return ParseShape("3x3");
    case 256:
        return ParseShape("4x4");
    default:
        for (const TBoxShape& shape : BoxShapes) {
            const std::size_t n = static_cast<std::size_t>(shape.BoxCols * shape.BoxRows);
            if (n * n == cells)
                return shape;
        }
        return std::nullopt;
    }
}

TPuzzleLine::TRead TPuzzleLine::Read(std::string_view line, std::optional<TBoxShape> defaultShape) {
    TRead read;
    line = Trim(line);
    std::optional<TBoxShape> shape = defaultShape;
    if (const std::size_t colon = line.find(':'); colon != std::string_view::npos) {
        const std::string_view shapeName = Trim(line.substr(0, colon));
        shape = ParseShape(shapeName);
        if (!shape) {
            read.Fault = "unknown shape '" + std::string(shapeName) + "'";
            return read;
        }
        line = Trim(line.substr(colon + 1));
    }
    if (!shape)
        shape = ShapeOfCellCount(line.size());
    if (!shape) {
        read.Fault = "no shape has " + std::to_string(line.size()) + " cells";
        return read;
    }
    read.Shape = *shape;
    read.Fault = Parse(line, TSuDoKuGrid(shape->BoxCols, shape->BoxRows), read.Givens);
    return read;
}

std::string_view TPuzzleLine::Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string TPuzzleLine::Format(const TSuDoKuGrid& grid, const TSuDoKuValues& v) {
    std::string line;
    for (int row = 1; row <= grid.GridSize; ++row)
        for (int col = 1; col <= grid.GridSize; ++col)
            line += SymbolOf(v[CellIndex(col, row)]);
    return line;
}

} // namespace sudoku
