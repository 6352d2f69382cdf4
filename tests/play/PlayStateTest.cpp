// Play state: the undo history, change, undo and redo of cells with the blink replay, the grid
// checks and the completion test.
#include "TPlayState.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace sudoku {
namespace {

TEST(MoveHistory, NewestFirstAndRefusesTextsThatWouldCorruptIt) {
    TMoveHistory history;
    ASSERT_TRUE(history.Push(3, 2, ""));
    ASSERT_TRUE(history.Push(12, 16, "2,4,"));
    EXPECT_FALSE(history.Push(1, 1, "3|4"));
    EXPECT_FALSE(history.Push(1, 1, "a=b"));
    EXPECT_EQ(history.Text(), "12,16=2,4,|3,2=|");
    for (const auto& [col, row, text] : {std::tuple(12, 16, "2,4,"), std::tuple(3, 2, "")}) {
        const auto entry = history.Pop();
        ASSERT_TRUE(entry);
        EXPECT_EQ(std::tie(entry->Col, entry->Row, entry->PreviousText),
                  std::tuple(col, row, std::string(text)));
    }
    EXPECT_FALSE(history.Pop());
    history.SetText("1,1=5"); // unterminated: nothing to undo
    EXPECT_FALSE(history.Pop());
}

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

TEST_F(PlayState, ChangeUndoAndRedoWalkTheHistoryExactlyWithTheBlinkReplay) {
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

TEST_F(PlayState, GridChecksAndSymbolsToPlace) {
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
}

TEST_F(PlayState, CompletionTestEndsOnlyAPlayableCorrectGame) {
    // The states in which a correct grid ends the game, then those in which it never does.
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

} // namespace
} // namespace sudoku
