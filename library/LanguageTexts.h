// The numbers of the texts built at run time and their built-in English texts, which stay
// in force wherever the language file has no row.
#pragma once

#include <span>
#include <string_view>

namespace sudoku {

struct LanguageText {
    int Number;
    std::string_view English;
};

class LanguageTexts {
public:
    // Every run-time number of the main window's section, in ascending order.
    static std::span<const LanguageText> All();
    // The English text of number; empty for a number that is not a run-time text.
    static std::string_view Default(int number);
};

} // namespace sudoku
