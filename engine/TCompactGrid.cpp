// Alternatives pass on bit masks. Row and column masks of the values of V stay fixed for the
// pass; the values fixed so far are row and column masks too, and each box's cells are
// settled at once from their open values instead of value by value.
#include "TCompactGrid.h"

#include <bit>

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

TCompactGrid::TPassOutcome TCompactGrid::PassWithOutcome(TSuDoKuValues& v, TCells& cells) const {
    const int n = Grid.GridSize;
    const std::uint32_t all = (1u << n) - 1;
    std::uint32_t rowValues[MaxGridSize] = {};
    std::uint32_t colValues[MaxGridSize] = {};
    // Read the values of the texts into V; the cells are all rebuilt below.
    for (int c = 0; c < n; ++c)
        for (int r = 0; r < n; ++r) {
            const int i = c * MaxGridSize + r;
            const std::uint8_t value = cells[i].Value;
            v[i] = value;
            if (value != 0) {
                rowValues[r] |= Bit(value);
                colValues[c] |= Bit(value);
            }
        }

    // Values fixed so far in this pass, per row and column. A fixed text is only replaced
    // within its own box, so what a finished box leaves fixed stays fixed for the pass.
    std::uint32_t rowFixed[MaxGridSize] = {};
    std::uint32_t colFixed[MaxGridSize] = {};
    TPassOutcome outcome;
    for (int box = 0; box < n; ++box) {
        const auto& boxCells = BoxCells[box];
        // The places of every value are settled before the box writes anything: what the
        // box fixes for a value only changes the fixed bit of that same value. So each
        // cell's end state follows from its open values and how many places each value has:
        // a value with one place fixes it there (the largest such value wins, as it comes
        // last), a value with more places joins the lists of cells not fixed, and a list of
        // one value becomes fixed at the end of the box.
        std::uint32_t open[MaxGridSize] = {};
        std::uint32_t boxValues = 0;
        std::uint32_t once = 0;
        std::uint32_t twice = 0;
        for (int k = 0; k < n; ++k) {
            const int i = boxCells[k];
            if (v[i] != 0) {
                boxValues |= Bit(v[i]);
                continue;
            }
            const int c = i / MaxGridSize;
            const int r = i % MaxGridSize;
            open[k] = all & ~(rowValues[r] | colValues[c] | rowFixed[r] | colFixed[c]);
            twice |= once & open[k];
            once |= open[k];
        }
        const std::uint32_t single = (once & ~twice) & ~boxValues;
        if ((boxValues | once) != 0)
            outcome.Placed = true;
        for (int k = 0; k < n; ++k) {
            const int i = boxCells[k];
            TCompactCell& cell = cells[i];
            std::uint8_t fixed = v[i];
            if (fixed == 0) {
                const std::uint32_t here = open[k] & ~boxValues;
                const std::uint32_t onlyHere = here & single;
                if (onlyHere != 0)
                    fixed = static_cast<std::uint8_t>(std::bit_width(onlyHere));
                else if (here != 0 && (here & (here - 1)) == 0)
                    fixed = static_cast<std::uint8_t>(std::countr_zero(here) + 1);
                else if (here != 0)
                    cell = TCompactCell{static_cast<std::uint16_t>(here), TCellKind::Numbers, 0};
                else
                    cell = TCompactCell{};
            }
            if (fixed != 0) {
                cell = TCompactCell{0, TCellKind::Fixed, fixed};
                rowFixed[i % MaxGridSize] |= Bit(fixed);
                colFixed[i / MaxGridSize] |= Bit(fixed);
            } else {
                outcome.AllFixed = false;
                outcome.Full = outcome.Full && cell.Kind != TCellKind::Empty;
            }
        }
    }
    return outcome;
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
