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

TEST(GameClock, MinutesAndSecondsWithinTheHour) {
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

TEST(GameClock, AccumulatesPlayedTimeOnlyWhileTheClockRuns) {
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

TEST(GameClock, FaceShowsTimeLimitPauseAndEnd) {
    // The pie runs from 2: minutes of the hour, or 60 steps over the time limit.
    struct Case {
        const char* Name;
        TSuDoKuState State;
        bool Limited, Solved;
        double Limit, Played;
        TClockFace Face;
        TTickOutcome Outcome = TTickOutcome::Nothing;
    };
    const Case cases[] = {
        {"75 minutes", sfPlaying, false, false, 0, 75 * Minute, {true, 17, false, "Time 15:00"}},
        {"zero limit", sfPlaying, true, false, 0, 90 * Minute, {true, 32, false, "Time 30:00"}},
        {"half the limit",
         sfPlaying,
         true,
         false,
         30 * Minute,
         15 * Minute,
         {true, 32, true, "Time 15:00"}},
        {"at the limit",
         sfPlaying,
         true,
         false,
         30 * Minute,
         30 * Minute,
         {true, 62, true, "Time 30:00"}},
        {"a second past",
         sfPlaying,
         true,
         false,
         30 * Minute,
         30 * Minute + Second,
         {true, 62, true, "Time 30:01"},
         TTickOutcome::TimeLimitPassed},
        {"paused", sfPlaying | sfPaused, false, false, 0, Minute, {false, 20, false, "Before"}},
        {"solved", sfSolved, false, true, 0, Minute, {false, 20, false, "Puzzle Solved!"}},
        {"solution", sfSolved, false, false, 0, Minute, {false, 20, false, "Puzzle Solution"}},
        {"idle", 0, false, false, 0, Minute, {false, 20, false, "Before"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TGameClock clock;
        clock.PlayFace = {true, 20, false, "Before"};
        TPlayTimes times{Start, Start, 0, c.Limit};
        const bool solved = c.Solved;
        EXPECT_EQ(
            clock.Tick(c.State, c.Limited, Start + c.Played, times, [solved] { return solved; }),
            c.Outcome);
        EXPECT_EQ(clock.PlayFace.Caption, c.Face.Caption);
        EXPECT_EQ(clock.PlayFace, c.Face);
    }
}

TEST(GameClock, ThinkingAnimationCyclesCaptionAndPie) {
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

TEST(GameClock, DesignPageAnimatesAndHidesItsOwnFace) {
    TGameClock clock([](int tag, const std::string& english) {
        return tag == 677 ? std::string("Denke") : english;
    });
    TPlayTimes times;
    clock.Tick(sfThinking | sfDesigning, false, Start, times, Unsolved);
    EXPECT_EQ(clock.DesignFace.Caption, "Denke");
    EXPECT_TRUE(clock.DesignFace.GaugeVisible);
    EXPECT_FALSE(clock.PlayFace.GaugeVisible);
    clock.Tick(sfDesigning, false, Start, times, Unsolved);
    EXPECT_FALSE(clock.DesignFace.GaugeVisible);
}

} // namespace
} // namespace sudoku
