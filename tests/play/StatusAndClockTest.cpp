// What the Play & Solve page shows: its controls enabled by state, the alternatives of a cell
// in every display set, and the clock's face, driven by explicit moments.
#include "TGameClock.h"
#include "TStatusUpdate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace sudoku {
namespace {

// The enabled controls as letters: Grid, New, Save, Pause, Restart, Undo, reDo, Hint, Errors,
// sOlution, Alternatives label; '-' where disabled. Aids and both histories are on unless told.
std::string Enabled(TSuDoKuState state, bool aids = true, bool undo = true, bool redo = true) {
    const auto c = TStatusUpdate::Controls({state, aids, aids, aids, undo, redo, true, 0});
    std::string letters;
    for (const bool on : {c.GridEnabled, c.New, c.Save, c.Pause, c.Restart, c.Undo, c.Redo, c.Hint,
                          c.Errors, c.Solution, c.AlternativesLbl})
        letters += on ? "GNSPRUDHEOA"[letters.size()] : '-';
    return letters;
}

TEST(StatusUpdate, ControlsByStateAidsAndHistoryAndAlternativesInEveryDisplaySet) {
    const std::pair<TSuDoKuState, const char*> cases[] = {
        {0, "GN---------"},
        {sfPlaying, "GNSPRUDHEOA"},
        {sfPlaying | sfPaused, "-NSPR----O-"},
        {sfSolved, "GNS-R------"},
        {sfPlaying | sfSaving, "GNSPRUDHEOA"},
        {sfRestarting, "-N---------"},
        {sfPlaying | sfShowErrors, "GNSPRUDH-OA"}};
    for (const auto& [state, expected] : cases)
        EXPECT_EQ(Enabled(state), expected) << "state " << state;
    const TSuDoKuState busy[] = {sfThinking, sfPlaying | sfLoading, sfPlaying | sfValidating};
    for (const TSuDoKuState state : busy)
        EXPECT_EQ(Enabled(state), "-----------") << "state " << state;
    EXPECT_EQ(Enabled(sfPlaying, true, false), "GNSPR-DHEOA");
    EXPECT_EQ(Enabled(sfPlaying, false), "GNSPRUD--O-");
    EXPECT_EQ(Enabled(sfPlaying | sfThinking).substr(0, 3), "---"); // the engine is at work
    // Without a stored solution "Solution" needs more than one from the solver.
    TStatusInput in{sfPlaying, true, true, true, true, true, false, 2};
    EXPECT_TRUE(TStatusUpdate::Controls(in).Solution);
    in.SolverSolutions = 1;
    EXPECT_FALSE(TStatusUpdate::Controls(in).Solution);

    // Alternatives: the list, grid size, display set, its symbols, the caption's second line.
    const std::tuple<const char*, int, int, const char*, const char*> alternatives[] = {
        {"1,4,9", 9, 0, "123456789", "1,4,9"},    {"$07", 9, 0, "123456789", "7"},
        {"1,4,9", 9, 1, "ABCDEFGHI", "A,D,I"},    {"1,4,9", 9, 2, "SINGAPORE", "S,G,E"},
        {"$05", 9, 2, "SINGAPORE", "A"},          {"2,x,17,0", 9, 1, "ABCDEFGHI", "B"},
        {"1,10,16", 16, 2, "SINGAPORE", "1,Q,W"}, {"2,11", 16, 3, "Animals", "2,R"},
        {"3,5", 6, 2, "SINGAPORE", "N,A"},
    };
    for (const auto& [list, n, set, symbols, shown] : alternatives) {
        const auto d = TStatusUpdate::ShowAlternatives("Alternatives", list, n, set, symbols);
        EXPECT_EQ(d.Caption, std::string("Alternatives\n") + shown) << list << " set " << set;
        EXPECT_FALSE(d.PictureVisible);
    }
    // A picture set below 10 symbols draws the pictures there are.
    std::vector<bool> hasPicture(10, true);
    hasPicture[4] = false;
    const auto d =
        TStatusUpdate::ShowAlternatives("Alternatives", "2,4,7", 9, 3, "Animals", hasPicture);
    EXPECT_TRUE(d.PictureVisible);
    EXPECT_EQ(d.PictureValues, (std::vector<int>{2, 7}));
}

constexpr double Minute = 1.0 / 1440;
constexpr double Start = 46361.5; // a moment in December 2026

TEST(GameClock, FaceShowsTimeLimitPauseAndEnd) {
    // The pie runs from 2: minutes of the hour, or 60 steps over the time limit. Times in
    // minutes; a negative limit leaves the time limit off.
    constexpr auto Passed = TTickOutcome::TimeLimitPassed;
    struct Case {
        TSuDoKuState State;
        double Limit, Played;
        bool Solved;
        TClockFace Face;
        TTickOutcome Outcome = TTickOutcome::Nothing;
    };
    const Case cases[] = {
        {sfPlaying, -1, 75, false, {true, 17, false, "Time 15:00"}},
        {sfPlaying | sfRendering, -1, 75, false, {true, 2, false, "Time 00:00"}}, // printing
        {sfPlaying, 0, 90, false, {true, 32, false, "Time 30:00"}}, // a zero limit is none
        {sfPlaying, 30, 15, false, {true, 32, true, "Time 15:00"}},
        {sfPlaying, 30, 30, false, {true, 62, true, "Time 30:00"}},
        {sfPlaying, 30, 30 + 1.0 / 60, false, {true, 62, true, "Time 30:01"}, Passed},
        {sfPlaying | sfPaused, -1, 1, false, {false, 20, false, "Before"}},
        {sfSolved, -1, 1, true, {false, 20, false, "Puzzle Solved!"}},
        {sfSolved, -1, 1, false, {false, 20, false, "Puzzle Solution"}},
        {0, -1, 1, false, {false, 20, false, "Before"}},
        {sfThinking, -1, 1, false, {true, 26, false, "Thinking"}},             // the pie turns
        {sfThinking | sfDesigning, -1, 1, false, {true, 20, false, "Before"}}, // not this pie
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "state " << c.State << " played " << c.Played);
        TGameClock clock;
        clock.PlayFace = {true, 20, false, "Before"};
        TPlayTimes times{Start, Start, 0, std::max(c.Limit, 0.0) * Minute};
        const bool solved = c.Solved;
        EXPECT_EQ(clock.Tick(c.State, c.Limit >= 0, Start + c.Played * Minute, times,
                             [solved] { return solved; }),
                  c.Outcome);
        EXPECT_EQ(clock.PlayFace, c.Face);
    }
}

} // namespace
} // namespace sudoku
