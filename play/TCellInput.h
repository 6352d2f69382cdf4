// Turns keys, popup-menu items and symbol-strip clicks into cell changes: the key table of
// every display set and the pencil-note toggling of a cell text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sudoku {

// Windows virtual-key codes; the Qt layer translates its keys into these.
namespace vk {
constexpr int Back = 0x08;
constexpr int Clear = 0x0C;
constexpr int Pause = 0x13;
constexpr int Space = 0x20;
constexpr int Delete = 0x2E;
constexpr int Numpad1 = 0x61;
constexpr int Numpad9 = 0x69;
} // namespace vk

// Symbols of values 1 to 16 on grids of 10 or more symbols; those of 10 to 16 are also their
// keys.
inline constexpr std::string_view FixedSymbols = "123456789QRSTUVW";

enum class TKeyKind { None, Value, Clear, Pause };

struct TKeyAction {
    TKeyKind Kind = TKeyKind::None;
    int Value = 0; // 1..16 for TKeyKind::Value
    friend bool operator==(const TKeyAction&, const TKeyAction&) = default;
};

class TCellInput {
public:
    // Display set 0 is "123456789", 1 "ABCDEFGHI", 2 "SINGAPORE", 3 and up picture sets. A key
    // whose value lies above the grid size gives no action, with or without Ctrl.
    static TKeyAction KeyToAction(int virtualKey, bool ctrl, int displaySet, int gridSize);

    // The cell text after the action: a value replaces the text, Ctrl toggles the note
    // "v," (a value in the cell is dropped first), clear empties the cell.
    static std::string ApplyAction(std::string_view text, TKeyAction action, bool ctrl);

    // The key a popup-menu item stands for ("N01", "N11".."NG1", "P12".."PG2"); Ctrl is
    // held for items of the pencil-note submenu. 0 when the name is no value item.
    static int MenuItemKey(std::string_view itemName, bool& ctrl);
    // The name of the popup-menu item of a value (0 clears), on the note submenu or not.
    static std::string MenuItemName(int value, bool note);

    // The key of a value as the strip sends it: 1..9 as digits, 10..16 as Q..W.
    static int ValueKey(int value);

    // Distance between the symbols of a strip: the width shared out from 10 symbols on, a fixed
    // step at the layout's scale below.
    static int StripStep(int stripWidth, int gridSize, double scale);
    // The symbol under x on a strip of the given width; 0 for none and beyond the grid size.
    static int StripSymbolAt(int x, int stripWidth, int gridSize, double scale);

    // The values 1 to gridSize of a "," list of cell texts, in order; other items are skipped.
    static std::vector<int> ListValues(std::string_view list, int gridSize);

    // Removes or appends the note token "v," exactly (a note 11 is never taken for 1).
    static std::string ToggleNote(std::string_view notes, int value);
};

} // namespace sudoku
