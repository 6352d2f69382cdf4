// Day-count date-times: calendar conversion, hex time text, and formatting.
#include "SuDoKuDateTime.h"

#include "SuDoKuText.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <mutex>

namespace sudoku {

namespace {

// Day 0 of the file format (30 December 1899) is day -25569 counted from 1 January 1970.
constexpr std::int64_t UnixEpochDay = 25569;

// Days since 1970-01-01 of a proleptic Gregorian date, and back (era-based, exact for all
// years in range).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(y + (month <= 2));
}

constexpr std::array<std::string_view, 12> EnglishMonths{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

struct THooks {
    std::mutex Mutex;
    TMonthNameSource MonthNames;
};

THooks& Hooks() {
    static THooks hooks;
    return hooks;
}

std::string Padded(long long value, int width) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%0*lld", width, value);
    return buffer;
}

} // namespace

TDateTime EncodeDateTime(const TDateTimeParts& p) {
    const std::int64_t day =
        DaysFromCivil(p.Year, static_cast<unsigned>(p.Month), static_cast<unsigned>(p.Day)) +
        UnixEpochDay;
    const double time =
        ((p.Hour * 60.0 + p.Minute) * 60.0 + p.Second + p.Millisecond / 1000.0) / 86400.0;
    return static_cast<double>(day) + time;
}

TDateTimeParts DateOfDay(std::int64_t day) {
    TDateTimeParts p;
    CivilFromDays(day - UnixEpochDay, p.Year, p.Month, p.Day);
    return p;
}

TDateTimeParts DecodeDateTime(TDateTime value) {
    const auto ms = static_cast<std::int64_t>(std::llround(value * MillisecondsPerDay));
    std::int64_t day = ms / MillisecondsPerDay;
    std::int64_t rest = ms % MillisecondsPerDay;
    if (rest < 0) {
        rest += MillisecondsPerDay;
        --day;
    }
    TDateTimeParts p = DateOfDay(day);
    p.Hour = static_cast<int>(rest / 3'600'000);
    p.Minute = static_cast<int>(rest / 60'000 % 60);
    p.Second = static_cast<int>(rest / 1000 % 60);
    p.Millisecond = static_cast<int>(rest % 1000);
    return p;
}

std::string DateTimeToHex(TDateTime value) {
    constexpr std::int64_t maxSeconds = 0xFFFFFFLL * 86400 + 86399;
    std::int64_t seconds = 0;
    if (std::isfinite(value) && value > 0) {
        const double ms = std::round(value * static_cast<double>(MillisecondsPerDay));
        seconds = ms >= static_cast<double>(maxSeconds) * 1000.0
                      ? maxSeconds
                      : static_cast<std::int64_t>(ms) / 1000;
    }
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%06llX%02X%02X%02X",
                  static_cast<unsigned long long>(seconds / 86400),
                  static_cast<unsigned>(seconds / 3600 % 24),
                  static_cast<unsigned>(seconds / 60 % 60), static_cast<unsigned>(seconds % 60));
    return buffer;
}

TDateTime HexToDateTime(std::string_view text) {
    if (text.size() != 12) {
        return 0;
    }
    const auto group = [&](std::size_t pos, std::size_t len) {
        return static_cast<double>(HexToInt(text.substr(pos, len)));
    };
    return group(0, 6) + group(6, 2) / 24.0 + group(8, 2) / 1440.0 + group(10, 2) / 86400.0;
}

std::string FormatDateTime(std::string_view format, TDateTime value) {
    const TDateTimeParts p = DecodeDateTime(value);
    std::string out;
    bool afterHour = false;
    std::size_t i = 0;
    while (i < format.size()) {
        const char c = format[i];
        if (c == '"' || c == '\'') {
            const std::size_t close = format.find(c, i + 1);
            const std::size_t end = close == std::string_view::npos ? format.size() : close;
            out += format.substr(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        const auto lowerOf = [](char ch) {
            return static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch);
        };
        const char lower = lowerOf(c);
        std::size_t run = 1;
        while (lower >= 'a' && lower <= 'z' && i + run < format.size() &&
               lowerOf(format[i + run]) == lower) {
            ++run;
        }
        switch (lower) {
        case 'y':
            out += run >= 3 ? Padded(p.Year, 4) : Padded(p.Year % 100, 2);
            break;
        case 'm':
            if (afterHour && run <= 2) {
                out += Padded(p.Minute, run == 2 ? 2 : 1);
            } else if (run >= 4) {
                out += MonthName(p.Month);
            } else if (run == 3) {
                out += MonthName(p.Month).substr(0, 3);
            } else {
                out += Padded(p.Month, static_cast<int>(run));
            }
            break;
        case 'd':
            out += Padded(p.Day, run >= 2 ? 2 : 1);
            break;
        case 'h':
            out += Padded(p.Hour, run >= 2 ? 2 : 1);
            break;
        case 'n':
            out += Padded(p.Minute, run >= 2 ? 2 : 1);
            break;
        case 's':
            out += Padded(p.Second, run >= 2 ? 2 : 1);
            break;
        case 'z':
            out += Padded(p.Millisecond, run >= 3 ? 3 : 1);
            break;
        default:
            out.append(format.substr(i, run));
            i += run;
            continue; // a literal does not end an hour-minute pair
        }
        afterHour = lower == 'h';
        i += run;
    }
    return out;
}

std::string DefaultDisplayName(TDateTime created) {
    return ChangeCase(FormatDateTime("mmmm d yyyy hh:mm:ss", created), 3);
}

std::string DefaultRecordName(std::string_view userName, TDateTime created) {
    return std::string(userName) + "@" + DefaultDisplayName(created);
}

void SetMonthNameSource(TMonthNameSource source) {
    std::lock_guard lock(Hooks().Mutex);
    Hooks().MonthNames = std::move(source);
}

std::string MonthName(int month) {
    if (month < 1 || month > 12) {
        return {};
    }
    TMonthNameSource source;
    {
        std::lock_guard lock(Hooks().Mutex);
        source = Hooks().MonthNames;
    }
    if (source) {
        std::string name = source(month);
        if (!name.empty()) {
            return name;
        }
    }
    return std::string(EnglishMonths[static_cast<std::size_t>(month - 1)]);
}

} // namespace sudoku
