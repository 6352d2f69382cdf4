// Seeded random grids and cell texts for the engine tests.
#include "RandomStateMaker.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace sudoku {

RandomStateMaker::RandomStateMaker(int boxCols, int boxRows, unsigned seed)
    : BoxCols(boxCols), BoxRows(boxRows), N(boxCols * boxRows), Random(seed) {}

TSuDoKuValues RandomStateMaker::Pattern(int boxCols, int boxRows) {
    const int n = boxCols * boxRows;
    TSuDoKuValues v{};
    for (int row = 0; row < n; ++row)
        for (int col = 0; col < n; ++col)
            v[CellIndex(col + 1, row + 1)] =
                static_cast<std::uint8_t>((row % boxRows * boxCols + row / boxRows + col) % n + 1);
    return v;
}

TSuDoKuStrings RandomStateMaker::OpenRows(int boxCols, int boxRows, int open) {
    const TSuDoKuValues v = Pattern(boxCols, boxRows);
    TSuDoKuStrings s{};
    for (int row = open + 1; row <= boxCols * boxRows; ++row)
        for (int col = 1; col <= boxCols * boxRows; ++col)
            s[CellIndex(col, row)] = std::to_string(v[CellIndex(col, row)]);
    return s;
}

TSuDoKuValues RandomStateMaker::Cyclic(int n) {
    TSuDoKuValues v{};
    for (int row = 0; row < n; ++row)
        for (int col = 0; col < n; ++col)
            v[CellIndex(col + 1, row + 1)] = static_cast<std::uint8_t>((row + col) % n + 1);
    return v;
}

TSuDoKuValues RandomStateMaker::CompleteGrid() {
    std::vector<int> symbols(N);
    std::iota(symbols.begin(), symbols.end(), 1);
    std::shuffle(symbols.begin(), symbols.end(), Random);
    // Rows come in bands of BoxRows rows, columns in stacks of BoxCols columns.
    auto order = [this](int groups, int size) {
        std::vector<int> groupOrder(groups);
        std::iota(groupOrder.begin(), groupOrder.end(), 0);
        std::shuffle(groupOrder.begin(), groupOrder.end(), Random);
        std::vector<int> result;
        for (int grp : groupOrder) {
            std::vector<int> inner(size);
            std::iota(inner.begin(), inner.end(), grp * size);
            std::shuffle(inner.begin(), inner.end(), Random);
            result.insert(result.end(), inner.begin(), inner.end());
        }
        return result;
    };
    const std::vector<int> rows = order(N / BoxRows, BoxRows);
    const std::vector<int> cols = order(N / BoxCols, BoxCols);
    const TSuDoKuValues pattern = Pattern(BoxCols, BoxRows);
    TSuDoKuValues v{};
    for (int r = 0; r < N; ++r)
        for (int c = 0; c < N; ++c)
            v[CellIndex(c + 1, r + 1)] = static_cast<std::uint8_t>(
                symbols[pattern[CellIndex(cols[c] + 1, rows[r] + 1)] - 1]);
    return v;
}

std::string RandomStateMaker::OddText() {
    switch (Below(9)) {
    case 0:
        return std::to_string(1 + Below(N)) + "," + std::to_string(1 + Below(N)) + ",";
    case 1:
        return "A";
    case 2: {
        char buffer[4] = {'$', "0123456789ABCDEF"[Below(2)], "0123456789ABCDEF"[Below(16)], 0};
        return buffer;
    }
    case 3:
        return std::to_string(N + 1 + Below(5)); // above N
    case 4:
        return "0";
    case 5:
        return "$0a";
    case 6:
        return "0" + std::to_string(1 + Below(N));
    case 7: {
        int a = 1 + Below(N);
        int b = 1 + Below(N);
        return std::to_string(std::max(a, b)) + "," + std::to_string(std::min(a, b));
    }
    default:
        return std::to_string(1 + Below(N));
    }
}

TSuDoKuStrings RandomStateMaker::Puzzle(Kind kind, double keepRatio) {
    TSuDoKuStrings s{};
    if (kind == Kind::Empty)
        return s;
    const TSuDoKuValues full = CompleteGrid();
    for (int col = 1; col <= N; ++col)
        for (int row = 1; row <= N; ++row)
            if (Unit() < keepRatio)
                s[CellIndex(col, row)] = std::to_string(full[CellIndex(col, row)]);
    const int changes = 1 + Below(std::max(1, N / 2));
    for (int i = 0; i < changes; ++i) {
        std::string& cell = s[CellIndex(1 + Below(N), 1 + Below(N))];
        switch (kind) {
        case Kind::Contradiction:
            cell = std::to_string(1 + Below(N));
            break;
        case Kind::PencilNotes:
            if (cell.empty())
                cell = std::to_string(1 + Below(N)) + "," + std::to_string(1 + Below(N)) +
                       (Below(2) ? "," : "");
            break;
        case Kind::OddTexts:
            cell = OddText();
            break;
        default:
            break;
        }
    }
    return s;
}

TSuDoKuValues RandomStateMaker::Noise() {
    TSuDoKuValues v{};
    for (auto& x : v)
        x = static_cast<std::uint8_t>(Below(N + 1));
    return v;
}

std::vector<int> RandomStateMaker::SwappableRectangle(const TSuDoKuValues& v) {
    for (int r1 = 1; r1 <= 9; ++r1)
        for (int r2 = r1 + 1; r2 <= 9 && (r2 - 1) / 3 == (r1 - 1) / 3; ++r2)
            for (int c1 = 1; c1 <= 9; ++c1)
                for (int c2 = c1 + 1; c2 <= 9; ++c2)
                    if (v[CellIndex(c1, r1)] == v[CellIndex(c2, r2)] &&
                        v[CellIndex(c2, r1)] == v[CellIndex(c1, r2)])
                        return {CellIndex(c1, r1), CellIndex(c2, r1), CellIndex(c1, r2),
                                CellIndex(c2, r2)};
    return {};
}

} // namespace sudoku
