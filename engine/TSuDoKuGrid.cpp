// Grid geometry and the plain routines on value and text arrays: clearing, copying, the
// conversions between values, cell texts, hex grid texts and notes texts, counts and tests.
#include "TSuDoKuGrid.h"

#include <cstring>
#include <limits>
#include <stdexcept>

namespace sudoku {

namespace {

constexpr char HexDigits[] = "0123456789ABCDEF";

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

void AppendHexByte(std::string& out, int value) {
    out += HexDigits[(value >> 4) & 0xF];
    out += HexDigits[value & 0xF];
}

} // namespace

int TextToValue(std::string_view text) {
    int base = 10;
    if (!text.empty() && text.front() == '$') {
        base = 16;
        text.remove_prefix(1);
    }
    if (text.empty())
        return 0;
    long long result = 0;
    for (char c : text) {
        int digit = HexDigitValue(c);
        if (digit < 0 || digit >= base)
            return 0;
        result = result * base + digit;
        if (result > std::numeric_limits<int>::max())
            return 0;
    }
    return static_cast<int>(result);
}

std::string FixedText(int value) {
    std::string text = "$";
    AppendHexByte(text, value);
    return text;
}

void TSuDoKuGrid::SetBoxShape(int boxCols, int boxRows) {
    // The 19 shapes are exactly the boxes of at least 2 x 2 cells with at most 16 symbols;
    // anything else would not fit the 16 x 16 cell arrays.
    if (boxCols < 2 || boxRows < 2 || boxCols * boxRows > MaxGridSize)
        throw std::invalid_argument("unsupported box shape " + std::to_string(boxCols) + "x" +
                                    std::to_string(boxRows));
    MaxSolutions = 10;
    BoxCols = boxCols;
    BoxRows = boxRows;
    BoxesAcross = boxRows;
    BoxesDown = boxCols;
    GridSize = boxCols * boxRows;
    UnitSum = GridSize * (GridSize + 1) / 2;
}

int TSuDoKuGrid::CellValue(std::string_view text) const {
    int value = TextToValue(text);
    return value <= GridSize ? value : 0;
}

int TSuDoKuGrid::BoxCellCol(int boxColIdx, int k) const {
    return (boxColIdx - 1) * BoxCols + (k - 1) % BoxCols + 1;
}

int TSuDoKuGrid::BoxCellRow(int boxRowIdx, int k) const {
    return (boxRowIdx - 1) * BoxRows + (k - 1) / BoxCols + 1;
}

void TSuDoKuGrid::ClearValues(TSuDoKuValues& v) {
    v.fill(0);
}

void TSuDoKuGrid::ClearStrings(TSuDoKuStrings& s) {
    for (auto& text : s)
        text.clear();
}

void TSuDoKuGrid::ClearBox(TSuDoKuValues& v, int boxColIdx, int boxRowIdx) const {
    for (int k = 1; k <= GridSize; ++k)
        v[CellIndex(BoxCellCol(boxColIdx, k), BoxCellRow(boxRowIdx, k))] = 0;
}

void TSuDoKuGrid::CopyValues(const TSuDoKuValues& src, TSuDoKuValues& dst) const {
    for (int col = 1; col <= GridSize; ++col)
        for (int row = 1; row <= GridSize; ++row)
            dst[CellIndex(col, row)] = src[CellIndex(col, row)];
}

void TSuDoKuGrid::CopyStrings(const TSuDoKuStrings& src, TSuDoKuStrings& dst) const {
    for (int col = 1; col <= GridSize; ++col)
        for (int row = 1; row <= GridSize; ++row)
            dst[CellIndex(col, row)] = src[CellIndex(col, row)];
}

void TSuDoKuGrid::ValuesToStrings(const TSuDoKuValues& v, TSuDoKuStrings& s) const {
    for (int col = 1; col <= GridSize; ++col)
        for (int row = 1; row <= GridSize; ++row) {
            int value = v[CellIndex(col, row)];
            s[CellIndex(col, row)] = value == 0 ? std::string() : std::to_string(value);
        }
}

void TSuDoKuGrid::StringsToValues(const TSuDoKuStrings& s, TSuDoKuValues& v) const {
    for (int col = 1; col <= GridSize; ++col)
        for (int row = 1; row <= GridSize; ++row)
            v[CellIndex(col, row)] = static_cast<std::uint8_t>(CellValue(s[CellIndex(col, row)]));
}

std::string TSuDoKuGrid::ValuesToHex(const TSuDoKuValues& v) const {
    std::string text;
    text.reserve(2 * GridSize * GridSize);
    for (int row = 1; row <= GridSize; ++row)
        for (int col = 1; col <= GridSize; ++col)
            AppendHexByte(text, v[CellIndex(col, row)]);
    return text;
}

int TSuDoKuGrid::HexCellValue(std::string_view text, int col, int row) const {
    std::size_t pos = static_cast<std::size_t>(((row - 1) * GridSize + col - 1) * 2);
    if (pos + 2 > text.size())
        return 0;
    int high = HexDigitValue(text[pos]);
    int low = HexDigitValue(text[pos + 1]);
    if (high < 0 || low < 0)
        return 0;
    int value = high * 16 + low;
    return value <= GridSize ? value : 0;
}

void TSuDoKuGrid::HexToValues(std::string_view text, TSuDoKuValues& v) const {
    for (int row = 1; row <= GridSize; ++row)
        for (int col = 1; col <= GridSize; ++col)
            v[CellIndex(col, row)] = static_cast<std::uint8_t>(HexCellValue(text, col, row));
}

std::string TSuDoKuGrid::StringsToHex(const TSuDoKuStrings& s) const {
    std::string text;
    text.reserve(2 * GridSize * GridSize);
    for (int row = 1; row <= GridSize; ++row)
        for (int col = 1; col <= GridSize; ++col)
            AppendHexByte(text, CellValue(s[CellIndex(col, row)]));
    return text;
}

void TSuDoKuGrid::HexToStrings(std::string_view text, TSuDoKuStrings& s) const {
    for (int row = 1; row <= GridSize; ++row)
        for (int col = 1; col <= GridSize; ++col) {
            int value = HexCellValue(text, col, row);
            s[CellIndex(col, row)] = value == 0 ? std::string() : std::to_string(value);
        }
}

std::string TSuDoKuGrid::StringsToNotes(const TSuDoKuStrings& s) const {
    std::string text;
    for (int row = 1; row <= GridSize; ++row)
        for (int col = 1; col <= GridSize; ++col) {
            const std::string& cell = s[CellIndex(col, row)];
            if (cell.find(',') != std::string::npos)
                text += cell;
            text += '|';
        }
    return text;
}

void TSuDoKuGrid::NotesToStrings(std::string_view text, TSuDoKuStrings& s) const {
    if (text.find('|') == std::string_view::npos)
        return;
    std::size_t start = 0;
    for (int row = 1; row <= GridSize; ++row)
        for (int col = 1; col <= GridSize; ++col) {
            std::size_t bar = text.find('|', start);
            if (bar == std::string_view::npos)
                return;
            std::string_view part = text.substr(start, bar - start);
            start = bar + 1;
            std::string& cell = s[CellIndex(col, row)];
            if (!part.empty() && cell.empty())
                cell = part;
        }
}

int TSuDoKuGrid::CountInRow(const TSuDoKuValues& v, int value, int row) const {
    int count = 0;
    for (int col = 1; col <= GridSize; ++col)
        count += v[CellIndex(col, row)] == value;
    return count;
}

int TSuDoKuGrid::CountInCol(const TSuDoKuValues& v, int value, int col) const {
    int count = 0;
    for (int row = 1; row <= GridSize; ++row)
        count += v[CellIndex(col, row)] == value;
    return count;
}

int TSuDoKuGrid::CountFixedInRow(const TSuDoKuStrings& s, int value, int row) const {
    const std::string fixed = FixedText(value);
    int count = 0;
    for (int col = 1; col <= GridSize; ++col)
        count += s[CellIndex(col, row)] == fixed;
    return count;
}

int TSuDoKuGrid::CountFixedInCol(const TSuDoKuStrings& s, int value, int col) const {
    const std::string fixed = FixedText(value);
    int count = 0;
    for (int row = 1; row <= GridSize; ++row)
        count += s[CellIndex(col, row)] == fixed;
    return count;
}

int TSuDoKuGrid::CountEmptyStrings(const TSuDoKuStrings& s) const {
    int count = 0;
    for (int col = 1; col <= GridSize; ++col)
        for (int row = 1; row <= GridSize; ++row)
            count += s[CellIndex(col, row)].empty();
    return count;
}

bool TSuDoKuGrid::ValuesFull(const TSuDoKuValues& v) const {
    for (int col = 1; col <= GridSize; ++col)
        for (int row = 1; row <= GridSize; ++row)
            if (v[CellIndex(col, row)] == 0)
                return false;
    return true;
}

bool TSuDoKuGrid::SumsOK(const TSuDoKuValues& v) const {
    for (int row = 1; row <= GridSize; ++row) {
        int sum = 0;
        for (int col = 1; col <= GridSize; ++col)
            sum += v[CellIndex(col, row)];
        if (sum != UnitSum)
            return false;
    }
    for (int col = 1; col <= GridSize; ++col) {
        int sum = 0;
        for (int row = 1; row <= GridSize; ++row)
            sum += v[CellIndex(col, row)];
        if (sum != UnitSum)
            return false;
    }
    return true;
}

bool TSuDoKuGrid::UnitsOK(const TSuDoKuValues& v) const {
    const std::uint32_t all = (1u << GridSize) - 1;
    for (int unit = 1; unit <= GridSize; ++unit) {
        std::uint32_t row = 0;
        std::uint32_t col = 0;
        std::uint32_t box = 0;
        const int boxColIdx = (unit - 1) % BoxesAcross + 1;
        const int boxRowIdx = (unit - 1) / BoxesAcross + 1;
        for (int k = 1; k <= GridSize; ++k) {
            const auto bit = [this](int value) {
                return value >= 1 && value <= GridSize ? 1u << (value - 1) : 0u;
            };
            row |= bit(v[CellIndex(k, unit)]);
            col |= bit(v[CellIndex(unit, k)]);
            box |= bit(v[CellIndex(BoxCellCol(boxColIdx, k), BoxCellRow(boxRowIdx, k))]);
        }
        if ((row & all) != all || (col & all) != all || (box & all) != all)
            return false;
    }
    return true;
}

bool TSuDoKuGrid::ValuesEqual(const TSuDoKuValues& a, const TSuDoKuValues& b) const {
    // The N cells of a column lie together, so each column is one block compare.
    for (int col = 1; col <= GridSize; ++col)
        if (std::memcmp(&a[CellIndex(col, 1)], &b[CellIndex(col, 1)],
                        static_cast<std::size_t>(GridSize)) != 0)
            return false;
    return true;
}

bool TSuDoKuGrid::StringsEqual(const TSuDoKuStrings& a, const TSuDoKuStrings& b) const {
    for (int col = 1; col <= GridSize; ++col)
        for (int row = 1; row <= GridSize; ++row)
            if (a[CellIndex(col, row)] != b[CellIndex(col, row)])
                return false;
    return true;
}

bool TSuDoKuGrid::StringsFull(const TSuDoKuStrings& s) const {
    for (int col = 1; col <= GridSize; ++col)
        for (int row = 1; row <= GridSize; ++row)
            if (s[CellIndex(col, row)].empty())
                return false;
    return true;
}

} // namespace sudoku
