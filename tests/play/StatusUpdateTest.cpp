// Enabling table of the Play & Solve controls, the display name and the alternatives display
// for every display-set case.
#include "TStatusUpdate.h"

#include <gtest/gtest.h>

namespace sudoku {
namespace {

TStatusInput Input(TSuDoKuState state, bool history = true) {
    TStatusInput in;
    in.State = state;
    in.Hints = in.Errors = in.Alternatives = true;
    in.HistoryHasEntry = history;
    in.SolutionUsable = true;
    return in;
}

TEST(StatusUpdateControls, TableByState) {
    struct Case {
        const char* Name;
        TSuDoKuState State;
        // grid, new, pause, restart, undo, hint, errors, solution, alternatives label
        bool Grid, New, Pause, Restart, Undo, Hint, Errors, Solution, Alt;
    };
    const Case cases[] = {
        {"idle", 0, true, true, false, false, false, false, false, false, false},
        {"playing", sfPlaying, true, true, true, true, true, true, true, true, true},
        {"paused", sfPlaying | sfPaused, false, true, true, true, false, false, false, true, false},
        {"solved", sfSolved, true, true, false, true, false, false, false, false, false},
        {"thinking", sfThinking, false, false, false, false, false, false, false, false, false},
        {"loading", sfPlaying | sfLoading, false, false, false, false, false, false, false, false,
         false},
        {"saving", sfPlaying | sfSaving, true, true, true, true, true, true, true, true, true},
        {"restarting", sfRestarting, false, true, false, false, false, false, false, false, false},
        {"hinting", sfPlaying | sfHinting, true, true, true, true, true, true, true, true, true},
        {"validating", sfPlaying | sfValidating, false, false, false, false, false, false, false,
         false, false},
    };
    for (const auto& c : cases) {
        const TPlayNSolveControls got = TStatusUpdate::Controls(Input(c.State));
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(got.GridEnabled, c.Grid);
        EXPECT_EQ(got.New, c.New);
        EXPECT_EQ(got.Pause, c.Pause);
        EXPECT_EQ(got.Restart, c.Restart);
        EXPECT_EQ(got.Undo, c.Undo);
        EXPECT_EQ(got.Hint, c.Hint);
        EXPECT_EQ(got.Errors, c.Errors);
        EXPECT_EQ(got.Solution, c.Solution);
        EXPECT_EQ(got.AlternativesLbl, c.Alt);
    }
}

TEST(StatusUpdateControls, OptionsHistoryAndSolutionSource) {
    TStatusInput in = Input(sfPlaying, false);
    EXPECT_FALSE(TStatusUpdate::Controls(in).Undo);
    in.Hints = false;
    in.Errors = false;
    in.Alternatives = false;
    const auto off = TStatusUpdate::Controls(in);
    EXPECT_FALSE(off.Hint);
    EXPECT_FALSE(off.Errors);
    EXPECT_FALSE(off.AlternativesLbl);
    EXPECT_FALSE(off.ShowCellAlternatives);

    // Without a stored solution "Solution" needs more than one solver solution.
    in.SolutionUsable = false;
    for (int solutions : {0, 1, 2, 10}) {
        in.SolverSolutions = solutions;
        EXPECT_EQ(TStatusUpdate::Controls(in).Solution, solutions > 1) << solutions;
    }
}

TEST(StatusUpdateControls, SaveNeedsAGameAndNoEngineWork) {
    EXPECT_FALSE(TStatusUpdate::Controls(Input(0)).Save);
    EXPECT_TRUE(TStatusUpdate::Controls(Input(sfPlaying)).Save);
    EXPECT_TRUE(TStatusUpdate::Controls(Input(sfSolved)).Save);
    EXPECT_FALSE(TStatusUpdate::Controls(Input(sfPlaying | sfThinking)).Save);
}

TEST(StatusUpdateDisplayName, TextAfterTheFirstAt) {
    EXPECT_EQ(TStatusUpdate::DisplayName("Default User@December 5 2026 17:45:15"),
              "December 5 2026 17:45:15");
    EXPECT_EQ(TStatusUpdate::DisplayName("ann@my@game"), "my@game");
    EXPECT_EQ(TStatusUpdate::DisplayName("no prefix"), "no prefix");
    EXPECT_EQ(TStatusUpdate::DisplayName(""), "");
}

TEST(StatusUpdateAlternatives, EveryDisplaySetCase) {
    struct Case {
        const char* List;
        int GridSize;
        int DisplaySet;
        const char* Symbols;
        const char* Caption;
    };
    const Case cases[] = {
        {"1,4,9", 9, 0, "123456789", "Alternatives\n1,4,9"},
        {"$07", 9, 0, "123456789", "Alternatives\n7"},
        {"1,4,9", 9, 1, "ABCDEFGHI", "Alternatives\nA,D,I"},
        {"1,4,9", 9, 2, "SINGAPORE", "Alternatives\nS,G,E"},
        {"$05", 9, 2, "SINGAPORE", "Alternatives\nA"},
        {"2,x,17,0", 9, 1, "ABCDEFGHI", "Alternatives\nB"},
        {"1,10,16", 16, 2, "SINGAPORE", "Alternatives\n1,Q,W"},
        {"$0C", 16, 0, "123456789", "Alternatives\nS"},
        {"3,5", 6, 2, "SINGAPORE", "Alternatives\nN,A"},
    };
    for (const auto& c : cases) {
        const auto d = TStatusUpdate::ShowAlternatives("Alternatives", c.List, c.GridSize,
                                                       c.DisplaySet, c.Symbols);
        EXPECT_EQ(d.Caption, c.Caption) << c.List << " set " << c.DisplaySet;
        EXPECT_FALSE(d.PictureVisible);
    }
}

TEST(StatusUpdateAlternatives, PictureSetSkipsMissingPictures) {
    std::vector<bool> hasPicture(10, true);
    hasPicture[4] = false;
    const auto d =
        TStatusUpdate::ShowAlternatives("Alternatives", "2,4,7", 9, 3, "Animals", hasPicture);
    EXPECT_TRUE(d.PictureVisible);
    EXPECT_EQ(d.PictureValues, (std::vector<int>{2, 7}));
    // On a 16-symbol grid the picture set gives way to the fixed symbols.
    const auto big =
        TStatusUpdate::ShowAlternatives("Alternatives", "2,11", 16, 3, "Animals", hasPicture);
    EXPECT_FALSE(big.PictureVisible);
    EXPECT_EQ(big.Caption, "Alternatives\n2,R");
}

} // namespace
} // namespace sudoku
