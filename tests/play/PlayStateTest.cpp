// Play state: change and undo of cells with the blink replay, the grid checks and the
// completion test.
#include "TPlayState.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace sudoku {
namespace {

// A valid 4 x 4 solution (2 x 2 boxes), rows top to bottom.
constexpr int Solution4[4][4] = {{1, 2, 3, 4}, {3, 4, 1, 2}, {2, 1, 4, 3}, {4, 3, 2, 1}};

// flags stands for the state set the window shares.
TPlayState SolvedFourByFour(TSuDoKuState& flags) {
    TPlayState state(flags);
    state.SetBoxShape(2, 2);
    for (int row = 1; row <= 4; ++row)
        for (int col = 1; col <= 4; ++col) {
            const int value = Solution4[row - 1][col - 1];
            state.SolutionValues[CellIndex(col, row)] = static_cast<std::uint8_t>(value);
            state.SetCellText(col, row, std::to_string(value));
        }
    return state;
}

// Records the blink replay: the undone cell's text at every repaint, and the waits.
struct ReplayLog {
    std::vector<std::string> Shown;
    std::vector<int> Waits;
};

TUndoHooks Recorder(ReplayLog& log, const TPlayState& state, int col, int row) {
    return {[&log, &state, col, row] { log.Shown.push_back(state.CellText(col, row)); },
            [&log](int ms) { log.Waits.push_back(ms); }};
}

TEST(PlayState, ChangePushesOnlyOnRealChangeUndoWalksBackAndRedoForward) {
    TSuDoKuState flags = 0;
    TPlayState state = SolvedFourByFour(flags);
    state.SetCellText(1, 1, "");
    ASSERT_TRUE(state.ChangeCell(1, 1, "2,"));
    EXPECT_EQ(state.MoveHistory.Text(), "1,1=|");
    EXPECT_FALSE(state.ChangeCell(1, 1, "2,"));
    EXPECT_FALSE(state.ChangeCell(5, 1, "1"));
    EXPECT_FALSE(state.ChangeCell(0, 1, "1"));
    EXPECT_EQ(state.MoveHistory.Text(), "1,1=|");
    ASSERT_TRUE(state.ChangeCell(1, 1, "2,3,"));
    ASSERT_TRUE(state.ChangeCell(1, 1, "1"));
    for (const char* text : {"2,3,", "2,", ""}) {
        ASSERT_TRUE(state.Undo({}));
        EXPECT_EQ(state.CellText(1, 1), text);
    }
    EXPECT_FALSE(state.Undo({}));
    // Redo walks forward again, exactly, until a new change.
    for (const char* text : {"2,", "2,3,"}) {
        ASSERT_TRUE(state.Redo({}));
        EXPECT_EQ(state.CellText(1, 1), text);
    }
    EXPECT_EQ(state.MoveHistory.Text(), "1,1=2,|1,1=|");
    ASSERT_TRUE(state.ChangeCell(1, 1, "4"));
    EXPECT_TRUE(state.RedoHistory.IsEmpty());
    EXPECT_FALSE(state.Redo({}));
    EXPECT_EQ(state.CellText(1, 1), "4");
}

TEST(PlayState, UndoRestoresPreviousTextsExactlyWithBlinkReplay) {
    for (const char* previous : {"", "3,7,1,", "2", "1,4,"}) {
        SCOPED_TRACE(previous);
        TSuDoKuState flags = 0;
        TPlayState state = SolvedFourByFour(flags);
        state.SetCellText(4, 2, previous);
        ASSERT_TRUE(state.ChangeCell(4, 2, "3"));
        ReplayLog log;
        EXPECT_TRUE(state.Undo(Recorder(log, state, 4, 2)));
        EXPECT_EQ(state.CellText(4, 2), previous);
        EXPECT_TRUE(state.MoveHistory.IsEmpty());
        ReplayLog expected;
        for (int blink = 0; blink < 4; ++blink) {
            expected.Shown.insert(expected.Shown.end(), {"3", previous});
            expected.Waits.insert(expected.Waits.end(), {100, 200});
        }
        EXPECT_EQ(log.Shown, expected.Shown);
        EXPECT_EQ(log.Waits, expected.Waits);
    }
}

TEST(PlayState, UndoOfEmptyOrDamagedHistoryChangesNothing) {
    for (const char* history : {"", "no bar", "x,1=5|", "17,1=5|", "1,0=5|"}) {
        SCOPED_TRACE(history);
        TSuDoKuState flags = 0;
        TPlayState state = SolvedFourByFour(flags);
        state.MoveHistory.SetText(history);
        const TSuDoKuStrings before = state.Cells;
        ReplayLog log;
        EXPECT_FALSE(state.Undo(Recorder(log, state, 1, 1)));
        EXPECT_EQ(state.Cells, before);
        EXPECT_TRUE(log.Shown.empty() && log.Waits.empty());
    }
}

TEST(PlayState, SymbolsToPlaceCountValuesOnly) {
    TSuDoKuState flags = 0;
    TPlayState state = SolvedFourByFour(flags);
    EXPECT_EQ(state.SymbolsToPlace(), (std::vector<int>{0, 0, 0, 0, 0}));
    state.SetCellText(1, 1, "");     // a 1 less
    state.SetCellText(2, 1, "1,2,"); // a 2 less: notes are no value
    state.SetCellText(3, 1, "1");    // a 3 less, and a fifth 1 counts for nothing more
    EXPECT_EQ(state.SymbolsToPlace(), (std::vector<int>{0, 0, 1, 1, 0}));
}

TEST(PlayState, ChangeAndUndoRecomputeTheAlternatives) {
    TSuDoKuState flags = 0;
    TPlayState state = SolvedFourByFour(flags);
    ASSERT_TRUE(state.ChangeCell(1, 1, ""));
    // Each emptied cell has one candidate left, the value the rest of its row forces.
    EXPECT_EQ(TextToValue(state.AlternativeStrings[CellIndex(1, 1)]), 1);
    ASSERT_TRUE(state.ChangeCell(2, 1, ""));
    EXPECT_EQ(TextToValue(state.AlternativeStrings[CellIndex(2, 1)]), 2);
    state.AlternativeStrings[CellIndex(2, 1)] = "stale";
    ASSERT_TRUE(state.Undo({}));
    EXPECT_EQ(state.CellText(2, 1), "2");
    EXPECT_NE(state.AlternativeStrings[CellIndex(2, 1)], "stale");
}

TEST(PlayState, GridChecks) {
    struct Case {
        const char* Name;
        const char* EveryCell; // written into all 16 cells first, unless null
        std::vector<std::tuple<int, int, std::string>> Changes; // col, row, text
        bool Full, Solved;
        int Errors;
    };
    const std::vector<Case> cases = {
        {"solved", nullptr, {}, true, true, 0},
        {"one empty", nullptr, {{1, 1, ""}}, false, false, 1},
        {"one wrong", nullptr, {{2, 1, "3"}}, true, false, 1},
        {"notes count as filled", nullptr, {{1, 1, "1,"}, {3, 1, "3,4,"}}, true, false, 2},
        {"every cell holds notes", "1,2,", {}, true, false, 16},
        {"value above grid size", nullptr, {{4, 1, "16"}}, true, false, 1},
        {"fixed form is not the decimal text", nullptr, {{1, 1, "$01"}}, true, false, 1},
        {"cells outside the grid", nullptr, {{5, 5, ""}, {16, 16, "9"}}, true, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TSuDoKuState flags = 0;
        TPlayState state = SolvedFourByFour(flags);
        for (int index = 0; c.EveryCell && index < 16; ++index)
            state.SetCellText(index % 4 + 1, index / 4 + 1, c.EveryCell);
        for (const auto& [col, row, text] : c.Changes)
            state.Cells[CellIndex(col, row)] = text;
        EXPECT_EQ(state.SuDoKuGridIsFull(), c.Full);
        EXPECT_EQ(state.SuDoKuGridIsSolved(), c.Solved);
        EXPECT_EQ(state.SuDoKuGridErrorCount(), c.Errors);
    }
}

TEST(PlayState, CompletionTestEndsOnlyAPlayableCorrectGame) {
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
                TSuDoKuState shared = 0;
                TPlayState state = SolvedFourByFour(shared);
                if (!correct)
                    state.SetCellText(3, 3, "1");
                state.SuDoKuState = flags;
                state.PlayNSolveStatus = psInProgress;
                const bool ends = canEnd && correct;
                EXPECT_EQ(state.CompletionTest(), ends);
                EXPECT_EQ(state.SuDoKuState, ends ? sfSolved : flags);
                EXPECT_EQ(state.PlayNSolveStatus, ends ? psOver : psInProgress);
            }
}

TEST(PlayState, GivensMatchTheirSolutionAndANewShapeClearsTheGame) {
    TSuDoKuState flags = 0;
    TPlayState state = SolvedFourByFour(flags);
    state.GivenStrings[CellIndex(1, 1)] = "1";
    state.GivenStrings[CellIndex(2, 1)] = "3";
    EXPECT_TRUE(state.IsGiven(1, 1));
    EXPECT_FALSE(state.IsGiven(2, 1));
    EXPECT_FALSE(state.IsGiven(3, 1));
    EXPECT_FALSE(state.IsGiven(0, 1));

    ASSERT_TRUE(state.ChangeCell(1, 1, ""));
    state.SetBoxShape(4, 2);
    EXPECT_EQ(state.GridSize(), 8);
    EXPECT_TRUE(state.MoveHistory.IsEmpty());
    EXPECT_EQ(state.CellText(2, 1), "");
    EXPECT_EQ(state.SolutionValues[CellIndex(2, 1)], 0);
}

} // namespace
} // namespace sudoku
