// Number texts, ChangeCase, day-count date-times and their hex text, formatting, and the
// default record name with the replaceable month names.
#include "SuDoKuDateTime.h"
#include "SuDoKuText.h"

#include <gtest/gtest.h>

#include <random>

namespace sudoku {
namespace {

// Decimal, "$" hex and "0x" hex texts, whole or refused; HexToInt reads up to eight hex digits
// and gives 0 for anything else.
TEST(TextToInt, ReadsDecimalDollarAndZeroXFormsAndHexToIntItsDigits) {
    // clang-format off
    const std::pair<const char*, std::optional<std::int32_t>> texts[] = {
        {"2", 2}, {"$2", 2}, {"0x2", 2}, {"0X1f", 31}, {"-5", -5}, {"+7", 7}, {"  12", 12},
        {"$FFFFFFFF", -1}, {"2147483647", INT32_MAX}, {"-2147483648", INT32_MIN},
        {"2147483648", {}}, {"$123456789", {}}, {"", {}}, {"$", {}}, {"0x", {}}, {"12 ", {}},
        {"1a", {}}, {"$G", {}}, {"--1", {}}};
    const std::pair<const char*, std::int32_t> hex[] = {
        {"00B519", 0xB519}, {"ff", 255}, {"7FFFFFFF99", 0x7FFFFFFF}, {"FFFFFFFF", -1}, {"", 0},
        {"G1", 0}, {"1 ", 0}, {"$1", 0}};
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
    EXPECT_EQ(ChangeCase("mIxEd", 4), "mIxEd");
}

TEST(DateTime, CalendarAndHexTextRoundTripAndHitKnownMoments) {
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
}

TEST(DateTime, FormatsDatesClockTimesLiteralsAndDefaultNames) {
    const TDateTime t = EncodeDateTime({2026, 3, 5, 7, 8, 9, 45});
    // clang-format off
    const std::pair<const char*, const char*> cases[] = {
        {"mmmm d yyyy hh:mm:ss", "March 5 2026 07:08:09"}, {"h:n:s", "7:8:9"},
        {"dd/mm/yy", "05/03/26"}, {"mmm", "Mar"}, {"m", "3"}, {"HH:NN zzz", "07:08 045"},
        {"'mmmm' \"d\" d", "mmmm d 5"}};
    // clang-format on
    for (const auto& [format, expected] : cases) {
        EXPECT_EQ(FormatDateTime(format, t), expected) << format;
    }
    const TDateTime december = EncodeDateTime({2026, 12, 5, 17, 45, 15});
    EXPECT_EQ(DefaultRecordName("Default User", december), "Default User@December 5 2026 17:45:15");
    SetMonthNameSource([](int month) { return month == 12 ? std::string("d\u00E9cembre") : ""; });
    EXPECT_EQ(DefaultDisplayName(december), "D\u00E9cembre 5 2026 17:45:15");
    EXPECT_EQ(MonthName(11), "November"); // an empty answer: English
    SetMonthNameSource({});
    EXPECT_EQ(MonthName(12), "December");
}

} // namespace
} // namespace sudoku
