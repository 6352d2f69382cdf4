// The settings record of the Options page, its level presets, and its reading and writing as
// the user's ".Options" section of the settings file; also the names of the user's sections.
#pragma once

#include "SolveOptions.h"
#include "SuDoKuDateTime.h"
#include "TProfileFile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sudoku {

struct TSuDoKuData {
    std::uint32_t BackgroundColor = 16777215; // colours: red in the low byte, then green, blue
    std::uint32_t ContrastColor = 14465465;
    bool ContrastPuzzle = false;
    std::uint32_t RulerColor = 15787750;
    std::string FontName = "Verdana";
    std::uint32_t FontColor = 8388608;
    std::uint16_t SuDoKuState = 0; // runtime only, never stored
    std::string DisplaySet = "123456789";
    std::uint8_t HighlightValue = 0; // runtime only, never stored
    std::uint8_t Level = 1;          // 0 Rookie, 1 Normal, 2 Skilled, 3 Expert
    TSolveOptions SolveOptions = soRuler | soRestart;
    TDateTime TimeLimit = 0; // fraction of a day
    std::uint8_t ScreenSize = 0;

    bool operator==(const TSuDoKuData&) const = default;
};

struct TLevelPreset {
    TSolveOptions SolveOptions; // the whole set: {soRuler, soRestart} and the level's aids
    TDateTime TimeLimit;
};

// The preset of a level; nothing for a level outside 0 to 3.
std::optional<TLevelPreset> LevelPreset(int level);

// Every field except ScreenSize back to its start value.
void SetDefaultOptions(TSuDoKuData& data);
// Adds the aids of the data's level and sets its time limit; a level without a preset
// changes nothing.
void ApplyLevelPreset(TSuDoKuData& data);
// A level chosen on the page: Level, the whole aid set and the time limit of its preset.
void SelectLevel(TSuDoKuData& data, int level);

// Section names of a user in the settings file.
std::string OptionsSection(std::string_view userName);
std::string LastPlayNSolveSection(std::string_view userName);
std::string LastEnterNDesignSection(std::string_view userName);

// "PlayTimeLimit" text: the time of day as h:mm:ss ("1:00:00", "0:45:00"); reading accepts
// h:mm:ss and h:mm with hours 0 to 23 and gives nothing for anything else.
std::string TimeLimitToText(TDateTime limit);
std::optional<TDateTime> TextToTimeLimit(std::string_view text);

// Loads the user's settings: every stored field from its key or the default of its key, the
// runtime fields cleared, the level preset, the aid keys present, then the time limit. `lngId`
// is the language in force on entry and the stored one on return.
void ReadSuDoKuData(const TProfileFile& file, std::string_view userName, TSuDoKuData& data,
                    int& lngId);
void ReadSuDoKuData(const std::string& fileName, std::string_view userName, TSuDoKuData& data,
                    int& lngId);

// Writes the ".Options" keys in their fixed order. `shownAids` are the aid check boxes of the
// page, which the "Ruler" ... "TimeLimited" keys store (they may differ from SolveOptions).
void WriteSuDoKuData(TProfileFile& file, std::string_view userName, const TSuDoKuData& data,
                     int lngId, TSolveOptions shownAids);
// File-level write; throws TWriteError and leaves the file as it was when it fails.
void WriteSuDoKuData(const std::string& fileName, std::string_view userName,
                     const TSuDoKuData& data, int lngId, TSolveOptions shownAids);

} // namespace sudoku
