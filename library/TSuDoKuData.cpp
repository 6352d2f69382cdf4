// Settings defaults, level presets and the ".Options" section of the settings file.
#include "TSuDoKuData.h"

#include "SuDoKuText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace sudoku {

namespace {

constexpr TSolveOptions BaseAids = soRuler | soRestart;

constexpr std::array<TLevelPreset, 4> Presets{{
    {BaseAids | soHints | soErrors | soAlternatives, 0.0},
    {BaseAids | soHints | soErrors | soTimeLimited, 1.0 / 24},
    {BaseAids | soHints | soTimeLimited, 1.0 / 32},
    {BaseAids | soTimeLimited, 1.0 / 48},
}};

struct TAidKey {
    std::string_view Key;
    TSolveOptions Bit;
};

constexpr std::array<TAidKey, 5> AidKeys{{
    {"Ruler", soRuler},
    {"Hints", soHints},
    {"Errors", soErrors},
    {"Alternatives", soAlternatives},
    {"TimeLimited", soTimeLimited},
}};

std::optional<std::int32_t> IntValue(const TProfileFile& file, std::string_view section,
                                     std::string_view key) {
    const std::optional<std::string> text = file.ReadValue(section, key);
    return text ? TextToInt(*text) : std::nullopt;
}

} // namespace

std::optional<TLevelPreset> LevelPreset(int level) {
    if (level < 0 || level >= static_cast<int>(Presets.size())) {
        return std::nullopt;
    }
    return Presets[static_cast<std::size_t>(level)];
}

void SetDefaultOptions(TSuDoKuData& data) {
    const std::uint8_t screenSize = data.ScreenSize;
    data = TSuDoKuData{};
    data.ScreenSize = screenSize;
}

void ApplyLevelPreset(TSuDoKuData& data) {
    if (const auto preset = LevelPreset(data.Level)) {
        data.SolveOptions |= preset->SolveOptions;
        data.TimeLimit = preset->TimeLimit;
    }
}

void SelectLevel(TSuDoKuData& data, int level) {
    data.Level = static_cast<std::uint8_t>(level);
    if (const auto preset = LevelPreset(level)) {
        data.SolveOptions = preset->SolveOptions;
        data.TimeLimit = preset->TimeLimit;
    }
}

std::string OptionsSection(std::string_view userName) {
    return std::string(userName) + ".Options";
}

std::string LastPlayNSolveSection(std::string_view userName) {
    return std::string(userName) + ".Last_PlayNSolve";
}

std::string LastEnterNDesignSection(std::string_view userName) {
    return std::string(userName) + ".Last_EnterNDesign";
}

std::string TimeLimitToText(TDateTime limit) {
    long long seconds = 0;
    if (std::isfinite(limit) && limit > 0) {
        seconds = std::llround((limit - std::floor(limit)) * 86400.0);
        seconds = std::min(seconds, 86399LL); // a time of day never reaches 24:00:00
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return buffer;
}

std::optional<TDateTime> TextToTimeLimit(std::string_view text) {
    int parts[3] = {0, 0, 0};
    int count = 0;
    std::size_t pos = 0;
    while (count < 3) {
        const std::size_t colon = text.find(':', pos);
        const std::string_view field = text.substr(
            pos, colon == std::string_view::npos ? std::string_view::npos : colon - pos);
        if (field.empty() || field.size() > 2) {
            return std::nullopt;
        }
        int value = 0;
        for (char c : field) {
            if (c < '0' || c > '9') {
                return std::nullopt;
            }
            value = value * 10 + (c - '0');
        }
        parts[count++] = value;
        if (colon == std::string_view::npos) {
            break;
        }
        pos = colon + 1;
        if (count == 3) {
            return std::nullopt; // a fourth field
        }
    }
    if (count < 2 || parts[0] > 23 || parts[1] > 59 || parts[2] > 59) {
        return std::nullopt;
    }
    return (parts[0] * 3600.0 + parts[1] * 60.0 + parts[2]) / 86400.0;
}

void ReadSuDoKuData(const TProfileFile& file, std::string_view userName, TSuDoKuData& data,
                    int& lngId) {
    const std::string s = OptionsSection(userName);
    const TSuDoKuData defaults;
    const auto colour = [&](std::string_view key, std::uint32_t def) {
        const auto v = IntValue(file, s, key);
        return v ? static_cast<std::uint32_t>(*v) : def;
    };
    const auto number = [&](std::string_view key, std::int32_t def) {
        return IntValue(file, s, key).value_or(def);
    };

    lngId = number("LngID", lngId);
    data.BackgroundColor = colour("BackgroundColor", defaults.BackgroundColor);
    data.ContrastColor = colour("ContrastColor", defaults.ContrastColor);
    data.ContrastPuzzle = number("ContrastPuzzle", 0) != 0;
    data.RulerColor = colour("RulerColor", defaults.RulerColor);
    data.FontName = file.ReadString(s, "FontName", defaults.FontName);
    data.FontColor = colour("FontColor", defaults.FontColor);
    data.SuDoKuState = 0;
    data.DisplaySet = file.ReadString(s, "DisplaySet", defaults.DisplaySet);
    data.HighlightValue = 0;
    data.Level = static_cast<std::uint8_t>(number("Level", defaults.Level));
    data.SolveOptions = BaseAids;
    data.TimeLimit = 0;
    data.ScreenSize = static_cast<std::uint8_t>(number("ScreenSize", 0));

    ApplyLevelPreset(data);
    for (const TAidKey& aid : AidKeys) {
        if (const auto v = IntValue(file, s, aid.Key)) {
            data.SolveOptions = *v != 0 ? static_cast<TSolveOptions>(data.SolveOptions | aid.Bit)
                                        : static_cast<TSolveOptions>(data.SolveOptions & ~aid.Bit);
        }
    }
    if (const auto text = file.ReadValue(s, "PlayTimeLimit")) {
        if (const auto limit = TextToTimeLimit(*text)) {
            data.TimeLimit = *limit;
        }
    }
}

void ReadSuDoKuData(const std::string& fileName, std::string_view userName, TSuDoKuData& data,
                    int& lngId) {
    TProfileFile file;
    file.Load(fileName); // an unreadable file gives the defaults, as a missing one does
    ReadSuDoKuData(file, userName, data, lngId);
}

void WriteSuDoKuData(TProfileFile& file, std::string_view userName, const TSuDoKuData& data,
                     int lngId, TSolveOptions shownAids) {
    const std::string s = OptionsSection(userName);
    const auto number = [&](std::string_view key, long long value) {
        file.WriteValue(s, key, std::to_string(value));
    };
    const auto colour = [&](std::string_view key, std::uint32_t value) {
        number(key, static_cast<std::int32_t>(value)); // as the 32-bit value reads back
    };
    const auto flag = [&](std::string_view key, bool on) {
        file.WriteValue(s, key, on ? "1" : "0");
    };

    number("LngID", lngId);
    colour("BackgroundColor", data.BackgroundColor);
    colour("ContrastColor", data.ContrastColor);
    flag("ContrastPuzzle", data.ContrastPuzzle);
    colour("RulerColor", data.RulerColor);
    file.WriteValue(s, "FontName", data.FontName);
    colour("FontColor", data.FontColor);
    file.WriteValue(s, "DisplaySet", data.DisplaySet);
    number("Level", data.Level);
    for (const TAidKey& aid : AidKeys) {
        flag(aid.Key, (shownAids & aid.Bit) != 0);
    }
    file.WriteValue(s, "PlayTimeLimit", TimeLimitToText(data.TimeLimit));
    number("ScreenSize", data.ScreenSize);
}

void WriteSuDoKuData(const std::string& fileName, std::string_view userName,
                     const TSuDoKuData& data, int lngId, TSolveOptions shownAids) {
    TProfileFile::Modify(fileName, [&](TProfileFile& file) {
        WriteSuDoKuData(file, userName, data, lngId, shownAids);
    });
}

} // namespace sudoku
