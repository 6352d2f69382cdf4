// Date-times as the files store them: a double counting days since 30 December 1899 with the
// time of day as the fraction. Conversion, the 12-character hex time text, and formatting with
// month names the language layer can replace.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace sudoku {

using TDateTime = double;

constexpr std::int64_t MillisecondsPerDay = 86'400'000;

struct TDateTimeParts {
    int Year = 1899;
    int Month = 12;
    int Day = 30;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int Millisecond = 0;
};

TDateTime EncodeDateTime(const TDateTimeParts& parts);
// The calendar date of a whole day number (0 is 30 December 1899); the time fields stay 0.
TDateTimeParts DateOfDay(std::int64_t day);
// The calendar date and clock time of a value, rounded to whole milliseconds.
TDateTimeParts DecodeDateTime(TDateTime value);

// 6 hex digits of whole days, then 2 each for hours, minutes and seconds, upper case
// ("00B519112D0F"). Milliseconds are dropped after rounding to whole milliseconds; values
// below 0 are written as 0 and values past the 6-digit day range as its last second, so the
// text always has the 12 characters a reader accepts.
std::string DateTimeToHex(TDateTime value);
// Inverse of DateTimeToHex: a text not exactly 12 characters long gives 0, and a group that is
// not hexadecimal counts as 0.
TDateTime HexToDateTime(std::string_view text);

// Formats with the tokens yyyy yy mmmm mmm mm m dd d hh h nn n ss s zzz (letter case free);
// "m" or "mm" right after an hour token means minutes; text in quotes and any other character
// are copied. "hh:mm:ss" gives the clock time, "mmmm d yyyy" a date with the full month name.
std::string FormatDateTime(std::string_view format, TDateTime value);

// The name a record gets when it is saved without one: the moment formatted
// "mmmm d yyyy hh:mm:ss" with its first letter in upper case, e.g. "December 5 2026 17:45:15".
std::string DefaultDisplayName(TDateTime created);
std::string DefaultRecordName(std::string_view userName, TDateTime created);

// Full month names (1 = January). English unless the language layer installs its own source;
// an empty function restores English.
using TMonthNameSource = std::function<std::string(int month)>;
void SetMonthNameSource(TMonthNameSource source);
std::string MonthName(int month);

} // namespace sudoku
