// The stored-puzzle record and the routines that move it between memory and profile files:
// one record is one named section of key=value lines.
#pragma once

#include "SuDoKuDateTime.h"
#include "TProfileFile.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sudoku {

using TOrigin = std::uint8_t;
constexpr TOrigin orGenerated = 1;    // made by the program's generator
constexpr TOrigin orSelfDesigned = 2; // entered or designed by the user
constexpr TOrigin orImported = 4;     // came in through Import

// Values of the "O" key.
constexpr std::string_view OriginGeneratedText = "Marlbrook";
constexpr std::string_view OriginSelfDesignedText = "Self";

struct TSuDoKuFileData {
    std::string Name; // full section name: user name + "@" + display name
    TDateTime Tc = 0; // created
    std::uint8_t L = 0;
    TOrigin O = 0;
    std::int32_t Nc = 3; // box columns
    std::int32_t Nr = 3; // box rows
    std::string M1;      // complete grid, hex grid text
    std::string M2;      // givens, hex grid text
    std::string M3;      // values in the play grid, hex grid text
    std::string M4;      // pencil notes text
    TDateTime Tpts = 0;  // start of the current run of play
    TDateTime Tptl = 0;  // reference moment of the game clock
    TDateTime Tpt = 0;   // time played
    TDateTime Tptm = 0;  // time limit
    std::int32_t Sn = 0; // entries
    std::int32_t Sp = 0; // pauses
    std::int32_t Sh = 0; // hints
    std::int32_t Se = 0; // errors
    std::int32_t Sr = 0; // restarts
    std::int32_t Sa = 0; // alternatives
    std::string U;       // move history
    std::string R;       // undone moves, for redo ("R", written only when there are any)
    std::uint8_t S = 0;  // 0 none, 1 in play, 2 paused, 3 over, 4/5 Enter & Design modes

    bool operator==(const TSuDoKuFileData&) const = default;
};

void InitSuDoKuFileData(TSuDoKuFileData& rec);

// The keys of a record in the order they stand in the file ("O" only for a generated or
// self-designed origin).
std::vector<TProfileFile::TEntry> SuDoKuFileDataEntries(const TSuDoKuFileData& rec);

// Record from an already loaded file; false (and defaults) when the section is not there.
bool ReadSuDoKuFileData(const TProfileFile& file, std::string_view section, TSuDoKuFileData& rec);
// Replaces the section whole; it moves to the end of the file.
void WriteSuDoKuFileData(TProfileFile& file, std::string_view section, const TSuDoKuFileData& rec);

// File-level operations; each opens the file, does its work and closes it.
bool ReadSuDoKuFileData(const std::string& fileName, std::string_view section,
                        TSuDoKuFileData& rec);
// Returns true; throws TWriteError ("Unable to write to <file>") when the file cannot be
// written, in which case the file keeps its old contents.
bool WriteSuDoKuFileData(const std::string& fileName, std::string_view section,
                         const TSuDoKuFileData& rec);
// False when the file does not exist or cannot be read.
bool SectionExistsInFile(const std::string& fileName, std::string_view section);
// True when the section is gone afterwards; false when the file does not exist or any error
// occurs. Never throws.
bool EraseSectionInFile(const std::string& fileName, std::string_view section);
// Section names of the file in file order; empty for a missing or unreadable file.
std::vector<std::string> ReadSectionNamesOfFile(const std::string& fileName);

// Gives a stored record a new section name in one step: the record (with Name set to the new
// section) is written under the new name and the old section erased in the same file update,
// so a failure leaves the file as it was. Throws TWriteError.
void RenameSuDoKu(const std::string& fileName, std::string_view oldSection,
                  std::string_view newSection, TSuDoKuFileData& rec);

// The display name of a section: everything after its first "@" (the whole name without "@").
std::string DisplayNameOf(std::string_view section);
// A display name that would break a section header or the lines of a profile file: it holds
// "[", "]" or a control character.
bool UnsafeDisplayName(std::string_view name);
// Whether the section belongs to the user: it starts with userName + "@" (exact case).
bool BelongsToUser(std::string_view section, std::string_view userName);

} // namespace sudoku
