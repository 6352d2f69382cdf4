// Alternatives pass on bit masks. Row, column and box masks of the values of V stay fixed
// for the pass; the fixed texts written so far are tracked as per-row and per-column counts
// (a fixed text can be overwritten later in its box, so a mask alone would not do).
#include "TCompactGrid.h"

#include <bit>
#include <cstring>

namespace sudoku {

namespace {

constexpr std::uint32_t Bit(int value) {
    return 1u << (value - 1);
}

bool IsUpperHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

// Parses an ascending list of decimal values 1..n written without leading zeros.
bool ParseNumbers(std::string_view text, int n, std::uint16_t& mask) {
    mask = 0;
    int last = 0;
    std::size_t pos = 0;
    while (true) {
        std::size_t comma = text.find(',', pos);
        std::string_view item =
            text.substr(pos, comma == std::string_view::npos ? text.npos : comma - pos);
        if (item.empty() || item.size() > 2 || item[0] == '0')
            return false;
        int value = 0;
        for (char c : item) {
            if (c < '0' || c > '9')
                return false;
            value = value * 10 + (c - '0');
        }
        if (value > n || value <= last)
            return false;
        mask = static_cast<std::uint16_t>(mask | Bit(value));
        last = value;
        if (comma == std::string_view::npos)
            return true;
        pos = comma + 1;
    }
}

} // namespace

int TCompactCell::ListLength() const {
    const int count = std::popcount(Mask);
    return 2 * count - 1 + std::popcount(static_cast<std::uint16_t>(Mask & 0xFE00)); // 10..16
}

TCompactGrid::TCompactGrid(const TSuDoKuGrid& grid) : Grid(grid) {
    int box = 0;
    for (int boxRowIdx = 1; boxRowIdx <= grid.BoxesDown; ++boxRowIdx)
        for (int boxColIdx = 1; boxColIdx <= grid.BoxesAcross; ++boxColIdx, ++box)
            for (int k = 1; k <= grid.GridSize; ++k)
                BoxCells[box][k - 1] = static_cast<std::uint8_t>(
                    CellIndex(grid.BoxCellCol(boxColIdx, k), grid.BoxCellRow(boxRowIdx, k)));
}

void TCompactGrid::Load(const TSuDoKuStrings& s, TCells& cells) const {
    const int n = Grid.GridSize;
    for (int col = 1; col <= n; ++col)
        for (int row = 1; row <= n; ++row) {
            const std::string& text = s[CellIndex(col, row)];
            TCompactCell& cell = cells[CellIndex(col, row)];
            cell = TCompactCell{};
            if (text.empty())
                continue;
            const int value = Grid.CellValue(text);
            cell.Value = static_cast<std::uint8_t>(value);
            if (text[0] == '$') {
                const bool fixedForm =
                    text.size() == 3 && IsUpperHex(text[1]) && IsUpperHex(text[2]);
                cell.Kind = fixedForm && value > 0 ? TCellKind::Fixed : TCellKind::Raw;
            } else {
                cell.Kind = ParseNumbers(text, n, cell.Mask) ? TCellKind::Numbers : TCellKind::Raw;
                if (cell.Kind == TCellKind::Raw)
                    cell.Mask = 0;
            }
        }
}

std::string TCompactGrid::CellText(const TCompactCell& cell) {
    switch (cell.Kind) {
    case TCellKind::Fixed:
        return FixedText(cell.Value);
    case TCellKind::Numbers: {
        std::string text;
        for (std::uint32_t mask = cell.Mask; mask != 0; mask &= mask - 1) {
            if (!text.empty())
                text += ',';
            text += std::to_string(std::countr_zero(mask) + 1);
        }
        return text;
    }
    default:
        return {};
    }
}

void TCompactGrid::Store(const TCells& cells, TSuDoKuStrings& s) const {
    const int n = Grid.GridSize;
    for (int col = 1; col <= n; ++col)
        for (int row = 1; row <= n; ++row) {
            const TCompactCell& cell = cells[CellIndex(col, row)];
            if (cell.Kind != TCellKind::Raw)
                s[CellIndex(col, row)] = CellText(cell);
        }
}

bool TCompactGrid::Pass(TSuDoKuValues& v, TCells& cells) const {
    const int n = Grid.GridSize;
    const std::uint32_t all = (1u << n) - 1;
    std::uint32_t rowValues[MaxGridSize] = {};
    std::uint32_t colValues[MaxGridSize] = {};
    // Read the values of the texts into V, and write the values back as plain texts.
    for (int c = 0; c < n; ++c)
        for (int r = 0; r < n; ++r) {
            const int i = c * MaxGridSize + r;
            const std::uint8_t value = cells[i].Value;
            v[i] = value;
            if (value != 0) {
                cells[i] =
                    TCompactCell{static_cast<std::uint16_t>(Bit(value)), TCellKind::Numbers, value};
                rowValues[r] |= Bit(value);
                colValues[c] |= Bit(value);
            } else {
                cells[i] = TCompactCell{};
            }
        }

    std::uint8_t rowFixed[MaxGridSize][MaxGridSize] = {}; // [row][value - 1]: fixed texts
    std::uint8_t colFixed[MaxGridSize][MaxGridSize] = {};
    std::uint32_t rowFixedMask[MaxGridSize] = {};
    std::uint32_t colFixedMask[MaxGridSize] = {};
    auto fix = [&](int i, int value) {
        const int c = i / MaxGridSize;
        const int r = i % MaxGridSize;
        if (rowFixed[r][value - 1]++ == 0)
            rowFixedMask[r] |= Bit(value);
        if (colFixed[c][value - 1]++ == 0)
            colFixedMask[c] |= Bit(value);
    };
    auto unfix = [&](int i, int value) {
        const int c = i / MaxGridSize;
        const int r = i % MaxGridSize;
        if (--rowFixed[r][value - 1] == 0)
            rowFixedMask[r] &= ~Bit(value);
        if (--colFixed[c][value - 1] == 0)
            colFixedMask[c] &= ~Bit(value);
    };

    bool result = false;
    for (int box = 0; box < n; ++box) {
        const auto& boxCells = BoxCells[box];
        // Places of each value in this box, as bits k. The fixed masks bit of a value only
        // change while that value is handled (or afterwards), so one look at the box before
        // the values gives the places every value would find when its turn comes.
        std::uint32_t places[MaxGridSize] = {};
        std::uint32_t boxValues = 0;
        for (int k = 0; k < n; ++k) {
            const int i = boxCells[k];
            if (v[i] != 0) {
                boxValues |= Bit(v[i]);
                continue;
            }
            const int c = i / MaxGridSize;
            const int r = i % MaxGridSize;
            std::uint32_t open =
                all & ~(rowValues[r] | colValues[c] | rowFixedMask[r] | colFixedMask[c]);
            for (; open != 0; open &= open - 1)
                places[std::countr_zero(open)] |= 1u << k;
        }
        for (int value = 1; value <= n; ++value) {
            if (boxValues & Bit(value)) {
                result = true;
                continue;
            }
            std::uint32_t at = places[value - 1];
            if (at == 0)
                continue;
            result = true;
            if ((at & (at - 1)) == 0) {
                // The only place: fixed, whatever the cell held before.
                const int i = boxCells[std::countr_zero(at)];
                if (cells[i].Kind == TCellKind::Fixed)
                    unfix(i, cells[i].Value);
                cells[i] = TCompactCell{0, TCellKind::Fixed, static_cast<std::uint8_t>(value)};
                fix(i, value);
                continue;
            }
            for (; at != 0; at &= at - 1) {
                TCompactCell& cell = cells[boxCells[std::countr_zero(at)]];
                if (cell.Kind == TCellKind::Fixed)
                    continue;
                cell.Value = cell.Kind == TCellKind::Empty ? static_cast<std::uint8_t>(value) : 0;
                cell.Kind = TCellKind::Numbers;
                cell.Mask = static_cast<std::uint16_t>(cell.Mask | Bit(value));
            }
        }
        // Cell singles: a single decimal value becomes fixed.
        for (int k = 0; k < n; ++k) {
            const int i = boxCells[k];
            TCompactCell& cell = cells[i];
            if (cell.Kind == TCellKind::Numbers && cell.Value != 0) {
                cell = TCompactCell{0, TCellKind::Fixed, cell.Value};
                fix(i, cell.Value);
            }
        }
    }
    return result;
}

bool TCompactGrid::ValuesEqual(const TSuDoKuValues& a, const TSuDoKuValues& b) const {
    const int n = Grid.GridSize;
    for (int c = 0; c < n; ++c)
        if (std::memcmp(&a[c * MaxGridSize], &b[c * MaxGridSize], n) != 0)
            return false;
    return true;
}

bool TCompactGrid::CellsEqual(const TCells& a, const TCells& b) const {
    const int n = Grid.GridSize;
    for (int c = 0; c < n; ++c)
        for (int r = 0; r < n; ++r)
            if (!(a[c * MaxGridSize + r] == b[c * MaxGridSize + r]))
                return false;
    return true;
}

bool TCompactGrid::CellsFull(const TCells& cells) const {
    return CountEmpty(cells) == 0;
}

int TCompactGrid::CountEmpty(const TCells& cells) const {
    const int n = Grid.GridSize;
    int count = 0;
    for (int c = 0; c < n; ++c)
        for (int r = 0; r < n; ++r)
            count += cells[c * MaxGridSize + r].Kind == TCellKind::Empty;
    return count;
}

} // namespace sudoku
