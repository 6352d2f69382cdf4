// The settings record: defaults, level presets, reading the user's ".Options" section with
// its fallbacks, writing it in key order, and the time-limit text.
#include "../platform/TestFolder.h"
#include "TSuDoKuData.h"

#include <gtest/gtest.h>

#include <cmath>

namespace sudoku {
namespace {

using test::TTestFolder;

constexpr double Minute = 1.0 / 1440;

TSuDoKuData ReadFrom(const std::string& text, std::string_view user = "U", int lngId = 9) {
    TSuDoKuData data;
    data.ScreenSize = 3;
    data.SuDoKuState = 0x0008;
    data.HighlightValue = 5;
    ReadSuDoKuData(TProfileFile(text), user, data, lngId);
    return data;
}

TEST(Settings, DefaultsAreTheStartValuesExceptTheScreenSize) {
    TSuDoKuData data{.FontName = "Arial", .Level = 3, .SolveOptions = 0x3F, .ScreenSize = 4};
    data.BackgroundColor = 1, data.TimeLimit = 0.5;
    SetDefaultOptions(data);
    EXPECT_EQ(data, TSuDoKuData{.ScreenSize = 4});
}

TEST(Settings, LevelPresetsAddAidsAndSetTheTimeLimit) {
    struct Case {
        int Level;
        TSolveOptions Aids;
        double Minutes;
    };
    const Case cases[] = {{0, 0x1F, 0}, {1, 0x2F, 60}, {2, 0x27, 45}, {3, 0x23, 30}};
    for (const Case& c : cases) {
        TSuDoKuData data;
        data.Level = static_cast<std::uint8_t>(c.Level);
        data.SolveOptions = soRuler | soRestart;
        ApplyLevelPreset(data);
        EXPECT_EQ(data.SolveOptions, c.Aids) << c.Level;
        EXPECT_NEAR(data.TimeLimit / Minute, c.Minutes, 1e-9);

        TSuDoKuData chosen;
        chosen.SolveOptions = soHints | soAlternatives; // replaced, not added to
        SelectLevel(chosen, c.Level);
        EXPECT_EQ(chosen.Level, c.Level);
        EXPECT_EQ(chosen.SolveOptions, c.Aids);
    }
    TSuDoKuData outside;
    outside.Level = 7;
    outside.TimeLimit = 0.25;
    ApplyLevelPreset(outside);
    EXPECT_EQ(outside.SolveOptions, soRuler | soRestart);
    EXPECT_EQ(outside.TimeLimit, 0.25);
    EXPECT_FALSE(LevelPreset(-1).has_value());
}

TEST(Settings, ReadingFallsBackToDefaultsAndPresets) {
    struct Case {
        const char* Keys;
        TSolveOptions Aids;
        double Minutes;
    };
    const Case cases[] = {
        {"", 0x2F, 60},                        // nothing stored: level 1
        {"Level=3\r\n", 0x23, 30},             //
        {"Level=3\r\nHints=1\r\n", 0x27, 30},  //
        {"Level=$2\r\nRuler=0\r\n", 0x26, 45}, //
        {"Level=0\r\nAlternatives=0\r\nErrors=7\r\n", 0x0F, 0},
        {"Level=3\r\nHints=maybe\r\n", 0x23, 30}, // unreadable: preset stays
        {"Level=9\r\n", 0x03, 0},                 // no preset for level 9
        {"Level=1\r\nPlayTimeLimit=0:20:00\r\n", 0x2F, 20},
        {"Level=2\r\nPlayTimeLimit=soon\r\n", 0x27, 45}, // unreadable keeps the preset
        {"Level=2\r\nPlayTimeLimit=\r\n", 0x27, 45},     //
        {"Level=2\r\nTimeLimited=0\r\nPlayTimeLimit=1:30\r\n", 0x07, 90},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Keys);
        const TSuDoKuData data = ReadFrom(std::string("[U.Options]\r\n") + c.Keys);
        EXPECT_EQ(data.SolveOptions, c.Aids);
        EXPECT_NEAR(data.TimeLimit / Minute, c.Minutes, 1e-6);
        EXPECT_EQ(data.SuDoKuState, 0);
        EXPECT_EQ(data.HighlightValue, 0);
    }
}

TEST(Settings, ReadingTakesEveryStoredKeyAndDefaultsTheRest) {
    int lngId = 9;
    TSuDoKuData data;
    ReadSuDoKuData(TProfileFile("[u.options]\r\nLngID=$407\r\nBackgroundColor=255\r\n"
                                "ContrastColor=0x10\r\nContrastPuzzle=2\r\nRulerColor=-1\r\n"
                                "FontName=Courier New\r\nFontColor=bad\r\nDisplaySet=ABCDEFGHI\r\n"
                                "ScreenSize=2\r\n"),
                   "U", data, lngId);
    EXPECT_EQ(lngId, 0x407);
    TSuDoKuData expected{.BackgroundColor = 255,
                         .ContrastColor = 16,
                         .ContrastPuzzle = true,
                         .RulerColor = 0xFFFFFFFF,
                         .FontName = "Courier New",
                         .DisplaySet = "ABCDEFGHI",
                         .ScreenSize = 2};
    ApplyLevelPreset(expected);
    EXPECT_EQ(data, expected);

    // Nothing stored: the language in force stays, the screen size becomes 0.
    EXPECT_EQ(ReadFrom("").ScreenSize, 0);
    int keep = 12;
    ReadSuDoKuData(TProfileFile(""), "U", data, keep);
    EXPECT_EQ(keep, 12);
}

// Two users in one file, one of them written twice, each read back whole.
TEST(Settings, WriteReadRoundTripAndUsersStayApart) {
    TTestFolder dir;
    const std::string file = dir.File("sudokus.ini");
    const TSuDoKuData alice{.BackgroundColor = 0x00FF00,
                            .ContrastPuzzle = true,
                            .FontName = "DejaVu Sans",
                            .DisplaySet = "SINGAPORE",
                            .Level = 2,
                            .SolveOptions = 0x27,
                            .TimeLimit = 50 * Minute,
                            .ScreenSize = 4};
    const TSuDoKuData bob{.RulerColor = 0x123456, .Level = 0, .SolveOptions = 0x1F};
    WriteSuDoKuData(file, "alice", alice, 7, alice.SolveOptions);
    WriteSuDoKuData(file, "bob", bob, 8, bob.SolveOptions);
    WriteSuDoKuData(file, "alice", alice, 7, alice.SolveOptions); // rewrite in place

    for (const auto& [user, expected, lng] :
         {std::tuple{"alice", alice, 7}, std::tuple{"bob", bob, 8}}) {
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

TEST(Settings, WritesKeysInOrderAndTheRulerFromTheCheckBox) {
    TProfileFile file;
    TSuDoKuData data;
    SelectLevel(data, 1); // sets soRuler again although the box was cleared
    WriteSuDoKuData(file, "Default User", data, 1033, data.SolveOptions & ~soRuler);
    EXPECT_EQ(file.Text(), "[Default User.Options]\r\nLngID=1033\r\nBackgroundColor=16777215\r\n"
                           "ContrastColor=14465465\r\nContrastPuzzle=0\r\nRulerColor=15787750\r\n"
                           "FontName=Verdana\r\nFontColor=8388608\r\nDisplaySet=123456789\r\n"
                           "Level=1\r\nRuler=0\r\nHints=1\r\nErrors=1\r\nAlternatives=0\r\n"
                           "TimeLimited=1\r\nPlayTimeLimit=1:00:00\r\nScreenSize=0\r\n");
}

TEST(Settings, TimeLimitTextRoundTrips) {
    struct Case {
        double Seconds;
        const char* Text;
    };
    const Case cases[] = {
        {3600, "1:00:00"}, {2700, "0:45:00"}, {0, "0:00:00"},          {86399, "23:59:59"},
        {61.4, "0:01:01"}, {-5, "0:00:00"},   {86400 + 60, "0:01:00"}, // time of day only
    };
    for (const Case& c : cases) {
        const std::string text = TimeLimitToText(c.Seconds / 86400);
        EXPECT_EQ(text, c.Text) << c.Seconds;
        const auto back = TextToTimeLimit(text);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(TimeLimitToText(*back), text);
    }
    const char* bad[] = {"",        "1",     "24:00:00",   "1:60:00",   "1:00:60",
                         "a:00:00", "1::00", "1:00:00:00", "100:00:00", " 1:00:00"};
    for (const char* text : bad) {
        EXPECT_FALSE(TextToTimeLimit(text).has_value()) << text;
    }
    EXPECT_NEAR(*TextToTimeLimit("01:30") * 1440, 90, 1e-9);
}

} // namespace
} // namespace sudoku
