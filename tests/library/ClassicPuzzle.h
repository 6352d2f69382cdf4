// A well-known 9 x 9 puzzle with its one solution as puzzle lines ("." for an open cell), and
// the hex grid text the record files hold for such a line.
#pragma once

#include <string>
#include <string_view>

namespace sudoku::test {

inline constexpr const char* Classic =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
inline constexpr const char* ClassicSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

inline std::string Hex(std::string_view line) {
    std::string hex;
    for (const char c : line) {
        hex += '0';
        hex += c == '.' ? '0' : c;
    }
    return hex;
}

} // namespace sudoku::test
