// The main timer's clock: time played, the pie gauge, the time limit, the paused and finished
// captions and the "Thinking" animation, all driven by explicit moments.
#include "TGameClock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sudoku {
namespace {

constexpr double Minute = 1.0 / 1440;
constexpr double Second = 1.0 / 86400;
constexpr double Start = 46361.5; // a moment in December 2026

const auto Unsolved = [] { return false; };
const auto Solved = [] { return true; };

TEST(GameClockFormat, MinutesAndSecondsWithinTheHour) {
    struct Case {
        double Played;
        const char* Text;
    };
    const Case cases[] = {
        {0, "00:00"},
        {75 * Minute, "15:00"},
        {59 * Minute + 59 * Second, "59:59"},
        {60 * Minute, "00:00"},
        {3 * Minute + 7 * Second, "03:07"},
        {26 * 60 * Minute + 5 * Second, "00:05"},
        {9 * Second + 0.4 * Second, "00:09"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TGameClock::FormatMinutesSeconds(c.Played), c.Text) << c.Played;
}

TEST(GameClockTick, AccumulatesPlayedTimeOnlyWhileTheClockRuns) {
    struct Case {
        TSuDoKuState State;
        double ExpectedTpt;
        double ExpectedTptl;
    };
    // Each case: 10 minutes played, last tick at Start, the tick comes 2 minutes later.
    const double now = Start + 2 * Minute;
    const Case cases[] = {
        {sfPlaying, 12 * Minute, now},
        {sfPlaying | sfRendering, 10 * Minute, now},
        {sfPlaying | sfPaused, 10 * Minute, Start},
        {sfPlaying | sfLoading, 10 * Minute, now},
        {sfPlaying | sfSaving, 10 * Minute, now},
        {sfSolved, 10 * Minute, Start},
        {sfThinking, 10 * Minute, Start},
        {0, 10 * Minute, Start},
    };
    for (const auto& c : cases) {
        TGameClock clock;
        TPlayTimes times{Start - 10 * Minute, Start, 10 * Minute, 0};
        clock.Tick(c.State, false, now, times, Unsolved);
        EXPECT_NEAR(times.Tpt, c.ExpectedTpt, 1e-9) << "state " << c.State;
        EXPECT_DOUBLE_EQ(times.Tptl, c.ExpectedTptl) << "state " << c.State;
    }
}

TEST(GameClockTick, SeventyFiveMinutesShowFifteenAndABlackPie) {
    TGameClock clock;
    TPlayTimes times{Start, Start, 0, 0};
    clock.Tick(sfPlaying, false, Start + 75 * Minute, times, Unsolved);
    EXPECT_EQ(clock.PlayFace.Caption, "Time 15:00");
    EXPECT_TRUE(clock.PlayFace.GaugeVisible);
    EXPECT_FALSE(clock.PlayFace.GaugeRed);
    EXPECT_EQ(clock.PlayFace.GaugePosition, 15 + 2);
}

TEST(GameClockTick, ThirtyMinuteLimitShowsTheSolutionOneTickAfterItPasses) {
    TGameClock clock;
    TPlayTimes times{Start, Start, 0, 30 * Minute};
    std::vector<TTickOutcome> outcomes;
    std::vector<int> positions;
    // Ticks at 15 min, exactly 30 min, then one second later.
    for (double at : {15 * Minute, 30 * Minute, 30 * Minute + Second}) {
        outcomes.push_back(clock.Tick(sfPlaying, true, Start + at, times, Unsolved));
        positions.push_back(clock.PlayFace.GaugePosition);
        EXPECT_TRUE(clock.PlayFace.GaugeRed);
    }
    EXPECT_EQ(outcomes, (std::vector<TTickOutcome>{TTickOutcome::Nothing, TTickOutcome::Nothing,
                                                   TTickOutcome::TimeLimitPassed}));
    EXPECT_EQ(positions[0], 32);
    EXPECT_GE(positions[1], 61); // the pie is full at the limit
}

TEST(GameClockTick, ZeroLimitBehavesAsNoLimit) {
    TGameClock clock;
    TPlayTimes times{Start, Start, 0, 0};
    EXPECT_EQ(clock.Tick(sfPlaying, true, Start + 90 * Minute, times, Unsolved),
              TTickOutcome::Nothing);
    EXPECT_FALSE(clock.PlayFace.GaugeRed);
    EXPECT_EQ(clock.PlayFace.GaugePosition, 30 + 2);
}

TEST(GameClockTick, PausedHidesThePieAndKeepsTheCaption) {
    TGameClock clock;
    clock.PlayFace = {true, 20, false, "Pausing"};
    TPlayTimes times{Start, Start, 5 * Minute, 0};
    clock.Tick(sfPlaying | sfPaused, false, Start + Minute, times, Unsolved);
    EXPECT_FALSE(clock.PlayFace.GaugeVisible);
    EXPECT_EQ(clock.PlayFace.Caption, "Pausing");
    EXPECT_DOUBLE_EQ(times.Tpt, 5 * Minute);
}

TEST(GameClockTick, FinishedCaptionDependsOnTheBoard) {
    TGameClock clock;
    TPlayTimes times;
    clock.Tick(sfSolved, false, Start, times, Solved);
    EXPECT_EQ(clock.PlayFace.Caption, "Puzzle Solved!");
    clock.Tick(sfSolved, false, Start, times, Unsolved);
    EXPECT_EQ(clock.PlayFace.Caption, "Puzzle Solution");
    EXPECT_FALSE(clock.PlayFace.GaugeVisible);
}

TEST(GameClockTick, IdleClearsTheCaption) {
    TGameClock clock;
    clock.PlayFace = {true, 10, false, "Time 01:00"};
    clock.DesignFace.GaugeVisible = true;
    TPlayTimes times;
    clock.Tick(0, false, Start, times, Unsolved);
    // With no flag the seventh step already hides the play gauge; the caption stays.
    EXPECT_FALSE(clock.PlayFace.GaugeVisible);
    EXPECT_EQ(clock.PlayFace.Caption, "Time 01:00");
    clock.Tick(sfDesigning, false, Start, times, Unsolved);
    EXPECT_FALSE(clock.DesignFace.GaugeVisible);
}

TEST(GameClockThinking, AnimationCyclesCaptionAndPie) {
    TGameClock clock;
    clock.PlayFace.Caption = "Time ";
    TPlayTimes times;
    std::vector<std::string> captions;
    std::vector<int> positions;
    for (int i = 0; i < 13; ++i) {
        clock.Tick(sfThinking, false, Start, times, Unsolved);
        captions.push_back(clock.PlayFace.Caption);
        positions.push_back(clock.PlayFace.GaugePosition);
    }
    const std::vector<std::string> expected = {
        "Thinking", "Thinking .", "Thinking . .", "Thinking . . .", "Thinking . . . .",
        "Thinking", "Thinking .", "Thinking . .", "Thinking . . .", "Thinking . . . .",
        "Thinking", "Thinking .", "Thinking . ."};
    EXPECT_EQ(captions, expected);
    EXPECT_EQ(positions, (std::vector<int>{6, 12, 18, 24, 30, 36, 42, 48, 54, 60, 0, 6, 12}));
    EXPECT_TRUE(clock.PlayFace.GaugeVisible);
}

TEST(GameClockThinking, DesignPageAnimatesItsOwnFace) {
    TGameClock clock([](int tag, const std::string& english) {
        return tag == 677 ? std::string("Denke") : english;
    });
    TPlayTimes times;
    clock.Tick(sfThinking | sfDesigning, false, Start, times, Unsolved);
    EXPECT_EQ(clock.DesignFace.Caption, "Denke");
    EXPECT_TRUE(clock.DesignFace.GaugeVisible);
    EXPECT_FALSE(clock.PlayFace.GaugeVisible);
}

} // namespace
} // namespace sudoku
