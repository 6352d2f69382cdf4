// The settings record: reading the user's ".Options" section with its fallbacks and level
// presets, writing it in key order, and the time-limit text.
#include "../platform/TestFolder.h"
#include "TSuDoKuData.h"

#include <gtest/gtest.h>

namespace sudoku {
namespace {

constexpr double Minute = 1.0 / 1440;

TEST(Settings, ReadingFallsBackToDefaultsAndPresets) {
    // clang-format off
    const struct { const char* Keys; TSolveOptions Aids; double Minutes; } cases[] = {
        {"", 0x2F, 60},                        // nothing stored: level 1
        {"Level=3\r\n", 0x23, 30},
        {"Level=3\r\nHints=1\r\n", 0x27, 30},
        {"Level=$2\r\nRuler=0\r\n", 0x26, 45},
        {"Level=0\r\nAlternatives=0\r\nErrors=7\r\n", 0x0F, 0},
        {"Level=3\r\nHints=maybe\r\n", 0x23, 30}, // unreadable: the preset stays
        {"Level=9\r\n", 0x03, 0},                 // no preset for level 9
        {"Level=1\r\nPlayTimeLimit=0:20:00\r\n", 0x2F, 20},
        {"Level=2\r\nPlayTimeLimit=soon\r\n", 0x27, 45},
        {"Level=2\r\nTimeLimited=0\r\nPlayTimeLimit=1:30\r\n", 0x07, 90},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Keys);
        TSuDoKuData data{.SuDoKuState = 8, .HighlightValue = 5, .ScreenSize = 3};
        int lngId = 9;
        ReadSuDoKuData(TProfileFile(std::string("[U.Options]\r\n") + c.Keys), "U", data, lngId);
        EXPECT_EQ(data.SolveOptions, c.Aids);
        EXPECT_NEAR(data.TimeLimit / Minute, c.Minutes, 1e-6);
        EXPECT_EQ(std::tuple(data.SuDoKuState, data.HighlightValue, data.ScreenSize, lngId),
                  std::tuple(0, 0, 0, 9)); // runtime fields cleared, the language in force kept
    }
}

// The keys in their order, the aid keys from the check boxes; two users in one file, one
// written twice, each read back whole.
TEST(Settings, WritesKeysInOrderAndReadsEachUserBack) {
    TProfileFile text;
    TSuDoKuData normal;
    SelectLevel(normal, 1); // sets soRuler although the box is cleared
    WriteSuDoKuData(text, "Default User", normal, 1033, normal.SolveOptions & ~soRuler);
    EXPECT_EQ(text.Text(), "[Default User.Options]\r\nLngID=1033\r\nBackgroundColor=16777215\r\n"
                           "ContrastColor=14465465\r\nContrastPuzzle=0\r\nRulerColor=15787750\r\n"
                           "FontName=Verdana\r\nFontColor=8388608\r\nDisplaySet=123456789\r\n"
                           "Level=1\r\nRuler=0\r\nHints=1\r\nErrors=1\r\nAlternatives=0\r\n"
                           "TimeLimited=1\r\nPlayTimeLimit=1:00:00\r\nScreenSize=0\r\n");

    test::TTestFolder dir;
    const std::string file = dir.File("sudokus.ini");
    // clang-format off
    const TSuDoKuData alice{.BackgroundColor = 0x00FF00, .ContrastPuzzle = true,
                            .FontName = "DejaVu Sans", .DisplaySet = "SINGAPORE", .Level = 2,
                            .SolveOptions = 0x27, .TimeLimit = 50 * Minute, .ScreenSize = 4};
    // clang-format on
    const TSuDoKuData bob{.RulerColor = 0x123456, .Level = 0, .SolveOptions = 0x1F};
    WriteSuDoKuData(file, "alice", alice, 7, alice.SolveOptions);
    WriteSuDoKuData(file, "bob", bob, 8, bob.SolveOptions);
    WriteSuDoKuData(file, "alice", alice, 7, alice.SolveOptions); // rewritten in place
    for (const auto& [user, expected, lng] : {std::tuple{"alice", alice, 7}, {"bob", bob, 8}}) {
        SCOPED_TRACE(user);
        int lngId = 0;
        TSuDoKuData back;
        ReadSuDoKuData(file, user, back, lngId);
        EXPECT_EQ(lngId, lng);
        EXPECT_NEAR(back.TimeLimit, expected.TimeLimit, 0.5 / 86400);
        back.TimeLimit = expected.TimeLimit;
        EXPECT_EQ(back, expected);
    }
    EXPECT_EQ(TProfileFile::ReadFileSectionNames(file),
              (std::vector<std::string>{"alice.Options", "bob.Options"}));
}

TEST(Settings, TimeLimitTextRoundTrips) {
    // clang-format off
    const std::pair<double, const char*> cases[] = {
        {3600, "1:00:00"}, {2700, "0:45:00"}, {0, "0:00:00"}, {86399, "23:59:59"},
        {61.4, "0:01:01"}, {-5, "0:00:00"}, {86400 + 60, "0:01:00"}}; // the time of day only
    // clang-format on
    for (const auto& [seconds, text] : cases) {
        EXPECT_EQ(TimeLimitToText(seconds / 86400), text) << seconds;
        EXPECT_EQ(TimeLimitToText(TextToTimeLimit(text).value_or(-1)), text);
    }
    for (const char* bad : {"", "1", "24:00:00", "1:60:00", "1:00:60", "a:00:00", "1::00",
                            "1:00:00:00", "100:00:00", " 1:00:00"}) {
        EXPECT_FALSE(TextToTimeLimit(bad).has_value()) << bad;
    }
    EXPECT_NEAR(*TextToTimeLimit("01:30") * 1440, 90, 1e-9);
}

} // namespace
} // namespace sudoku
