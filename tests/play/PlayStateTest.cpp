// Play state: the undo history, change, undo and redo of cells with the blink replay, the grid
// checks and the completion test; cell input: the key table per display set, note toggling,
// popup-menu items and strip clicks.
#include "TCellInput.h"
#include "TPlayState.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace sudoku {
namespace {

// A solved 4 x 4 board (2 x 2 boxes) on the flag set the window shares.
class PlayState : public ::testing::Test {
protected:
    void SetUp() override {
        constexpr int Solution[4][4] = {{1, 2, 3, 4}, {3, 4, 1, 2}, {2, 1, 4, 3}, {4, 3, 2, 1}};
        State.SetBoxShape(2, 2);
        for (int index = 0; index < 16; ++index) {
            const int col = index % 4 + 1, row = index / 4 + 1, value = Solution[row - 1][col - 1];
            State.SolutionValues[CellIndex(col, row)] = static_cast<std::uint8_t>(value);
            State.SetCellText(col, row, std::to_string(value));
        }
    }

    TSuDoKuState Flags = 0;
    TPlayState State{Flags};
};

TEST_F(PlayState, HistoryIsNewestFirstAndUndoAndRedoWalkItExactlyWithTheBlinkReplay) {
    // The history lists the newest move first and refuses texts that would corrupt it.
    TMoveHistory moves;
    ASSERT_TRUE(moves.Push(3, 2, ""));
    ASSERT_TRUE(moves.Push(12, 16, "2,4,"));
    EXPECT_FALSE(moves.Push(1, 1, "3|4"));
    EXPECT_FALSE(moves.Push(1, 1, "a=b"));
    EXPECT_EQ(moves.Text(), "12,16=2,4,|3,2=|");
    for (const auto& [col, row, text] : {std::tuple(12, 16, "2,4,"), std::tuple(3, 2, "")}) {
        const auto entry = moves.Pop();
        ASSERT_TRUE(entry);
        EXPECT_EQ(std::tie(entry->Col, entry->Row, entry->PreviousText),
                  std::tuple(col, row, std::string(text)));
    }
    EXPECT_FALSE(moves.Pop());
    moves.SetText("1,1=5"); // unterminated: nothing to undo
    EXPECT_FALSE(moves.Pop());
    State.SetCellText(1, 1, "");
    ASSERT_TRUE(State.ChangeCell(1, 1, "2,"));
    EXPECT_FALSE(State.ChangeCell(1, 1, "2,"));
    EXPECT_FALSE(State.ChangeCell(5, 1, "1"));
    EXPECT_FALSE(State.ChangeCell(0, 1, "1"));
    EXPECT_EQ(State.MoveHistory.Text(), "1,1=|");
    ASSERT_TRUE(State.ChangeCell(1, 1, "2,3,"));
    ASSERT_TRUE(State.ChangeCell(1, 1, ""));
    EXPECT_EQ(TextToValue(State.AlternativeStrings[CellIndex(1, 1)]), 1); // the row forces 1
    // An undo blinks the cell four times between the two texts and recomputes alternatives.
    State.AlternativeStrings[CellIndex(1, 1)] = "stale";
    std::vector<std::string> shown;
    std::vector<int> waits;
    ASSERT_TRUE(State.Undo(
        {[&] { shown.push_back(State.CellText(1, 1)); }, [&](int ms) { waits.push_back(ms); }}));
    EXPECT_EQ(shown, (std::vector<std::string>{"", "2,3,", "", "2,3,", "", "2,3,", "", "2,3,"}));
    EXPECT_EQ(waits, (std::vector<int>{100, 200, 100, 200, 100, 200, 100, 200}));
    EXPECT_NE(State.AlternativeStrings[CellIndex(1, 1)], "stale");
    for (const char* text : {"2,", ""}) {
        ASSERT_TRUE(State.Undo({}));
        EXPECT_EQ(State.CellText(1, 1), text);
    }
    EXPECT_FALSE(State.Undo({}));
    // Redo walks forward again, exactly, until a new change.
    for (const char* text : {"2,", "2,3,"}) {
        ASSERT_TRUE(State.Redo({}));
        EXPECT_EQ(State.CellText(1, 1), text);
    }
    EXPECT_EQ(State.MoveHistory.Text(), "1,1=2,|1,1=|");
    ASSERT_TRUE(State.ChangeCell(1, 1, "4"));
    EXPECT_FALSE(State.Redo({}));
    // A damaged history, as a hostile record may bring, changes nothing.
    const TSuDoKuStrings before = State.Cells;
    for (const char* history : {"no bar", "x,1=5|", "17,1=5|", "1,0=5|", "2,y=4|"}) {
        State.MoveHistory.SetText(history);
        EXPECT_FALSE(State.Undo({})) << history;
    }
    EXPECT_EQ(State.Cells, before);
}

TEST_F(PlayState, GridChecksSymbolsToPlaceAndACompletionOnlyOfAPlayableCorrectGame) {
    EXPECT_EQ(State.SymbolsToPlace(), (std::vector<int>{0, 0, 0, 0, 0}));
    // Changes (col, row, text) to the solved board; full, solved, errors.
    using TChanges = std::vector<std::tuple<int, int, const char*>>;
    const std::tuple<TChanges, bool, bool, int> cases[] = {
        {{}, true, true, 0},
        {{{1, 1, ""}}, false, false, 1},
        {{{2, 1, "3"}}, true, false, 1},
        {{{1, 1, "1,"}, {3, 1, "3,4,"}}, true, false, 2}, // notes fill a cell, wrongly
        {{{4, 1, "16"}}, true, false, 1},                 // above the grid size
        {{{1, 1, "$01"}}, true, false, 1},                // the fixed form is not the text
        {{{5, 5, ""}, {16, 16, "9"}}, true, true, 0},     // outside the grid
    };
    const TSuDoKuStrings solved = State.Cells;
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& [changes, full, isSolved, errors] = cases[i];
        State.Cells = solved;
        for (const auto& [col, row, text] : changes)
            State.Cells[CellIndex(col, row)] = text;
        EXPECT_EQ(std::tuple(State.SuDoKuGridIsFull(), State.SuDoKuGridIsSolved(),
                             State.SuDoKuGridErrorCount()),
                  std::tuple(full, isSolved, errors))
            << "case " << i;
    }
    State.SetCellText(1, 1, "");     // a 1 less
    State.SetCellText(2, 1, "1,2,"); // a 2 less: notes are no value
    State.SetCellText(3, 1, "1");    // a 3 less, and a fifth 1 counts for nothing more
    EXPECT_EQ(State.SymbolsToPlace(), (std::vector<int>{0, 0, 1, 1, 0}));
    State.Cells = solved;
    // A completion test ends only a playable correct game: the states in which a correct grid
    // ends the game, then those in which it never does.
    const std::pair<std::vector<TSuDoKuState>, bool> groups[] = {
        {{sfPlaying, sfPlaying | sfShowErrors}, true},
        {{0, sfPlaying | sfSolved, sfPlaying | sfPaused, sfPlaying | sfLoading,
          sfPlaying | sfThinking, sfPlaying | sfRestarting, sfPlaying | sfValidating},
         false}};
    for (const auto& [states, canEnd] : groups)
        for (const TSuDoKuState flags : states)
            for (const bool correct : {true, false}) {
                SCOPED_TRACE(testing::Message() << "state " << flags << " correct " << correct);
                State.SetCellText(3, 3, correct ? "4" : "1");
                State.SuDoKuState = flags;
                State.PlayNSolveStatus = psInProgress;
                const bool ends = canEnd && correct;
                EXPECT_EQ(State.CompletionTest(), ends);
                EXPECT_EQ(State.SuDoKuState, ends ? sfSolved : flags);
                EXPECT_EQ(State.PlayNSolveStatus, ends ? psOver : psInProgress);
            }
}

constexpr TKeyAction Value(int v) {
    return {TKeyKind::Value, v};
}
constexpr TKeyAction None{};
constexpr TKeyAction Clear{TKeyKind::Clear, 0};

TEST(CellInput, KeyTableOfEveryDisplaySetAndWhatAnActionDoesToACell) {
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

    // What an action does to a cell's text.
    const std::tuple<const char*, TKeyAction, bool, const char*> texts[] = {
        {"3,7,", Value(5), false, "5"},     // a value replaces the notes
        {"3", Value(5), true, "5,"},        // Ctrl drops the value, then adds the note
        {"5,", Value(5), true, ""},         // Ctrl twice leaves the cell empty
        {"3,7,1,", Value(7), true, "3,1,"}, // notes keep the order they were added in
        {"3,7,", Value(1), true, "3,7,1,"},
        {"11,1,", Value(1), true, "11,"}, // exact token: 11 is not 1
        {"16,", Value(6), true, "16,6,"},
        {"4", Clear, false, ""},
    };
    for (const auto& [text, action, ctrl, expected] : texts)
        EXPECT_EQ(TCellInput::ApplyAction(text, action, ctrl), expected)
            << "text '" << text << "' value " << action.Value << " ctrl " << ctrl;
}

TEST(CellInput, MenuItemsComeBackAsTheirValuesAndStripClicksAsTheSymbolThere) {
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
