// Key table per display set, note toggling, popup-menu items and strip clicks.
#include "TCellInput.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace sudoku {
namespace {

constexpr TKeyAction Value(int v) {
    return {TKeyKind::Value, v};
}
constexpr TKeyAction None{};
constexpr TKeyAction Clear{TKeyKind::Clear, 0};

TEST(CellInput, KeyTableOfEveryDisplaySet) {
    // Display set, grid size, keys, and the value each gives (0 for none, or Cleared).
    constexpr int Cleared = -1;
    const std::tuple<int, int, std::vector<int>, std::vector<int>> cases[] = {
        {0, 9, {'1', '0', 'Q', vk::Numpad1}, {1, 0, 0, 1}}, // no value above N
        {0, 16, {'W', 'X', vk::Back}, {16, 0, Cleared}},
        {0, 4, {'R', '4', '5', vk::Numpad1 + 6}, {0, 4, 0, 0}},
        {1, 9, {'A', 'I', 'J', 'Q', vk::Delete, vk::Numpad1 + 4}, {1, 9, 0, 0, Cleared, 5}},
        {2, 9, {'9', 'S', 'I', 'E'}, {9, 1, 2, 9}},
        {2, 9, {'R', 'Q', vk::Space, vk::Numpad1}, {8, 0, Cleared, 0}},
        {2, 16, {'S', vk::Numpad1 + 2}, {12, 3}},
        {3, 9, {'T', vk::Clear, vk::Numpad9}, {0, Cleared, 9}},
        {1, 6, {'F', 'G'}, {6, 0}},
    };
    for (const auto& [set, n, keys, values] : cases)
        for (std::size_t i = 0; i < keys.size(); ++i) {
            const int v = values[i];
            EXPECT_EQ(TCellInput::KeyToAction(keys[i], false, set, n), v == Cleared ? Clear
                                                                       : v == 0     ? None
                                                                                    : Value(v))
                << "key " << keys[i] << " set " << set << " N " << n;
        }
    // Ctrl keeps the mapping (notes) but not the pause key.
    EXPECT_EQ(TCellInput::KeyToAction('S', true, 2, 9), Value(1));
    EXPECT_EQ(TCellInput::KeyToAction(vk::Pause, false, 0, 9), (TKeyAction{TKeyKind::Pause, 0}));
    EXPECT_EQ(TCellInput::KeyToAction(vk::Pause, true, 0, 9), None);
}

TEST(CellInput, ValuesNotesAndClearing) {
    const std::tuple<const char*, TKeyAction, bool, const char*> cases[] = {
        {"3,7,", Value(5), false, "5"},     // a value replaces the notes
        {"3", Value(5), true, "5,"},        // Ctrl drops the value, then adds the note
        {"5,", Value(5), true, ""},         // Ctrl twice leaves the cell empty
        {"3,7,1,", Value(7), true, "3,1,"}, // notes keep the order they were added in
        {"3,7,", Value(1), true, "3,7,1,"},
        {"11,1,", Value(1), true, "11,"}, // exact token: 11 is not 1
        {"16,", Value(6), true, "16,6,"},
        {"4", Clear, false, ""},
    };
    for (const auto& [text, action, ctrl, expected] : cases)
        EXPECT_EQ(TCellInput::ApplyAction(text, action, ctrl), expected)
            << "text '" << text << "' value " << action.Value << " ctrl " << ctrl;
}

TEST(CellInput, MenuItemsAndStripValuesComeBackAsTheirValues) {
    for (const bool note : {false, true})
        for (int value = 0; value <= 16; ++value) {
            const std::string name = TCellInput::MenuItemName(value, note);
            bool ctrl = !note;
            const int key = TCellInput::MenuItemKey(name, ctrl);
            EXPECT_EQ(ctrl, note) << name;
            EXPECT_EQ(key, value == 0 ? vk::Delete : TCellInput::ValueKey(value)) << name;
            EXPECT_EQ(TCellInput::KeyToAction(key, false, 0, 16), value ? Value(value) : Clear);
        }
    bool ctrl = false;
    for (const char* name : {"X11", "NH1", "N1"})
        EXPECT_EQ(TCellInput::MenuItemKey(name, ctrl), 0) << name;
}

TEST(CellInput, StripSymbolUnderTheClick) {
    // x, strip width, grid size, scale, the symbol there.
    const std::tuple<int, int, int, double, int> cases[] = {
        {0, 255, 9, 1.0, 1},     {26, 255, 9, 1.0, 1},   {27, 255, 9, 1.0, 2},
        {250, 255, 9, 1.0, 0},   {242, 255, 9, 1.0, 9},  {33, 318, 9, 1.25, 2},
        {100, 255, 4, 1.0, 4},   {110, 255, 4, 1.0, 0},  {0, 256, 16, 1.0, 1},
        {255, 256, 16, 1.0, 16}, {256, 256, 16, 1.0, 0}, {-1, 255, 9, 1.0, 0},
    };
    for (const auto& [x, width, n, scale, symbol] : cases)
        EXPECT_EQ(TCellInput::StripSymbolAt(x, width, n, scale), symbol) << "x " << x << " N " << n;
}

} // namespace
} // namespace sudoku
