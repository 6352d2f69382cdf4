// The hot-path form of a cell-text array: per cell a kind, a value and a candidate bit mask,
// with the alternatives pass worked on per-unit bit masks instead of text scans.
#pragma once

#include "TSuDoKuGrid.h"

#include <array>
#include <cstdint>

namespace sudoku {

enum class TCellKind : std::uint8_t {
    Empty,   // the empty text
    Numbers, // one decimal value, or an ascending "," list of values (Mask)
    Fixed,   // "$" + two hex digits (Value)
    Raw,     // any other text (pencil notes, odd forms); only its value (Value) is kept
};

struct TCompactCell {
    std::uint16_t Mask = 0; // Numbers: bit v - 1 for each value v of the text
    TCellKind Kind = TCellKind::Empty;
    std::uint8_t Value = 0; // the value the text reads as in this grid (0 for lists)

    bool operator==(const TCompactCell&) const = default;
    bool HasComma() const { return Kind == TCellKind::Numbers && (Mask & (Mask - 1)) != 0; }
    // Characters of the text of a list: its digits and the commas between them.
    int ListLength() const;
};

class TCompactGrid {
public:
    using TCells = std::array<TCompactCell, CellCount>;

    explicit TCompactGrid(const TSuDoKuGrid& grid);

    // Reads cell texts; a text that the alternatives pass could not have written becomes Raw.
    void Load(const TSuDoKuStrings& s, TCells& cells) const;
    // Writes the texts of the N x N cells; Raw cells leave their text as it is.
    void Store(const TCells& cells, TSuDoKuStrings& s) const;
    static std::string CellText(const TCompactCell& cell);

    struct TPassOutcome {
        bool Placed = false;  // some value had a place (or was there) in some box
        bool Full = true;     // no cell was left without a possible value
        bool AllFixed = true; // every cell ended fixed
    };

    // One alternatives pass with the same results as the text version: V := the values of
    // the cells, then every cell rebuilt box by box. False when no value had a place.
    bool Pass(TSuDoKuValues& v, TCells& cells) const { return PassWithOutcome(v, cells).Placed; }
    // The same pass, telling besides how the cells ended.
    TPassOutcome PassWithOutcome(TSuDoKuValues& v, TCells& cells) const;

    bool CellsEqual(const TCells& a, const TCells& b) const;
    bool CellsFull(const TCells& cells) const;
    int CountEmpty(const TCells& cells) const;

    const TSuDoKuGrid& Grid;

private:
    // Cell indexes of every box in pass order (boxes in reading order, cells row by row).
    std::array<std::array<std::uint8_t, MaxGridSize>, MaxGridSize> BoxCells{};
};

} // namespace sudoku
