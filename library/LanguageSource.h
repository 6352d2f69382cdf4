// The readable language source: one UTF-8 file per language, [Section] headers and
// tag<TAB>caption<TAB>hint lines, parsed into the texts the language compiler stores.
//
//   # comment               blank lines and lines starting with '#' are skipped
//   [Language]              iCountry<TAB>44, sCountry<TAB>English, sLanguage<TAB>en
//   [MainForm]              one section per window
//   520<TAB>New<TAB>Generate a new SuDoku
//
// In captions and hints "\t", "\n", "\r", "\s" (a space, for spaces at either end) and "\\"
// stand for themselves; a missing hint is empty.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace sudoku {

struct LanguageEntry {
    int Tag = 0;
    std::string Caption;
    std::string Hint;
};

struct LanguageSection {
    std::string Name;
    std::vector<LanguageEntry> Entries; // in file order
};

struct LanguageDefinition {
    int Country = 0;         // "iCountry": the language number
    std::string DisplayName; // "sCountry"
    std::string Code;        // "sLanguage"
    std::vector<LanguageSection> Sections;

    const LanguageSection* Section(std::string_view name) const;
};

class LanguageSource {
public:
    // Parses one language. Errors name the origin and line ("en.lng.txt:12: ...");
    // false when there is any.
    static bool Parse(std::string_view text, std::string_view origin, LanguageDefinition& out,
                      std::vector<std::string>& errors);
    static bool ParseFile(const std::filesystem::path& fileName, LanguageDefinition& out,
                          std::vector<std::string>& errors);

    // Replaces the escapes listed above; false on an unknown escape or a trailing '\'.
    static bool Unescape(std::string_view text, std::string& out);
    static bool IsValidUtf8(std::string_view text);
};

} // namespace sudoku
