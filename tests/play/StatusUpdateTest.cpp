// Enabling table of the Play & Solve controls, the display name and the alternatives display
// for every display-set case.
#include "TStatusUpdate.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace sudoku {
namespace {

TStatusInput Input(TSuDoKuState state, bool history = true) {
    TStatusInput in;
    in.State = state;
    in.Hints = in.Errors = in.Alternatives = true;
    in.HistoryHasEntry = in.RedoHasEntry = history;
    in.SolutionUsable = true;
    return in;
}

// The enabled controls as letters: Grid, New, Pause, Restart, Undo, reDo, Hint, Errors,
// sOlution, Alternatives label; '-' where disabled.
std::string Enabled(const TPlayNSolveControls& c) {
    const std::pair<bool, char> controls[] = {{c.GridEnabled, 'G'}, {c.New, 'N'},
                                              {c.Pause, 'P'},       {c.Restart, 'R'},
                                              {c.Undo, 'U'},        {c.Redo, 'D'},
                                              {c.Hint, 'H'},        {c.Errors, 'E'},
                                              {c.Solution, 'O'},    {c.AlternativesLbl, 'A'}};
    std::string letters;
    for (const auto& [enabled, letter] : controls)
        letters += enabled ? letter : '-';
    return letters;
}

TEST(StatusUpdate, ControlsByState) {
    const std::pair<TSuDoKuState, const char*> cases[] = {
        {0, "GN--------"},
        {sfPlaying, "GNPRUDHEOA"},
        {sfPlaying | sfPaused, "-NPR----O-"},
        {sfSolved, "GN-R------"},
        {sfThinking, "----------"},
        {sfPlaying | sfLoading, "----------"},
        {sfPlaying | sfSaving, "GNPRUDHEOA"},
        {sfRestarting, "-N--------"},
        {sfPlaying | sfHinting, "GNPRUDHEOA"},
        {sfPlaying | sfShowErrors, "GNPRUDH-OA"},
        {sfPlaying | sfValidating, "----------"},
    };
    for (const auto& [state, expected] : cases)
        EXPECT_EQ(Enabled(TStatusUpdate::Controls(Input(state))), expected) << "state " << state;
    // Saving needs a game and no engine work.
    EXPECT_FALSE(TStatusUpdate::Controls(Input(0)).Save);
    EXPECT_TRUE(TStatusUpdate::Controls(Input(sfPlaying)).Save);
    EXPECT_TRUE(TStatusUpdate::Controls(Input(sfSolved)).Save);
    EXPECT_FALSE(TStatusUpdate::Controls(Input(sfPlaying | sfThinking)).Save);
}

TEST(StatusUpdate, ControlsFollowOptionsHistoryAndSolutionSource) {
    TStatusInput in = Input(sfPlaying, false);
    EXPECT_EQ(Enabled(TStatusUpdate::Controls(in)), "GNPR--HEOA");
    in.Hints = in.Errors = in.Alternatives = false;
    EXPECT_EQ(Enabled(TStatusUpdate::Controls(in)), "GNPR----O-");
    EXPECT_FALSE(TStatusUpdate::Controls(in).ShowCellAlternatives);

    // Without a stored solution "Solution" needs more than one solver solution.
    in.SolutionUsable = false;
    for (int solutions : {0, 1, 2, 10}) {
        in.SolverSolutions = solutions;
        EXPECT_EQ(TStatusUpdate::Controls(in).Solution, solutions > 1) << solutions;
    }
}

TEST(StatusUpdate, AlternativesInEveryDisplaySet) {
    struct Case {
        const char* List;
        int GridSize, DisplaySet;
        const char *Symbols, *Shown; // the caption's second line
    };
    const Case cases[] = {
        {"1,4,9", 9, 0, "123456789", "1,4,9"},    {"$07", 9, 0, "123456789", "7"},
        {"1,4,9", 9, 1, "ABCDEFGHI", "A,D,I"},    {"1,4,9", 9, 2, "SINGAPORE", "S,G,E"},
        {"$05", 9, 2, "SINGAPORE", "A"},          {"2,x,17,0", 9, 1, "ABCDEFGHI", "B"},
        {"1,10,16", 16, 2, "SINGAPORE", "1,Q,W"}, {"$0C", 16, 0, "123456789", "S"},
        {"3,5", 6, 2, "SINGAPORE", "N,A"},
    };
    for (const auto& c : cases) {
        const auto d = TStatusUpdate::ShowAlternatives("Alternatives", c.List, c.GridSize,
                                                       c.DisplaySet, c.Symbols);
        EXPECT_EQ(d.Caption, std::string("Alternatives\n") + c.Shown)
            << c.List << " set " << c.DisplaySet;
        EXPECT_FALSE(d.PictureVisible);
    }
}

TEST(StatusUpdate, AlternativesPictureSetSkipsMissingPictures) {
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
