// Turns parsed language sources into the table file: a "Contents" table with one row per
// language and one table of Tag, Caption and Hint per window section and language.
#pragma once

#include "LanguageSource.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sudoku {

class LanguageCompiler {
public:
    // False (with errors) for two languages of the same number or display name, or a table
    // name longer than the store allows.
    static bool Compile(const std::vector<LanguageDefinition>& languages,
                        std::vector<std::uint8_t>& bytes, std::vector<std::string>& errors);

    // Tags that the reference language has in a section and the other language lacks there,
    // as "Section tag" texts; used to keep every language complete.
    static std::vector<std::string> MissingEntries(const LanguageDefinition& reference,
                                                   const LanguageDefinition& language);
};

} // namespace sudoku
