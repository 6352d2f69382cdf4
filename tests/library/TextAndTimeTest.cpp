// Integer texts, HexToInt, ChangeCase, day-count date-times, the hex time text, formatting,
// the default record name and the replaceable month names and clock.
#include "SuDoKuDateTime.h"
#include "SuDoKuText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace sudoku {
namespace {

// Decimal, "$" hex and "0x" hex texts, whole or refused; HexToInt reads up to eight hex
// digits and gives 0 for anything else.
TEST(TextToInt, ReadsDecimalDollarAndZeroXFormsAndHexToIntItsDigits) {
    // clang-format off
    const std::pair<const char*, std::int32_t> good[] = {
        {"2", 2}, {"$2", 2}, {"0x2", 2}, {"0X1f", 31}, {"$FF", 255}, {"-5", -5}, {"+7", 7},
        {"  12", 12}, {"$FFFFFFFF", -1}, {"2147483647", INT32_MAX}, {"-2147483648", INT32_MIN}};
    // clang-format on
    for (const auto& [text, value] : good) {
        EXPECT_EQ(TextToInt(text), value) << '"' << text << '"';
    }
    for (const char* text :
         {"2147483648", "$123456789", "", "$", "0x", "12 ", "1a", "x", "$G", "--1"}) {
        EXPECT_EQ(TextToInt(text), std::nullopt) << '"' << text << '"';
    }
    EXPECT_EQ(TextToIntDef("nope", 3), 3);

    const std::pair<const char*, std::int32_t> hex[] = {
        {"00B519", 0xB519}, {"2D", 45}, {"0F", 15}, {"ff", 255}, {"7FFFFFFF99", 0x7FFFFFFF},
        {"FFFFFFFF", -1},   {"", 0},    {"G1", 0},  {"1 ", 0},   {"$1", 0}};
    for (const auto& [text, value] : hex) {
        EXPECT_EQ(HexToInt(text), value) << '"' << text << '"';
    }
}

TEST(ChangeCase, LowerUpperFirstLetterOrUnchanged) {
    struct Case {
        const char* Text;
        int Mode;
        const char* Expected;
    };
    const Case cases[] = {
        {"December 5", 1, "december 5"}, {"december 5", 2, "DECEMBER 5"},
        {"décembre", 3, "Décembre"},     {"", 3, ""},
        {"mIxEd", 0, "mIxEd"},           {"mIxEd", 4, "mIxEd"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChangeCase(c.Text, c.Mode), c.Expected) << c.Text << " mode " << c.Mode;
    }
}

TEST(DateTime, CalendarConversionRoundTripsAndHitsKnownDays) {
    EXPECT_DOUBLE_EQ(EncodeDateTime({1899, 12, 30}), 0.0);
    EXPECT_DOUBLE_EQ(EncodeDateTime({1900, 3, 1}), 61.0);
    EXPECT_DOUBLE_EQ(EncodeDateTime({2026, 12, 5}), 46361.0);
    EXPECT_DOUBLE_EQ(EncodeDateTime({2000, 2, 29, 12}), 36585.5);

    std::mt19937 rng(7);
    std::uniform_int_distribution<std::int64_t> seconds(0, 200LL * 365 * 86400);
    for (int i = 0; i < 2000; ++i) {
        const std::int64_t s = seconds(rng);
        const TDateTime value = static_cast<double>(s) / 86400.0;
        const TDateTimeParts p = DecodeDateTime(value);
        EXPECT_EQ(p.Millisecond, 0);
        EXPECT_NEAR(EncodeDateTime(p), value, 1e-9) << s;
    }
}

TEST(DateTime, HexTimeTextOfKnownMoments) {
    struct Case {
        TDateTime Value;
        const char* Hex;
    };
    const Case cases[] = {
        {EncodeDateTime({2026, 12, 5, 17, 45, 15}), "00B519112D0F"},
        {(1 * 3600 + 30 * 60 + 15) / 86400.0, "000000011E0F"}, // a duration of 1:30:15
        {0.0, "000000000000"},
        {1.0 / 24, "000000010000"},
        {EncodeDateTime({2026, 12, 5, 17, 45, 15, 999}), "00B519112D0F"}, // ms dropped
        {EncodeDateTime({2026, 12, 5, 23, 59, 59, 999}) + 0.0004 / 86400, "00B519173B3B"},
        {-3.5, "000000000000"},
        {1e12, "FFFFFF173B3B"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DateTimeToHex(c.Value), c.Hex) << c.Value;
    }
}

TEST(DateTime, HexTimeTextReadsBackAndRejectsBadText) {
    EXPECT_DOUBLE_EQ(HexToDateTime("00B519112D0F"), 46361 + (17 * 3600 + 45 * 60 + 15) / 86400.0);
    EXPECT_NEAR(HexToDateTime("000000011E0F") * 86400, 5415, 1e-6);
    struct Case {
        const char* Text;
        double Seconds;
    };
    const Case cases[] = {
        {"", 0},
        {"00B519112D0", 0},             // 11 characters
        {"00B519112D0F0", 0},           // 13 characters
        {"XXXXXX011E0F", 5415},         // a bad group counts 0, the others still count
        {"000000ZZ1E0F", 30 * 60 + 15}, // bad hours
        {"0000000000ff", 255},          // lower case digits are hex too
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(HexToDateTime(c.Text) * 86400, c.Seconds, 1e-6) << c.Text;
    }
    std::mt19937 rng(11);
    std::uniform_int_distribution<std::int64_t> seconds(0, 0xFFFFFFLL * 86400);
    for (int i = 0; i < 2000; ++i) {
        const std::string hex = DateTimeToHex(static_cast<double>(seconds(rng)) / 86400.0);
        ASSERT_EQ(hex.size(), 12u);
        EXPECT_EQ(DateTimeToHex(HexToDateTime(hex)), hex);
    }
}

TEST(DateTime, FormatsDatesClockTimesAndLiterals) {
    const TDateTime t = EncodeDateTime({2026, 3, 5, 7, 8, 9, 45});
    struct Case {
        const char* Format;
        const char* Expected;
    };
    const Case cases[] = {
        {"mmmm d yyyy hh:mm:ss", "March 5 2026 07:08:09"},
        {"hh:mm:ss", "07:08:09"}, // mm after an hour is minutes
        {"h:n:s", "7:8:9"},
        {"dd/mm/yy", "05/03/26"},
        {"mmm", "Mar"},
        {"m", "3"},
        {"HH:NN zzz", "07:08 045"},
        {"'mmmm' \"d\" d", "mmmm d 5"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatDateTime(c.Format, t), c.Expected) << c.Format;
    }
    EXPECT_EQ(FormatDateTime("mmmm d yyyy hh:mm:ss", 0.0), "December 30 1899 00:00:00");
}

TEST(DateTime, DefaultNameUsesTheMonthNamesInForceWithAnUpperCaseFirstLetter) {
    const TDateTime t = EncodeDateTime({2026, 12, 5, 17, 45, 15});
    EXPECT_EQ(DefaultRecordName("Default User", t), "Default User@December 5 2026 17:45:15");

    SetMonthNameSource([](int month) { return month == 12 ? std::string("décembre") : ""; });
    EXPECT_EQ(DefaultDisplayName(t), "Décembre 5 2026 17:45:15"); // first byte not ASCII
    EXPECT_EQ(MonthName(11), "November");                         // empty answer: English
    SetMonthNameSource([](int) { return std::string("juli"); });
    EXPECT_EQ(DefaultDisplayName(t), "Juli 5 2026 17:45:15");
    SetMonthNameSource({});
    EXPECT_EQ(MonthName(12), "December");
    EXPECT_EQ(MonthName(13), "");
}

} // namespace
} // namespace sudoku
