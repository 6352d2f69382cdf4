// Key table per display set, note toggling, popup-menu items and strip clicks.
#include "TCellInput.h"

#include <gtest/gtest.h>

namespace sudoku {
namespace {

struct KeyCase {
    int Key;
    int DisplaySet;
    int GridSize;
    TKeyAction Expected;
};

TEST(CellInputKeyTable, MapsEveryDisplaySet) {
    const TKeyAction none{};
    const auto value = [](int v) { return TKeyAction{TKeyKind::Value, v}; };
    const TKeyAction clear{TKeyKind::Clear, 0};
    const KeyCase cases[] = {
        {'1', 0, 9, value(1)},
        {'9', 2, 9, value(9)},
        {'0', 0, 9, none},
        {vk::Delete, 1, 9, clear},
        {vk::Back, 0, 16, clear},
        {vk::Space, 2, 9, clear},
        {vk::Clear, 3, 9, clear},
        {vk::Numpad1, 0, 9, value(1)},
        {vk::Numpad9, 3, 9, value(9)},
        {vk::Numpad1 + 4, 1, 9, value(5)},
        {vk::Numpad1, 2, 9, none},
        {vk::Numpad1 + 2, 2, 16, value(3)},
        {'Q', 0, 9, value(10)},
        {'W', 0, 16, value(16)},
        {'T', 3, 9, value(13)},
        {'Q', 1, 9, none},
        {'A', 1, 9, value(1)},
        {'I', 1, 9, value(9)},
        {'J', 1, 9, none},
        {'S', 2, 9, value(1)},
        {'I', 2, 9, value(2)},
        {'E', 2, 9, value(9)},
        {'R', 2, 9, value(8)},
        {'Q', 2, 9, none},
        {'S', 2, 16, value(12)},
        {'A', 1, 16, none},
        {'R', 0, 4, value(11)},
        {'X', 0, 16, none},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TCellInput::KeyToAction(c.Key, false, c.DisplaySet, c.GridSize), c.Expected)
            << "key " << c.Key << " set " << c.DisplaySet << " N " << c.GridSize;
}

TEST(CellInputKeyTable, CtrlKeepsTheMappingButNotPause) {
    EXPECT_EQ(TCellInput::KeyToAction('S', true, 2, 9), (TKeyAction{TKeyKind::Value, 1}));
    EXPECT_EQ(TCellInput::KeyToAction(vk::Pause, false, 0, 9).Kind, TKeyKind::Pause);
    EXPECT_EQ(TCellInput::KeyToAction(vk::Pause, true, 0, 9).Kind, TKeyKind::None);
}

struct ApplyCase {
    const char* Text;
    TKeyAction Action;
    bool Ctrl;
    const char* Expected;
};

TEST(CellInputApply, ValuesNotesAndClearing) {
    const auto value = [](int v) { return TKeyAction{TKeyKind::Value, v}; };
    const TKeyAction clear{TKeyKind::Clear, 0};
    const ApplyCase cases[] = {
        {"", value(5), false, "5"},
        {"3,7,", value(5), false, "5"},     // a value replaces the notes
        {"3", value(5), true, "5,"},        // Ctrl drops the value, then adds the note
        {"5,", value(5), true, ""},         // Ctrl twice leaves the cell empty
        {"3,7,1,", value(7), true, "3,1,"}, // notes keep the order they were added in
        {"3,7,", value(1), true, "3,7,1,"},
        {"11,1,", value(1), true, "11,"}, // exact token: 11 is not 1
        {"1,11,", value(1), true, "11,"},
        {"11,", value(1), true, "11,1,"},
        {"11,1,", value(11), true, "1,"},
        {"16,", value(6), true, "16,6,"},
        {"3,7,", clear, true, ""},
        {"4", clear, false, ""},
        {"", clear, false, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TCellInput::ApplyAction(c.Text, c.Action, c.Ctrl), c.Expected)
            << "text '" << c.Text << "' value " << c.Action.Value << " ctrl " << c.Ctrl;
}

TEST(CellInputMenu, ItemsBecomeKeys) {
    struct MenuCase {
        const char* Name;
        int Key;
        bool Ctrl;
    };
    const MenuCase cases[] = {
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

TEST(CellInputStrip, SymbolUnderTheClick) {
    struct StripCase {
        int X, Width, GridSize;
        double Scale;
        int Symbol;
    };
    const StripCase cases[] = {
        {0, 255, 9, 1.0, 1},    {26, 255, 9, 1.0, 1},  {27, 255, 9, 1.0, 2},
        {250, 255, 9, 1.0, 0},  {242, 255, 9, 1.0, 9}, {33, 318, 9, 1.25, 2},
        {100, 255, 4, 1.0, 4},  {0, 256, 16, 1.0, 1},  {255, 256, 16, 1.0, 16},
        {256, 256, 16, 1.0, 0}, {-1, 255, 9, 1.0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TCellInput::StripSymbolAt(c.X, c.Width, c.GridSize, c.Scale), c.Symbol)
            << "x " << c.X << " N " << c.GridSize;
}

TEST(CellInputStrip, ValuesSentAsKeysRoundTrip) {
    for (int v = 1; v <= 16; ++v) {
        const TKeyAction action = TCellInput::KeyToAction(TCellInput::ValueKey(v), false, 0, 16);
        EXPECT_EQ(action, (TKeyAction{TKeyKind::Value, v}));
    }
    EXPECT_EQ(TCellInput::ValueKey(0), 0);
    EXPECT_EQ(TCellInput::ValueKey(17), 0);
}

} // namespace
} // namespace sudoku
