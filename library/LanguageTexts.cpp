// Built-in English texts of the run-time numbers.
#include "LanguageTexts.h"

#include <algorithm>
#include <array>

namespace sudoku {

namespace {

constexpr auto Texts = std::to_array<LanguageText>({
    {6, "https://www.marlbrook.example/sudokus/help?lngid={lngid}&programlabel=sudokus&"
        "programversionnumber=1061&show=onlinehelp"},
    {20, "Ok"},
    {21, "Cancel"},
    {22, "Yes"},
    {23, "No"},
    {30, "Save SuDoku as..."},
    {31, "Please enter a name"},
    {32, "\" already exists, overwrite existing SuDoKu?"},
    {34, "Delete \""},
    {35, "Import SuDoku puzzle(s)"},
    {36, "Export SuDoku puzzle"},
    {37, "Export SuDoku puzzles"},
    {450, "3 x 3 (Pure Sudoku)"},
    {460, "Variants"},
    {560, "Solution"},
    {565, "Alternatives"},
    {575, "Time "},
    {576, "Pausing"},
    {577, "Thinking"},
    {578, "Puzzle Solution"},
    {579, "Puzzle Solved!"},
    {660, "Complete"},
    {665, "Alternatives"},
    {670, "Validating..."},
    {671, "Puzzle Invalid"},
    {672, "Puzzle Solvable"},
    {675, "Puzzle Mode"},
    {676, "Design Mode"},
    {677, "Thinking"},
    {761, "Create a backup off all SuDoku puzzles? A previous backup will be overwritten."},
    {766, "Restore SuDoku puzzles from latest backup? Current SuDoku puzzles will be "
          "overwritten."},
    {861, "Rookie"},
    {862, "Normal"},
    {863, "Skilled"},
    {864, "Expert"},
    {886, "Automatic"},
    {887, "Ignore"},
    {1110, "Do you really want to close Sudoku Atelier?"},
    {1112, "Click Yes to quit and No to continue."},
    {10000, "Yes"},
    {10001, "No"},
    {71001, "Marlbrook"},
    {71002, "Self Designed"},
    {71003, " (imported)"},
    {71004, "Playing"},
    {71005, "Solution"},
    {71006, "Designing"},
    {71007, "Created "},
    {71008, "Level "},
    {71009, " (Time Limit "},
    {71010, "Time Played "},
    {71011, "Origin "},
    {71012, "Status "},
    {71013, " Entries      "},
    {71014, " Pauses       "},
    {71015, " Hints        "},
    {71016, " Errors       "},
    {71017, " Restarts     "},
    {71018, " Alternatives "},
});

} // namespace

std::span<const LanguageText> LanguageTexts::All() {
    return Texts;
}

std::string_view LanguageTexts::Default(int number) {
    const auto found =
        std::lower_bound(Texts.begin(), Texts.end(), number,
                         [](const LanguageText& text, int wanted) { return text.Number < wanted; });
    return found != Texts.end() && found->Number == number ? found->English : std::string_view();
}

} // namespace sudoku
