// Key table per display set, note toggling, popup-menu items and strip clicks.
#include "TCellInput.h"

#include <gtest/gtest.h>

#include <vector>

namespace sudoku {
namespace {

constexpr TKeyAction Value(int v) {
    return {TKeyKind::Value, v};
}
constexpr TKeyAction None{};
constexpr TKeyAction Clear{TKeyKind::Clear, 0};

TEST(CellInput, KeyTableOfEveryDisplaySet) {
    // Each key gives the value beside it, 0 for no action, or Cleared.
    constexpr int Cleared = -1;
    struct Case {
        int DisplaySet, GridSize;
        std::vector<int> Keys, Expected;
    };
    const Case cases[] = {
        {0, 9, {'1', '0', 'Q', vk::Numpad1}, {1, 0, 0, 1}}, // no value above N
        {0, 16, {'W', 'X', vk::Back}, {16, 0, Cleared}},
        {0, 4, {'R', '4', '5', vk::Numpad1 + 6}, {0, 4, 0, 0}},
        {1, 9, {'A', 'I', 'J', 'Q', vk::Delete, vk::Numpad1 + 4}, {1, 9, 0, 0, Cleared, 5}},
        {1, 16, {'A'}, {0}},
        {2, 9, {'9', 'S', 'I', 'E'}, {9, 1, 2, 9}},
        {2, 9, {'R', 'Q', vk::Space, vk::Numpad1}, {8, 0, Cleared, 0}},
        {2, 16, {'S', vk::Numpad1 + 2}, {12, 3}},
        {3, 9, {'T', vk::Clear, vk::Numpad9}, {0, Cleared, 9}},
        {1, 6, {'F', 'G'}, {6, 0}},
    };
    for (const auto& c : cases)
        for (std::size_t i = 0; i < c.Keys.size(); ++i) {
            const int v = c.Expected[i];
            EXPECT_EQ(TCellInput::KeyToAction(c.Keys[i], false, c.DisplaySet, c.GridSize),
                      v == Cleared ? Clear
                      : v == 0     ? None
                                   : Value(v))
                << "key " << c.Keys[i] << " set " << c.DisplaySet << " N " << c.GridSize;
        }
    // Ctrl keeps the mapping (notes) but not the pause key.
    EXPECT_EQ(TCellInput::KeyToAction('S', true, 2, 9), Value(1));
    EXPECT_EQ(TCellInput::KeyToAction('Q', true, 0, 9), None);
    EXPECT_EQ(TCellInput::KeyToAction(vk::Pause, false, 0, 9), (TKeyAction{TKeyKind::Pause, 0}));
    EXPECT_EQ(TCellInput::KeyToAction(vk::Pause, true, 0, 9), None);
    // The strip and the menu send values as keys; every value must come back.
    for (int v = 1; v <= 16; ++v)
        EXPECT_EQ(TCellInput::KeyToAction(TCellInput::ValueKey(v), false, 0, 16), Value(v));
    EXPECT_EQ(TCellInput::ValueKey(0), 0);
    EXPECT_EQ(TCellInput::ValueKey(17), 0);
}

TEST(CellInput, ValuesNotesAndClearing) {
    struct Case {
        const char* Text;
        TKeyAction Action;
        bool Ctrl;
        const char* Expected;
    };
    const Case cases[] = {
        {"", Value(5), false, "5"},
        {"3,7,", Value(5), false, "5"},     // a value replaces the notes
        {"3", Value(5), true, "5,"},        // Ctrl drops the value, then adds the note
        {"5,", Value(5), true, ""},         // Ctrl twice leaves the cell empty
        {"3,7,1,", Value(7), true, "3,1,"}, // notes keep the order they were added in
        {"3,7,", Value(1), true, "3,7,1,"},
        {"11,1,", Value(1), true, "11,"}, // exact token: 11 is not 1
        {"1,11,", Value(1), true, "11,"},
        {"11,", Value(1), true, "11,1,"},
        {"11,1,", Value(11), true, "1,"},
        {"16,", Value(6), true, "16,6,"},
        {"3,7,", Clear, true, ""},
        {"4", Clear, false, ""},
        {"", Clear, false, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TCellInput::ApplyAction(c.Text, c.Action, c.Ctrl), c.Expected)
            << "text '" << c.Text << "' value " << c.Action.Value << " ctrl " << c.Ctrl;
}

TEST(CellInput, MenuItemsBecomeKeys) {
    struct Case {
        const char* Name;
        int Key;
        bool Ctrl;
    };
    const Case cases[] = {
        {"N01", vk::Delete, false}, {"N11", '1', false},       {"N91", '9', false},
        {"NA1", 'Q', false},        {"NG1", 'W', false},       {"P12", '1', true},
        {"PG2", 'W', true},         {"P02", vk::Delete, true}, {"X11", 0, false},
        {"NH1", 0, false},          {"N1", 0, false},
    };
    for (const auto& c : cases) {
        bool ctrl = !c.Ctrl;
        EXPECT_EQ(TCellInput::MenuItemKey(c.Name, ctrl), c.Key) << c.Name;
        if (c.Key != 0) {
            EXPECT_EQ(ctrl, c.Ctrl) << c.Name;
        }
    }
}

TEST(CellInput, EveryMenuItemNameLeadsBackToItsValue) {
    for (const bool note : {false, true})
        for (int value = 0; value <= 16; ++value) {
            const std::string name = TCellInput::MenuItemName(value, note);
            bool ctrl = !note;
            const int key = TCellInput::MenuItemKey(name, ctrl);
            EXPECT_EQ(ctrl, note) << name;
            if (value == 0) {
                EXPECT_EQ(key, vk::Delete) << name;
            } else {
                const TKeyAction action = TCellInput::KeyToAction(key, ctrl, 0, 16);
                EXPECT_EQ(action, Value(value)) << name;
            }
        }
}

TEST(CellInput, StripSymbolUnderTheClick) {
    struct Case {
        int X, Width, GridSize;
        double Scale;
        int Symbol;
    };
    const Case cases[] = {
        {0, 255, 9, 1.0, 1},     {26, 255, 9, 1.0, 1},   {27, 255, 9, 1.0, 2},
        {250, 255, 9, 1.0, 0},   {242, 255, 9, 1.0, 9},  {33, 318, 9, 1.25, 2},
        {100, 255, 4, 1.0, 4},   {110, 255, 4, 1.0, 0},  {0, 256, 16, 1.0, 1},
        {255, 256, 16, 1.0, 16}, {256, 256, 16, 1.0, 0}, {-1, 255, 9, 1.0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TCellInput::StripSymbolAt(c.X, c.Width, c.GridSize, c.Scale), c.Symbol)
            << "x " << c.X << " N " << c.GridSize;
}

} // namespace
} // namespace sudoku
