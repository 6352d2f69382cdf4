// The language choice at start from the locale environment: which variable is in force and
// which language number its first two letters give.
#pragma once

#include <string>
#include <string_view>

namespace sudoku {

class LanguageLocale {
public:
    std::string All;      // LC_ALL
    std::string Messages; // LC_MESSAGES
    std::string Lang;     // LANG
    std::string Language; // LANGUAGE: a ':' separated list of preferred languages

    static LanguageLocale FromProcess();

    // The locale of the messages: LC_ALL, else LC_MESSAGES, else LANG (first one not empty).
    // When that locale is set and is not "C" or "POSIX", the first non-empty entry of
    // LANGUAGE takes precedence over it, as message catalogues do on this platform.
    std::string Code() const;
    // "nl" gives 31, "fr" 33, "it" 39, "de" 49 (first two letters, any case); else 44.
    int LanguageNumber() const;
    static int NumberForCode(std::string_view code);
};

} // namespace sudoku
