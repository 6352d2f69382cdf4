// Number texts, ChangeCase, day-count date-times and their hex text, formatting and the default
// record name; the settings record read from the user's ".Options" section with its fallbacks
// and level presets, written in key order, and the time-limit text.
#include "../platform/TestFolder.h"
#include "SuDoKuDateTime.h"
#include "SuDoKuText.h"
#include "TSuDoKuData.h"

#include <gtest/gtest.h>

#include <random>

namespace sudoku {
namespace {

// Decimal, "$" hex and "0x" hex texts, whole or refused; HexToInt reads up to eight hex digits
// and gives 0 for anything else.
TEST(TextToInt, ReadsDecimalDollarAndZeroXFormsAndHexToIntItsDigits) {
    // clang-format off
    const std::pair<const char*, std::optional<std::int32_t>> texts[] = {
        {"$2", 2}, {"0X1f", 31}, {"-5", -5}, {"+7", 7}, {"  12", 12}, {"$FFFFFFFF", -1},
        {"-2147483648", INT32_MIN}, {"2147483648", {}}, {"$123456789", {}}, {"", {}}, {"$", {}},
        {"0x", {}}, {"12 ", {}}, {"1a", {}}, {"--1", {}}};
    const std::pair<const char*, std::int32_t> hex[] = {
        {"00B519", 0xB519}, {"ff", 255}, {"7FFFFFFF99", 0x7FFFFFFF}, {"", 0}, {"G1", 0}, {"$1", 0}};
    // clang-format on
    for (const auto& [text, value] : texts) {
        EXPECT_EQ(TextToInt(text), value) << '"' << text << '"';
    }
    for (const auto& [text, value] : hex) {
        EXPECT_EQ(HexToInt(text), value) << '"' << text << '"';
    }
    // Modes: 1 lower case, 2 upper case, 3 first letter up, others leave the text.
    EXPECT_EQ(ChangeCase("December 5", 1), "december 5");
    EXPECT_EQ(ChangeCase("december 5", 2), "DECEMBER 5");
    EXPECT_EQ(ChangeCase("d\u00E9cembre", 3), "D\u00E9cembre");
}

TEST(DateTime, CalendarHexTextAndFormatsRoundTripAndHitKnownMoments) {
    EXPECT_DOUBLE_EQ(EncodeDateTime({1900, 3, 1}), 61.0);
    EXPECT_DOUBLE_EQ(EncodeDateTime({2000, 2, 29, 12}), 36585.5);
    // clang-format off
    const std::pair<TDateTime, const char*> known[] = {
        {EncodeDateTime({2026, 12, 5, 17, 45, 15, 999}), "00B519112D0F"}, // milliseconds dropped
        {(1 * 3600 + 30 * 60 + 15) / 86400.0, "000000011E0F"}, // a duration of 1:30:15
        {EncodeDateTime({2026, 12, 5, 23, 59, 59, 999}) + 0.0004 / 86400, "00B519173B3B"},
        {-3.5, "000000000000"}, {1e12, "FFFFFF173B3B"}};
    // A bad group counts 0, the others still count; lower case digits are hex too.
    const std::pair<const char*, double> read[] = {
        {"00B519112D0", 0}, {"00B519112D0F0", 0}, {"XXXXXX011E0F", 5415},
        {"000000ZZ1E0F", 30 * 60 + 15}, {"0000000000ff", 255}};
    // clang-format on
    for (const auto& [value, hex] : known) {
        EXPECT_EQ(DateTimeToHex(value), hex) << value;
    }
    for (const auto& [hex, seconds] : read) {
        EXPECT_NEAR(HexToDateTime(hex) * 86400, seconds, 1e-6) << hex;
    }
    std::mt19937 rng(7);
    for (int i = 0; i < 2000; ++i) {
        const TDateTime value = static_cast<double>(rng() % (0xFFFFFFLL * 86400)) / 86400.0;
        const TDateTimeParts p = DecodeDateTime(value);
        EXPECT_EQ(p.Millisecond, 0);
        EXPECT_NEAR(EncodeDateTime(p), value, 1e-9) << value;
        EXPECT_NEAR(HexToDateTime(DateTimeToHex(value)), value, 1e-9) << value;
    }
    // Formats, and the default record name with the month names in force.
    const TDateTime t = EncodeDateTime({2026, 3, 5, 7, 8, 9, 45});
    // clang-format off
    const std::pair<const char*, const char*> cases[] = {
        {"mmmm d yyyy hh:mm:ss", "March 5 2026 07:08:09"}, {"h:n:s", "7:8:9"},
        {"dd/mm/yy", "05/03/26"}, {"mmm HH:NN zzz", "Mar 07:08 045"},
        {"'mmmm' \"d\" d", "mmmm d 5"}};
    // clang-format on
    for (const auto& [format, expected] : cases) {
        EXPECT_EQ(FormatDateTime(format, t), expected) << format;
    }
    const TDateTime december = EncodeDateTime({2026, 12, 5, 17, 45, 15});
    SetMonthNameSource([](int month) { return month == 12 ? std::string("d\u00E9cembre") : ""; });
    EXPECT_EQ(DefaultDisplayName(december), "D\u00E9cembre 5 2026 17:45:15");
    EXPECT_EQ(MonthName(11), "November"); // an empty answer: English
    SetMonthNameSource({});
    EXPECT_EQ(MonthName(12), "December");
}

constexpr double Minute = 1.0 / 1440;

TEST(Settings, ReadingFallsBackToDefaultsAndPresetsAndTheTimeLimitTextRoundTrips) {
    // clang-format off
    const struct { const char* Keys; TSolveOptions Aids; double Minutes; } cases[] = {
        {"", 0x2F, 60},                        // nothing stored: level 1
        {"Level=3\r\n", 0x23, 30},
        {"Level=3\r\nHints=1\r\n", 0x27, 30},
        {"Level=$2\r\nRuler=0\r\n", 0x26, 45},
        {"Level=0\r\nAlternatives=0\r\nErrors=7\r\n", 0x0F, 0},
        {"Level=9\r\n", 0x03, 0},                 // no preset for level 9
        {"Level=1\r\nPlayTimeLimit=0:20:00\r\n", 0x2F, 20},
        {"Level=2\r\nHints=maybe\r\nPlayTimeLimit=soon\r\n", 0x27, 45}, // unreadable: preset
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
    // "PlayTimeLimit" is the time of day as h:mm:ss, read back also as h:mm.
    for (const auto& [seconds, text] : {std::pair{5400.0, "1:30:00"},
                                        {86399.0, "23:59:59"},
                                        {61.4, "0:01:01"},
                                        {-5.0, "0:00:00"}}) {
        EXPECT_EQ(TimeLimitToText(seconds / 86400), text) << seconds;
        EXPECT_EQ(TimeLimitToText(TextToTimeLimit(text).value_or(-1)), text);
    }
    for (const char* bad : {"", "1", "24:00:00", "1:60:00", "1:00:60", "1::00", "1:00:00:00"}) {
        EXPECT_FALSE(TextToTimeLimit(bad).has_value()) << bad;
    }
}

// The keys in their order, the aid keys from the check boxes; a user's settings read back whole
// from a file shared with another user.
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
    WriteSuDoKuData(file, "alice", alice, 7, alice.SolveOptions);
    WriteSuDoKuData(file, "bob", normal, 8, normal.SolveOptions);
    WriteSuDoKuData(file, "alice", alice, 7, alice.SolveOptions); // rewritten in place
    int lngId = 0;
    TSuDoKuData back;
    ReadSuDoKuData(file, "alice", back, lngId);
    EXPECT_EQ(lngId, 7);
    EXPECT_NEAR(back.TimeLimit, alice.TimeLimit, 0.5 / 86400);
    back.TimeLimit = alice.TimeLimit;
    EXPECT_EQ(back, alice);
}

} // namespace
} // namespace sudoku
