// Seeded random grids and cell texts for the engine tests.
#include "RandomStateMaker.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace sudoku {

TSuDoKuValues RandomStateMaker::Pattern(int boxCols, int boxRows) {
    const int n = boxCols * boxRows;
    TSuDoKuValues v{};
    for (int i = 0; i < n * n; ++i) // row i / n, column i % n
        v[CellIndex(i % n + 1, i / n + 1)] = static_cast<std::uint8_t>(
            (i / n % boxRows * boxCols + i / n / boxRows + i % n) % n + 1);
    return v;
}

TSuDoKuValues RandomStateMaker::CompleteGrid() {
    std::vector<int> symbols(N);
    std::iota(symbols.begin(), symbols.end(), 1);
    std::shuffle(symbols.begin(), symbols.end(), Random);
    // Rows come in bands of BoxRows rows, columns in stacks of BoxCols columns.
    const auto order = [this](int size) {
        std::vector<int> groups(N / size);
        std::vector<int> result;
        std::iota(groups.begin(), groups.end(), 0);
        std::shuffle(groups.begin(), groups.end(), Random);
        for (int group : groups) {
            std::vector<int> inner(size);
            std::iota(inner.begin(), inner.end(), group * size);
            std::shuffle(inner.begin(), inner.end(), Random);
            result.insert(result.end(), inner.begin(), inner.end());
        }
        return result;
    };
    const std::vector<int> rows = order(BoxRows);
    const std::vector<int> cols = order(BoxCols);
    const TSuDoKuValues pattern = Pattern(BoxCols, BoxRows);
    TSuDoKuValues v{};
    for (int i = 0; i < N * N; ++i)
        v[CellIndex(i % N + 1, i / N + 1)] = static_cast<std::uint8_t>(
            symbols[pattern[CellIndex(cols[i % N] + 1, rows[i / N] + 1)] - 1]);
    return v;
}

std::string RandomStateMaker::OddText() {
    const int a = 1 + Below(N);
    const int b = 1 + Below(N);
    const std::string texts[] = {
        std::to_string(a) + "," + std::to_string(b) + ",", // a trailing comma
        "A",
        "0",
        "$0a",
        std::string("$") + "01"[Below(2)] + "0123456789ABCDEF"[Below(16)],
        std::to_string(N + a),                                                 // above N
        "0" + std::to_string(a),                                               // a leading zero
        std::to_string(std::max(a, b)) + "," + std::to_string(std::min(a, b)), // out of order
        std::to_string(a)};
    return texts[Below(9)];
}

TSuDoKuStrings RandomStateMaker::Puzzle(Kind kind, double keepRatio) {
    TSuDoKuStrings s{};
    if (kind == Kind::Empty)
        return s;
    const TSuDoKuValues full = CompleteGrid();
    for (int i = 0; i < N * N; ++i)
        if (Unit() < keepRatio)
            s[CellIndex(i % N + 1, i / N + 1)] =
                std::to_string(full[CellIndex(i % N + 1, i / N + 1)]);
    for (int changes = 1 + Below(std::max(1, N / 2)); changes > 0; --changes) {
        std::string& cell = s[CellIndex(1 + Below(N), 1 + Below(N))];
        if (kind == Kind::Contradiction)
            cell = std::to_string(1 + Below(N));
        else if (kind == Kind::PencilNotes && cell.empty())
            cell = std::to_string(1 + Below(N)) + "," + std::to_string(1 + Below(N)) +
                   (Below(2) ? "," : "");
        else if (kind == Kind::OddTexts)
            cell = OddText();
    }
    return s;
}

TSuDoKuValues RandomStateMaker::Noise() {
    TSuDoKuValues v{};
    for (auto& x : v)
        x = static_cast<std::uint8_t>(Below(N + 1));
    return v;
}

} // namespace sudoku
